#pragma once

#include <QString>
#include <QWidget>

namespace tambrel {

// The banner page: the program's name, centred, given as inline HTML.
inline const QString BannerAddress = QStringLiteral(
    "about:<html><body scroll='no'><center><table style='border:0px;'><td><font face='Times New Roman' "
    "size='6'>Тамбрель</font></td></table></center></body></html>");

// The banner strip: an embedded browser showing the banner page. Web links
// followed in it open in the user's own browser; it never opens a window.
// The browser itself is made once the panel has been drawn for the first
// time, so that the window around it appears at once.
class usrReklamaX : public QWidget {
    Q_OBJECT

public:
    explicit usrReklamaX(QWidget* parent = nullptr);

    // Null until the panel has been drawn, and when no browser could be made.
    QWidget* webBrowser() const { return WebBrowser1; }
    const QString& lastLinkUrl() const { return LastLinkUrl; }

signals:
    void browserCreated();
    void bannerLoaded(bool ok);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void CreateBrowser();
    void FitBrowser();
    void StatusTextChange(const QString& text);
    bool BeforeNavigate2();
    void NewWindow2();
    void SendOut();

    bool browserScheduled_ = false;
    QWidget* WebBrowser1 = nullptr;
    QString LastLinkUrl;
};

}  // namespace tambrel
