#pragma once

#include <litehtml/litehtml.h>

#include <QString>

#include <functional>
#include <memory>
#include <vector>

class QPainter;
class QWidget;

namespace tambrel {

// What the HTML renderer asks of the banner's browser: fonts, text and
// boxes drawn with QPainter onto the browser's widget, the widget's size as
// the page's viewport, and the links clicked. No images, nothing fetched.
class BannerContainer final : public litehtml::document_container {
public:
    using AnchorClick = std::function<void(const QString& href, const QString& target)>;

    BannerContainer(QWidget* view, AnchorClick anchorClick);
    ~BannerContainer();
    BannerContainer(const BannerContainer&) = delete;
    BannerContainer& operator=(const BannerContainer&) = delete;

    litehtml::context* context() { return &context_; }
    // The painter of the paint under way: everything is drawn with it, and
    // clips apply to it.
    void setPainter(QPainter* painter);

    litehtml::uint_ptr create_font(const char* faceName, int size, int weight, litehtml::font_style italic,
                                   unsigned int decoration, litehtml::font_metrics* fm) override;
    void delete_font(litehtml::uint_ptr hFont) override;
    int text_width(const char* text, litehtml::uint_ptr hFont) override;
    void draw_text(litehtml::uint_ptr hdc, const char* text, litehtml::uint_ptr hFont,
                   litehtml::web_color color, const litehtml::position& pos) override;
    int pt_to_px(int pt) const override;
    int get_default_font_size() const override;
    const char* get_default_font_name() const override;
    void draw_list_marker(litehtml::uint_ptr hdc, const litehtml::list_marker& marker) override;
    void load_image(const char* src, const char* baseurl, bool redraw_on_ready) override;
    void get_image_size(const char* src, const char* baseurl, litehtml::size& sz) override;
    void draw_background(litehtml::uint_ptr hdc, const litehtml::background_paint& bg) override;
    void draw_borders(litehtml::uint_ptr hdc, const litehtml::borders& borders,
                      const litehtml::position& draw_pos, bool root) override;
    void set_caption(const char* caption) override;
    void set_base_url(const char* base_url) override;
    void link(const std::shared_ptr<litehtml::document>& doc, const litehtml::element::ptr& el) override;
    void on_anchor_click(const char* url, const litehtml::element::ptr& el) override;
    void set_cursor(const char* cursor) override;
    void transform_text(litehtml::tstring& text, litehtml::text_transform tt) override;
    void import_css(litehtml::tstring& text, const litehtml::tstring& url,
                    litehtml::tstring& baseurl) override;
    void set_clip(const litehtml::position& pos, const litehtml::border_radiuses& bdr_radius, bool valid_x,
                  bool valid_y) override;
    void del_clip() override;
    void get_client_rect(litehtml::position& client) const override;
    std::shared_ptr<litehtml::element> create_element(
        const char* tag_name, const litehtml::string_map& attributes,
        const std::shared_ptr<litehtml::document>& doc) override;
    void get_media_features(litehtml::media_features& media) const override;
    void get_language(litehtml::tstring& language, litehtml::tstring& culture) const override;

private:
    struct Font;
    void ApplyClip();

    QWidget* view_;
    AnchorClick anchorClick_;
    litehtml::context context_;
    QPainter* painter_ = nullptr;
    std::vector<std::unique_ptr<Font>> fonts_;
    std::vector<litehtml::position> clips_;
};

}  // namespace tambrel
