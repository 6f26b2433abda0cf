#include "usr_reklama_x.h"

#include "banner_browser.h"
#include "form_style.h"
#include "save_file_url.h"

namespace tambrel {

namespace {

bool IsWebLink(const QString& text) { return text.startsWith(QStringLiteral("http"), Qt::CaseSensitive); }

}  // namespace

usrReklamaX::usrReklamaX(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("usrReklamaX"));
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, FaceGrey);
    setPalette(palette);

    // The browser has no dialog boxes of its own: it is silent as it is.
    WebBrowser1 = new BannerBrowser(this);
    connect(WebBrowser1, &BannerBrowser::StatusTextChange, this, &usrReklamaX::StatusTextChange);
    connect(WebBrowser1, &BannerBrowser::BeforeNavigate2, this,
            [this](const QString& /*address*/, bool* Cancel) { BeforeNavigate2(Cancel); });
    connect(WebBrowser1, &BannerBrowser::NewWindow2, this, &usrReklamaX::NewWindow2);
    WebBrowser1->setGeometry(contentsRect());
    WebBrowser1->Navigate(BannerAddress);
    // The panel is named by its page's text.
    setAccessibleName(WebBrowser1->accessibleName());
}

void usrReklamaX::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (window()->isMinimized()) return;
    WebBrowser1->setGeometry(contentsRect());
}

void usrReklamaX::StatusTextChange(const QString& text) {
    if (IsWebLink(text)) LastLinkUrl = text;
}

// The navigation's own address is not looked at: what was last pointed at
// decides, and is what goes out.
void usrReklamaX::BeforeNavigate2(bool* Cancel) {
    if (!IsWebLink(LastLinkUrl)) return;
    *Cancel = true;
    SaveFileUrl(LastLinkUrl);
}

void usrReklamaX::NewWindow2(bool* Cancel) {
    *Cancel = true;
    if (IsWebLink(LastLinkUrl)) SaveFileUrl(LastLinkUrl);
}

}  // namespace tambrel
