#include "usr_reklama_x.h"

#include "save_file_url.h"

#include <QLoggingCategory>
#include <QTimer>
#include <QWebEngineCertificateError>
#include <QWebEngineFileSystemAccessRequest>
#include <QWebEngineFullScreenRequest>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineRegisterProtocolHandlerRequest>
#include <QWebEngineSettings>
#include <QWebEngineView>

#include <unistd.h>

namespace tambrel {

// Off unless asked for (QT_LOGGING_RULES="tambrel.web.debug=true"): the
// start-up bench reads the moments the strip is drawn and the banner loaded.
Q_LOGGING_CATEGORY(lcBanner, "tambrel.web", QtWarningMsg)

namespace {

bool IsWebLink(const QString& text) { return text.startsWith(QStringLiteral("http"), Qt::CaseSensitive); }

}  // namespace

// The banner's page, silent: none of the page's dialogs, questions or
// script errors reach the user, and every navigation and new window is
// first put to the panel.
class BannerPage : public QWebEnginePage {
public:
    BannerPage(QWebEngineProfile* profile, QWebEngineView* view, usrReklamaX* panel)
        : QWebEnginePage(profile, view), panel_(panel) {
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
    }

protected:
    bool acceptNavigationRequest(const QUrl& /*url*/, NavigationType /*type*/,
                                 bool /*isMainFrame*/) override {
        return panel_->BeforeNavigate2();
    }
    QWebEnginePage* createWindow(WebWindowType /*type*/) override {
        panel_->NewWindow2();
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
    usrReklamaX* panel_;
};

usrReklamaX::usrReklamaX(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("usrReklamaX"));
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(224, 224, 224));
    setPalette(palette);
}

usrReklamaX::~usrReklamaX() {
    // The page must go before the profile it was made with.
    delete WebBrowser1;
    delete profile_;
}

void usrReklamaX::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    if (!browserScheduled_) {
        // Made after this paint has reached the screen, not during it.
        browserScheduled_ = true;
        qCDebug(lcBanner) << "banner panel drawn";
        QTimer::singleShot(0, this, &usrReklamaX::CreateBrowser);
    }
}

void usrReklamaX::CreateBrowser() {
    // The browser's sandbox refuses to run as root; only then is it turned off.
    if (::geteuid() == 0) qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");

    // Off the record: the banner keeps no cache, cookies or history on disk.
    profile_ = new QWebEngineProfile();
    WebBrowser1 = new QWebEngineView(this);
    WebBrowser1->setObjectName(QStringLiteral("WebBrowser1"));
    WebBrowser1->setContextMenuPolicy(Qt::NoContextMenu);
    auto* page = new BannerPage(profile_, WebBrowser1, this);
    QWebEngineSettings* settings = page->settings();
    settings->setAttribute(QWebEngineSettings::ShowScrollBars, false);
    settings->setAttribute(QWebEngineSettings::FocusOnNavigationEnabled, false);
    settings->setAttribute(QWebEngineSettings::ErrorPageEnabled, false);
    WebBrowser1->setPage(page);
    connect(page, &QWebEnginePage::linkHovered, this, &usrReklamaX::StatusTextChange);
    connect(page, &QWebEnginePage::loadFinished, this, &usrReklamaX::bannerLoaded);
    connect(page, &QWebEnginePage::loadFinished, this,
            [](bool ok) { qCDebug(lcBanner) << "banner loaded" << ok; });

    FitBrowser();
    WebBrowser1->show();
    Navigate(BannerAddress);
    qCDebug(lcBanner) << "browser created";
    emit browserCreated();
}

void usrReklamaX::Navigate(const QString& address) {
    // "about:" followed by markup is the page itself.
    const QString about = QStringLiteral("about:");
    if (address.startsWith(about) && address.size() > about.size()) {
        WebBrowser1->setHtml(address.mid(about.size()));
    } else {
        WebBrowser1->load(QUrl(address));
    }
}

void usrReklamaX::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    FitBrowser();
}

void usrReklamaX::FitBrowser() {
    if (WebBrowser1 == nullptr || window()->isMinimized()) return;
    WebBrowser1->setGeometry(contentsRect());
}

void usrReklamaX::StatusTextChange(const QString& text) {
    if (IsWebLink(text)) LastLinkUrl = text;
}

bool usrReklamaX::BeforeNavigate2() {
    if (!IsWebLink(LastLinkUrl)) return true;
    SendOut();
    return false;
}

void usrReklamaX::NewWindow2() {
    if (IsWebLink(LastLinkUrl)) SendOut();
}

void usrReklamaX::SendOut() {
    // The browser asks from inside its own callback; the redirect page is
    // written once that call has returned, with the address as it was.
    QTimer::singleShot(0, this, [address = LastLinkUrl] { SaveFileUrl(address); });
}

}  // namespace tambrel
