#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace tambrel {

// What the banner's browser reports to its panel, one event at a time on
// the user-interface thread.
struct BannerEvents {
    std::function<void(const QString& text)> statusTextChange;
    // Before each navigation; false cancels it.
    std::function<bool()> beforeNavigate2;
    // The page asked for a new window; it never gets one.
    std::function<void()> newWindow2;
    std::function<void(bool ok)> loaded;
};

// The browser lives in a module of its own, loaded only when the banner is
// first drawn: linking the browser engine into the program would make its
// start-up set up graphics sharing before the window can appear.
inline constexpr const char* BannerModuleName = "tambrel_banner";
inline constexpr const char* BannerFactoryName = "tambrel_banner_browser";

// Makes a silent browser inside `parent`, wired to `events`, and sends it to
// `address` ("about:" followed by markup shows that markup).
using BannerFactory = QWidget* (*)(QWidget* parent, const BannerEvents* events, const QString* address);

}  // namespace tambrel
