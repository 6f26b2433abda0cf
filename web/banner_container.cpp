#include "banner_container.h"

#include <QFile>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <array>

// The defaults a browser brings along, kept as a style sheet of our own.
static QByteArray ReadMasterStylesheet() {
    Q_INIT_RESOURCE(banner);
    QFile file(QStringLiteral(":/banner/banner.css"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

namespace tambrel {

namespace {

// Pages are laid out in CSS pixels, 96 to the inch, as a browser does.
constexpr int CssDpi = 96;
constexpr int DefaultFontSize = 16;
// A browser's default face; fontconfig stands in a metric twin for it.
constexpr const char* DefaultFace = "Times New Roman";

// HTML's font sizes 1 to 7 in pixels at the default size.
constexpr std::array<int, 7> FontSizePx = {10, 13, 16, 18, 24, 32, 48};

// The renderer's own <font> stores the face under a property nothing reads
// and maps size 7 and relative sizes wrongly: this one gives the face and
// the size as the CSS a browser would derive from them.
class FontTag final : public litehtml::html_tag {
public:
    using html_tag::html_tag;

    void parse_attributes() override {
        if (const char* color = get_attr("color")) m_style.add_property("color", color, nullptr, false, this);
        if (const char* face = get_attr("face"))
            m_style.add_property("font-family", face, nullptr, false, this);
        if (const char* size = get_attr("size")) {
            if (const int px = SizeInPixels(QByteArray(size).trimmed()); px > 0)
                m_style.add_property("font-size", (std::to_string(px) + "px").c_str(), nullptr, false, this);
        }
        html_tag::parse_attributes();
    }

private:
    // "6" is size 6, "+1" and "-2" count from the default size 3.
    static int SizeInPixels(const QByteArray& text) {
        bool ok = false;
        const int number = text.toInt(&ok);
        if (!ok) return 0;
        const bool relative = text.startsWith('+') || text.startsWith('-');
        const int size = std::clamp(relative ? 3 + number : number, 1, 7);
        return FontSizePx[static_cast<std::size_t>(size - 1)];
    }
};

// A CSS font-family list: names, quoted or not, and generic families.
QStringList Families(const char* faceName) {
    QStringList families;
    for (QString name : QString::fromUtf8(faceName).split(u',')) {
        name = name.trimmed();
        if (name.size() >= 2 && (name.front() == u'"' || name.front() == u'\'') &&
            name.back() == name.front())
            name = name.mid(1, name.size() - 2);
        const QString generic = name.toLower();
        if (generic == QStringLiteral("serif"))
            name = QString::fromLatin1(DefaultFace);
        else if (generic == QStringLiteral("sans-serif"))
            name = QStringLiteral("Arial");
        else if (generic == QStringLiteral("monospace"))
            name = QStringLiteral("Courier New");
        if (!name.isEmpty()) families.append(name);
    }
    if (families.isEmpty()) families.append(QString::fromLatin1(DefaultFace));
    return families;
}

QColor Colour(const litehtml::web_color& c) { return QColor(c.red, c.green, c.blue, c.alpha); }

QRect Rect(const litehtml::position& p) { return QRect(p.x, p.y, p.width, p.height); }

// The renderer carries the fonts it was given as integers and hands them
// back so; this is the one way back to them.
template <typename T>
T* Handle(litehtml::uint_ptr handle) {
    return reinterpret_cast<T*>(handle);  // NOLINT(performance-no-int-to-ptr)
}

}  // namespace

struct BannerContainer::Font {
    QFont font;
    QFontMetrics metrics;
};

BannerContainer::BannerContainer(QWidget* view, AnchorClick anchorClick)
    : view_(view), anchorClick_(std::move(anchorClick)) {
    context_.load_master_stylesheet(ReadMasterStylesheet().constData());
}

BannerContainer::~BannerContainer() = default;

void BannerContainer::setPainter(QPainter* painter) {
    painter_ = painter;
    clips_.clear();
}

litehtml::uint_ptr BannerContainer::create_font(const char* faceName, int size, int weight,
                                                litehtml::font_style italic, unsigned int decoration,
                                                litehtml::font_metrics* fm) {
    QFont font;
    font.setFamilies(Families(faceName));
    font.setPixelSize(std::max(size, 1));
    font.setWeight(static_cast<QFont::Weight>(std::clamp(weight, 1, 1000)));
    font.setItalic(italic == litehtml::fontStyleItalic);
    font.setUnderline((decoration & litehtml::font_decoration_underline) != 0);
    font.setStrikeOut((decoration & litehtml::font_decoration_linethrough) != 0);
    font.setOverline((decoration & litehtml::font_decoration_overline) != 0);
    auto& stored = fonts_.emplace_back(std::make_unique<Font>(Font{font, QFontMetrics(font)}));
    if (fm != nullptr) {
        fm->ascent = stored->metrics.ascent();
        fm->descent = stored->metrics.descent();
        fm->height = stored->metrics.height();
        fm->x_height = stored->metrics.xHeight();
        // Lines drawn under or through text run on across the blanks.
        fm->draw_spaces = decoration != litehtml::font_decoration_none;
    }
    return reinterpret_cast<litehtml::uint_ptr>(stored.get());
}

void BannerContainer::delete_font(litehtml::uint_ptr hFont) {
    std::erase_if(fonts_, [hFont](const auto& font) {
        return reinterpret_cast<litehtml::uint_ptr>(font.get()) == hFont;
    });
}

int BannerContainer::text_width(const char* text, litehtml::uint_ptr hFont) {
    return Handle<Font>(hFont)->metrics.horizontalAdvance(QString::fromUtf8(text));
}

void BannerContainer::draw_text(litehtml::uint_ptr /*hdc*/, const char* text, litehtml::uint_ptr hFont,
                                litehtml::web_color color, const litehtml::position& pos) {
    const Font* font = Handle<Font>(hFont);
    painter_->setFont(font->font);
    painter_->setPen(Colour(color));
    painter_->drawText(QPoint(pos.x, pos.y + font->metrics.ascent()), QString::fromUtf8(text));
}

int BannerContainer::pt_to_px(int pt) const { return (pt * CssDpi + 36) / 72; }

int BannerContainer::get_default_font_size() const { return DefaultFontSize; }

const char* BannerContainer::get_default_font_name() const { return DefaultFace; }

void BannerContainer::draw_list_marker(litehtml::uint_ptr /*hdc*/, const litehtml::list_marker& /*marker*/) {}

void BannerContainer::load_image(const char* /*src*/, const char* /*baseurl*/, bool /*redraw_on_ready*/) {}

void BannerContainer::get_image_size(const char* /*src*/, const char* /*baseurl*/, litehtml::size& sz) {
    sz = litehtml::size();
}

void BannerContainer::draw_background(litehtml::uint_ptr /*hdc*/, const litehtml::background_paint& bg) {
    if (bg.color.alpha == 0) return;
    // The root's background is the whole page's.
    painter_->fillRect(bg.is_root ? view_->rect() : Rect(bg.clip_box), Colour(bg.color));
}

void BannerContainer::draw_borders(litehtml::uint_ptr /*hdc*/, const litehtml::borders& borders,
                                   const litehtml::position& draw_pos, bool /*root*/) {
    QPainter* painter = painter_;
    const QRect box = Rect(draw_pos);
    const auto side = [painter](const litehtml::border& border, const QRect& strip) {
        if (border.width > 0 && border.style > litehtml::border_style_hidden)
            painter->fillRect(strip, Colour(border.color));
    };
    side(borders.top, QRect(box.left(), box.top(), box.width(), borders.top.width));
    side(borders.bottom,
         QRect(box.left(), box.bottom() + 1 - borders.bottom.width, box.width(), borders.bottom.width));
    side(borders.left, QRect(box.left(), box.top(), borders.left.width, box.height()));
    side(borders.right,
         QRect(box.right() + 1 - borders.right.width, box.top(), borders.right.width, box.height()));
}

void BannerContainer::set_caption(const char* /*caption*/) {}

void BannerContainer::set_base_url(const char* /*base_url*/) {}

void BannerContainer::link(const std::shared_ptr<litehtml::document>& /*doc*/,
                           const litehtml::element::ptr& /*el*/) {}

void BannerContainer::on_anchor_click(const char* url, const litehtml::element::ptr& el) {
    const char* target = el ? el->get_attr("target") : nullptr;
    if (anchorClick_)
        anchorClick_(QString::fromUtf8(url), QString::fromUtf8(target != nullptr ? target : ""));
}

void BannerContainer::set_cursor(const char* cursor) {
    if (qstrcmp(cursor, "pointer") == 0)
        view_->setCursor(Qt::PointingHandCursor);
    else
        view_->unsetCursor();
}

void BannerContainer::transform_text(litehtml::tstring& text, litehtml::text_transform tt) {
    QString changed = QString::fromStdString(text);
    if (tt == litehtml::text_transform_uppercase)
        changed = changed.toUpper();
    else if (tt == litehtml::text_transform_lowercase)
        changed = changed.toLower();
    else if (tt == litehtml::text_transform_capitalize && !changed.isEmpty())
        changed[0] = changed[0].toUpper();
    text = changed.toStdString();
}

void BannerContainer::import_css(litehtml::tstring& /*text*/, const litehtml::tstring& /*url*/,
                                 litehtml::tstring& /*baseurl*/) {}

void BannerContainer::set_clip(const litehtml::position& pos, const litehtml::border_radiuses& /*bdr_radius*/,
                               bool valid_x, bool valid_y) {
    litehtml::position clip = pos;
    if (!valid_x) {
        clip.x = 0;
        clip.width = view_->width();
    }
    if (!valid_y) {
        clip.y = 0;
        clip.height = view_->height();
    }
    clips_.push_back(clip);
    ApplyClip();
}

void BannerContainer::del_clip() {
    if (!clips_.empty()) clips_.pop_back();
    ApplyClip();
}

void BannerContainer::ApplyClip() {
    if (painter_ == nullptr) return;
    if (clips_.empty()) {
        painter_->setClipping(false);
        return;
    }
    QRect clip = view_->rect();
    for (const litehtml::position& p : clips_) clip &= Rect(p);
    painter_->setClipRect(clip);
}

void BannerContainer::get_client_rect(litehtml::position& client) const {
    client = litehtml::position(0, 0, view_->width(), view_->height());
}

std::shared_ptr<litehtml::element> BannerContainer::create_element(
    const char* tag_name, const litehtml::string_map& /*attributes*/,
    const std::shared_ptr<litehtml::document>& doc) {
    if (qstricmp(tag_name, "font") == 0) return std::make_shared<FontTag>(doc);
    return nullptr;
}

void BannerContainer::get_media_features(litehtml::media_features& media) const {
    media.type = litehtml::media_type_screen;
    media.width = view_->width();
    media.height = view_->height();
    const QScreen* screen = view_->screen();
    const QSize device = screen != nullptr ? screen->size() : view_->size();
    media.device_width = device.width();
    media.device_height = device.height();
    media.color = 8;
    media.color_index = 0;
    media.monochrome = 0;
    media.resolution = CssDpi;
}

void BannerContainer::get_language(litehtml::tstring& language, litehtml::tstring& culture) const {
    language = "ru";
    culture = "ru-RU";
}

}  // namespace tambrel
