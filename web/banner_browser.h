#pragma once

#include <QString>
#include <QWidget>

#include <memory>

namespace litehtml {
class document;
}

namespace tambrel {

class BannerContainer;

// The banner's embedded browser: shows a page given as markup after
// "about:", drawn in this widget by a light HTML renderer that runs no
// scripts, fetches nothing and never scrolls. It is always silent: it has
// no dialog boxes of its own. It reports what the user points at and asks
// before every navigation and every new window, as a browser control does.
class BannerBrowser : public QWidget {
    Q_OBJECT

public:
    explicit BannerBrowser(QWidget* parent = nullptr);
    ~BannerBrowser() override;
    BannerBrowser(const BannerBrowser&) = delete;
    BannerBrowser& operator=(const BannerBrowser&) = delete;

    // Asks BeforeNavigate2 first. "about:" followed by markup shows that
    // markup; any other address is let go without being loaded, and the
    // page shown stays.
    void Navigate(const QString& address);
    // The address of the page shown.
    const QString& LocationURL() const { return location_; }

signals:
    // The status line: a link's address while the pointer is on it, empty
    // once it has left.
    void StatusTextChange(const QString& text);
    // Before each navigation; setting *cancel keeps the page shown.
    void BeforeNavigate2(const QString& address, bool* cancel);
    // A link asked for a window of its own. None is ever opened, whatever
    // *cancel says.
    void NewWindow2(bool* cancel);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void Load(const QString& address);
    void LayOut();
    void SetStatusText(const QString& text);
    QString LinkUnderPointer() const;

    std::unique_ptr<BannerContainer> container_;
    std::shared_ptr<litehtml::document> document_;
    QString location_;
    QString statusText_;
    bool laidOut_ = false;
    // A link clicked, followed once the renderer has finished the click.
    QString clickedHref_;
    QString clickedTarget_;
    bool clicked_ = false;
};

}  // namespace tambrel
