#include "banner_browser.h"

#include "banner_container.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

namespace tambrel {

namespace {

const QString AboutScheme = QStringLiteral("about:");

// A target that names no frame of this page asks for a new window.
bool OpensNewWindow(const QString& target) {
    return !target.isEmpty() && target.compare(QStringLiteral("_self"), Qt::CaseInsensitive) != 0 &&
           target.compare(QStringLiteral("_top"), Qt::CaseInsensitive) != 0 &&
           target.compare(QStringLiteral("_parent"), Qt::CaseInsensitive) != 0;
}

}  // namespace

BannerBrowser::BannerBrowser(QWidget* parent)
    : QWidget(parent),
      container_(std::make_unique<BannerContainer>(this, [this](const QString& href, const QString& target) {
          clicked_ = true;
          clickedHref_ = href;
          clickedTarget_ = target;
      })) {
    setObjectName(QStringLiteral("WebBrowser1"));
    setMouseTracking(true);
    // The page covers the whole widget.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

BannerBrowser::~BannerBrowser() {
    // The page's fonts go back to the container, which must outlive it.
    document_.reset();
}

void BannerBrowser::Navigate(const QString& address) {
    bool cancel = false;
    emit BeforeNavigate2(address, &cancel);
    if (!cancel) Load(address);
}

void BannerBrowser::Load(const QString& address) {
    if (!address.startsWith(AboutScheme, Qt::CaseInsensitive)) return;
    QByteArray markup = address.mid(AboutScheme.size()).toUtf8();
    if (markup == "blank") markup.clear();
    document_ =
        litehtml::document::createFromUTF8(markup.constData(), container_.get(), container_->context());
    location_ = address;
    // A reader names the browser by what the page says.
    std::string text;
    if (document_ && document_->root()) document_->root()->get_text(text);
    setAccessibleName(QString::fromUtf8(text).simplified());
    laidOut_ = false;
    SetStatusText(QString());
    update();
}

void BannerBrowser::LayOut() {
    if (laidOut_ || !document_) return;
    document_->render(width());
    laidOut_ = true;
}

void BannerBrowser::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(event->rect(), Qt::white);
    if (!document_) return;
    LayOut();
    const QRect area = event->rect();
    const litehtml::position clip(area.x(), area.y(), area.width(), area.height());
    container_->setPainter(&painter);
    document_->draw(0, 0, 0, &clip);
    container_->setPainter(nullptr);
}

void BannerBrowser::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    laidOut_ = false;
}

void BannerBrowser::mouseMoveEvent(QMouseEvent* event) {
    if (!document_) return;
    LayOut();
    const QPoint at = event->position().toPoint();
    litehtml::position::vector redraw;
    if (document_->on_mouse_over(at.x(), at.y(), at.x(), at.y(), redraw)) update();
    SetStatusText(LinkUnderPointer());
}

void BannerBrowser::mousePressEvent(QMouseEvent* event) {
    if (!document_ || event->button() != Qt::LeftButton) return;
    LayOut();
    const QPoint at = event->position().toPoint();
    litehtml::position::vector redraw;
    if (document_->on_lbutton_down(at.x(), at.y(), at.x(), at.y(), redraw)) update();
}

void BannerBrowser::mouseReleaseEvent(QMouseEvent* event) {
    if (!document_ || event->button() != Qt::LeftButton) return;
    LayOut();
    const QPoint at = event->position().toPoint();
    litehtml::position::vector redraw;
    clicked_ = false;
    if (document_->on_lbutton_up(at.x(), at.y(), at.x(), at.y(), redraw)) update();
    if (!clicked_) return;
    // Out of the renderer's click handling now: the page may be replaced.
    clicked_ = false;
    if (OpensNewWindow(clickedTarget_)) {
        bool cancel = false;
        emit NewWindow2(&cancel);
    } else {
        Navigate(clickedHref_);
    }
}

void BannerBrowser::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    if (!document_) return;
    litehtml::position::vector redraw;
    if (document_->on_mouse_leave(redraw)) update();
    SetStatusText(QString());
}

QString BannerBrowser::LinkUnderPointer() const {
    for (auto element = document_->get_over_element(); element; element = element->parent()) {
        if (qstricmp(element->get_tagName(), "a") != 0) continue;
        if (const char* href = element->get_attr("href")) return QString::fromUtf8(href);
    }
    return QString();
}

void BannerBrowser::SetStatusText(const QString& text) {
    if (text == statusText_) return;
    statusText_ = text;
    emit StatusTextChange(text);
}

}  // namespace tambrel
