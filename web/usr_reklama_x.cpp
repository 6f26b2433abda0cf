#include "usr_reklama_x.h"

#include "banner_browser.h"
#include "save_file_url.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>
#include <QLoggingCategory>
#include <QTimer>

namespace tambrel {

// Off unless asked for (QT_LOGGING_RULES="tambrel.web.debug=true"): the
// start-up bench reads the moments the strip is drawn and the banner loaded.
Q_LOGGING_CATEGORY(lcBanner, "tambrel.web", QtWarningMsg)

namespace {

bool IsWebLink(const QString& text) { return text.startsWith(QStringLiteral("http"), Qt::CaseSensitive); }

QtMessageHandler& EarlierHandler() {
    static QtMessageHandler handler = nullptr;
    return handler;
}

// Loading the engine after the application has started makes it warn that it
// should have been set up first; the module does that set-up itself, so this
// one warning is dropped while the module loads, and nothing else.
void DropLateStartWarning(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtWarningMsg &&
        message.startsWith(QStringLiteral("Qt WebEngine seems to be initialized from a plugin"))) {
        return;
    }
    if (EarlierHandler() != nullptr) EarlierHandler()(type, context, message);
}

// The module lies beside the executable; a program run from the build tree
// finds it where the build put it.
BannerFactory LoadBannerFactory() {
    QStringList folders{QCoreApplication::applicationDirPath()};
#ifdef TAMBREL_BANNER_BUILD_DIR
    folders.append(QStringLiteral(TAMBREL_BANNER_BUILD_DIR));
#endif
    for (const QString& folder : folders) {
        QLibrary module(QDir(folder).filePath(QString::fromLatin1(BannerModuleName)));
        EarlierHandler() = qInstallMessageHandler(DropLateStartWarning);
        const bool loaded = module.load();
        qInstallMessageHandler(EarlierHandler());
        if (!loaded) continue;
        if (auto factory = reinterpret_cast<BannerFactory>(module.resolve(BannerFactoryName))) return factory;
    }
    return nullptr;
}

}  // namespace

usrReklamaX::usrReklamaX(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("usrReklamaX"));
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(224, 224, 224));
    setPalette(palette);
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
    // A browser that cannot be made leaves the panel as it is.
    const BannerFactory factory = LoadBannerFactory();
    if (factory == nullptr) return;
    BannerEvents events;
    events.statusTextChange = [this](const QString& text) { StatusTextChange(text); };
    events.beforeNavigate2 = [this] { return BeforeNavigate2(); };
    events.newWindow2 = [this] { NewWindow2(); };
    events.loaded = [this](bool ok) {
        qCDebug(lcBanner) << "banner loaded" << ok;
        emit bannerLoaded(ok);
    };
    WebBrowser1 = factory(this, &events, &BannerAddress);
    if (WebBrowser1 == nullptr) return;
    FitBrowser();
    WebBrowser1->show();
    qCDebug(lcBanner) << "browser created";
    emit browserCreated();
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
