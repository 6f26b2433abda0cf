// The banner's embedded browser, built as a module that the banner panel
// loads once it has been drawn.
#include "banner_browser.h"

#include <QGuiApplication>
#include <QLoggingCategory>
#include <QOpenGLContext>
#include <QQuickWindow>
#include <QSGRendererInterface>
#include <QWebEngineCertificateError>
#include <QWebEngineFileSystemAccessRequest>
#include <QWebEngineFullScreenRequest>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineRegisterProtocolHandlerRequest>
#include <QWebEngineSettings>
#include <QWebEngineView>

#include <unistd.h>

// Qt's own hook for the context that the browser engine shares its drawing
// with; an application normally has it made before it starts.
Q_GUI_EXPORT void qt_gl_set_global_share_context(QOpenGLContext* context);

namespace tambrel {

namespace {

// Silent: none of the page's dialogs, questions or script errors reach the
// user, and every navigation and new window is first put to the panel.
class BannerPage : public QWebEnginePage {
public:
    BannerPage(QWebEngineProfile* profile, const BannerEvents& events)
        : QWebEnginePage(profile), events_(events) {
        connect(this, &QWebEnginePage::certificateError,
                [](QWebEngineCertificateError error) { error.rejectCertificate(); });
        connect(this, &QWebEnginePage::featurePermissionRequested, this,
                [this](const QUrl& origin, Feature feature) {
                    setFeaturePermission(origin, feature, PermissionDeniedByUser);
                });
        connect(this, &QWebEnginePage::fullScreenRequested,
                [](QWebEngineFullScreenRequest request) { request.reject(); });
        connect(this, &QWebEnginePage::registerProtocolHandlerRequested,
                [](QWebEngineRegisterProtocolHandlerRequest request) { request.reject(); });
        connect(this, &QWebEnginePage::fileSystemAccessRequested,
                [](QWebEngineFileSystemAccessRequest request) { request.reject(); });
        if (events_.statusTextChange)
            connect(this, &QWebEnginePage::linkHovered, this, events_.statusTextChange);
        if (events_.loaded) connect(this, &QWebEnginePage::loadFinished, this, events_.loaded);
    }

protected:
    bool acceptNavigationRequest(const QUrl& /*url*/, NavigationType /*type*/,
                                 bool /*isMainFrame*/) override {
        return !events_.beforeNavigate2 || events_.beforeNavigate2();
    }
    QWebEnginePage* createWindow(WebWindowType /*type*/) override {
        if (events_.newWindow2) events_.newWindow2();
        return nullptr;
    }
    void javaScriptAlert(const QUrl& /*origin*/, const QString& /*msg*/) override {}
    bool javaScriptConfirm(const QUrl& /*origin*/, const QString& /*msg*/) override { return false; }
    bool javaScriptPrompt(const QUrl& /*origin*/, const QString& /*msg*/, const QString& /*defaultValue*/,
                          QString* /*result*/) override {
        return false;
    }
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel /*level*/, const QString& /*message*/,
                                  int /*line*/, const QString& /*source*/) override {}
    QStringList chooseFiles(FileSelectionMode /*mode*/, const QStringList& /*old*/,
                            const QStringList& /*accepted*/) override {
        return {};
    }

private:
    BannerEvents events_;
};

// The view owns its page and the page's profile, and lets them go in the
// order the engine needs: the page before the profile it was made with.
class BannerView : public QWebEngineView {
public:
    BannerView(QWidget* parent, const BannerEvents& events) : QWebEngineView(parent) {
        // Off the record: the banner keeps no cache, cookies or history on disk.
        profile_ = new QWebEngineProfile();
        page_ = new BannerPage(profile_, events);
        QWebEngineSettings* settings = page_->settings();
        settings->setAttribute(QWebEngineSettings::ShowScrollBars, false);
        settings->setAttribute(QWebEngineSettings::FocusOnNavigationEnabled, false);
        settings->setAttribute(QWebEngineSettings::ErrorPageEnabled, false);
        setPage(page_);
        setContextMenuPolicy(Qt::NoContextMenu);
    }
    ~BannerView() override {
        delete page_;
        delete profile_;
    }
    BannerView(const BannerView&) = delete;
    BannerView& operator=(const BannerView&) = delete;

    void Navigate(const QString& address) {
        const QString about = QStringLiteral("about:");
        if (address.startsWith(about) && address.size() > about.size()) {
            setHtml(address.mid(about.size()));
        } else {
            load(QUrl(address));
        }
    }

private:
    QWebEngineProfile* profile_ = nullptr;
    BannerPage* page_ = nullptr;
};

}  // namespace

}  // namespace tambrel

extern "C" Q_DECL_EXPORT QWidget* tambrel_banner_browser(QWidget* parent, const tambrel::BannerEvents* events,
                                                         const QString* address) {
    // The browser's sandbox refuses to run as root; only then is it turned off.
    if (::geteuid() == 0) qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    // The engine's report of how it started belongs to no user's terminal
    // (QT_LOGGING_RULES can still ask for it).
    QLoggingCategory::setFilterRules(QStringLiteral("qt.webenginecontext.info=false"));
    // The engine starts after the application, when there is no shared
    // graphics context for it to draw with: the banner is drawn in software,
    // which also spares the window a switch to accelerated drawing. The
    // engine still asks the shared context for its format, so it gets one
    // that is never made current.
    QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
    if (QOpenGLContext::globalShareContext() == nullptr) {
        auto* shared = new QOpenGLContext(qApp);
        shared->setFormat(QSurfaceFormat::defaultFormat());
        qt_gl_set_global_share_context(shared);
    }
    const tambrel::BannerEvents none;
    auto* view = new tambrel::BannerView(parent, events != nullptr ? *events : none);
    view->setObjectName(QStringLiteral("WebBrowser1"));
    if (address != nullptr) view->Navigate(*address);
    return view;
}
