#pragma once

#include <QString>
#include <QWidget>

namespace tambrel {

class BannerBrowser;

// The banner page: the program's name, centred, given as inline HTML.
inline const QString BannerAddress = QStringLiteral(
    "about:<html><body scroll='no'><center><table style='border:0px;'><td><font face='Times New Roman' "
    "size='6'>Тамбрель</font></td></table></center></body></html>");

// The banner strip: an embedded browser showing the banner page. Web links
// followed in it open in the user's own browser; it never opens a window.
class usrReklamaX : public QWidget {
    Q_OBJECT

public:
    explicit usrReklamaX(QWidget* parent = nullptr);

    BannerBrowser* webBrowser() const { return WebBrowser1; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void StatusTextChange(const QString& text);
    void BeforeNavigate2(bool* Cancel);
    void NewWindow2(bool* Cancel);

    BannerBrowser* WebBrowser1 = nullptr;
    QString LastLinkUrl;
};

}  // namespace tambrel
