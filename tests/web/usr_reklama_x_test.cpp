#include "usr_reklama_x.h"
#include "op_url.h"
#include "recording_opener.h"
#include "web_parts.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <memory>
#include <optional>

using tambrel::usrReklamaX;
using tambrel::test::RecordingOpener;

namespace {

// Two links filling the left and the right of the strip; the right one asks
// for a window of its own.
const QString LinkPage = QStringLiteral(
    "<html><body style='margin:0'>"
    "<a id='same' href='http://link.example/same' style='position:absolute;left:0;top:0;width:300px;"
    "height:70px;display:block'>same</a>"
    "<a id='blank' href='https://link.example/blank' target='_blank' style='position:absolute;left:400px;"
    "top:0;width:300px;height:70px;display:block'>blank</a></body></html>");

// The answer may come after a timeout, so it lands in storage it shares.
QVariant RunScript(QWebEnginePage* page, const QString& script) {
    auto answer = std::make_shared<std::optional<QVariant>>();
    page->runJavaScript(script, [answer](const QVariant& value) { *answer = value; });
    if (!QTest::qWaitFor([answer] { return answer->has_value(); }, 5000)) qWarning("script gave no answer");
    return answer->value_or(QVariant());
}

}  // namespace

class UsrReklamaXTest : public QObject {
    Q_OBJECT

    QWebEngineView* Browser() const { return qobject_cast<QWebEngineView*>(panel_->webBrowser()); }

    // Puts the test's links into the panel: while no link has been pointed
    // at, the panel lets every navigation through.
    QWebEngineView* ShowLinkPage() {
        QWebEngineView* browser = Browser();
        QSignalSpy loaded(panel_, &usrReklamaX::bannerLoaded);
        browser->setHtml(LinkPage);
        if (!loaded.wait(10000)) qWarning("link page did not load");
        return browser;
    }

    QByteArray ReadPage() {
        QFile page(folder_.filePath(QStringLiteral("0.html")));
        return page.open(QIODevice::ReadOnly) ? page.readAll() : QByteArray();
    }

    QTemporaryDir folder_;
    std::unique_ptr<RecordingOpener> opener_;
    std::unique_ptr<QWidget> main_;
    QWidget* host_ = nullptr;
    QLineEdit* example_ = nullptr;
    usrReklamaX* panel_ = nullptr;

private slots:
    void init() {
        tambrel::SetProgramFolder(folder_.path());
        opener_ = std::make_unique<RecordingOpener>();
        main_ = std::make_unique<QWidget>();
        main_->resize(746, 299);
        host_ = new QWidget(main_.get());
        host_->setGeometry(0, 0, 737, 73);
        example_ = new QLineEdit(main_.get());
        example_->setGeometry(4, 100, 300, 28);
        panel_ = tambrel::FillBannerPanel(host_);
        QSignalSpy loaded(panel_, &usrReklamaX::bannerLoaded);
        QVERIFY(panel_->webBrowser() == nullptr);
        main_->show();
        example_->setFocus();
        QVERIFY(loaded.wait(20000));
        QCOMPARE(loaded.first().first().toBool(), true);
    }
    void cleanup() {
        main_.reset();
        opener_.reset();
        tambrel::SetProgramFolder(QString());
    }

    void bannerShownInsideThePanel() {
        QWebEngineView* browser = Browser();
        QVERIFY(browser != nullptr);
        QCOMPARE(browser->parentWidget(), panel_);
        QCOMPARE(panel_->geometry(), QRect(0, 0, 737, 73));
        QCOMPARE(browser->geometry(), QRect(0, 0, 737, 73));
        QCOMPARE(browser->url().scheme(), QStringLiteral("data"));
        QVERIFY(opener_->calls.isEmpty());
        // Loading the banner leaves the focus where the user was typing.
        QCOMPARE(QApplication::focusWidget(), example_);
        QWebEnginePage* page = browser->page();
        QCOMPARE(RunScript(page, QStringLiteral("document.body.innerText.trim()")).toString(),
                 QStringLiteral("Тамбрель"));
        QCOMPARE(RunScript(page, QStringLiteral("document.querySelector('font').getAttribute('face') + '/' + "
                                                "document.querySelector('font').getAttribute('size')"))
                     .toString(),
                 QStringLiteral("Times New Roman/6"));
        // Centred across the strip, and nothing to scroll to.
        const double centre =
            RunScript(page, QStringLiteral("(function(){var r=document.querySelector('font')"
                                           ".getBoundingClientRect();return r.left+r.width/2;})()"))
                .toDouble();
        QVERIFY2(qAbs(centre - 737 / 2.0) < 3, qPrintable(QString::number(centre)));
        QCOMPARE(RunScript(page, QStringLiteral("window.innerWidth - document.documentElement.clientWidth"))
                     .toInt(),
                 0);
        QVERIFY(panel_->lastLinkUrl().isEmpty());
    }

    void statusTexts_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("stored");
        QTest::newRow("web link") << QStringLiteral("http://a.example/") << true;
        QTest::newRow("secure web link") << QStringLiteral("https://a.example/") << true;
        QTest::newRow("upper case") << QStringLiteral("HTTP://A.EXAMPLE/") << false;
        QTest::newRow("other scheme") << QStringLiteral("ftp://a.example/") << false;
        QTest::newRow("too short") << QStringLiteral("htt") << false;
        QTest::newRow("pointer left the link") << QString() << false;
    }
    void statusTexts() {
        QFETCH(QString, text);
        QFETCH(bool, stored);
        QWebEnginePage* page = Browser()->page();
        emit page->linkHovered(QStringLiteral("http://first.example/"));
        emit page->linkHovered(text);
        QCOMPARE(panel_->lastLinkUrl(), stored ? text : QStringLiteral("http://first.example/"));
    }

    void followedLinkOpensOutside() {
        QWebEngineView* browser = ShowLinkPage();
        QWidget* surface = browser->focusProxy();
        QTest::mouseMove(surface, QPoint(150, 35));
        QTRY_COMPARE_WITH_TIMEOUT(panel_->lastLinkUrl(), QStringLiteral("http://link.example/same"), 5000);
        // The pointer leaving the link keeps the address.
        QTest::mouseMove(surface, QPoint(350, 35));
        QTest::qWait(200);
        QCOMPARE(panel_->lastLinkUrl(), QStringLiteral("http://link.example/same"));

        QTest::mouseMove(surface, QPoint(150, 35));
        QTest::mouseClick(surface, Qt::LeftButton, {}, QPoint(150, 35));
        QTRY_COMPARE_WITH_TIMEOUT(opener_->calls.size(), 1, 5000);
        QCOMPARE(opener_->calls[0].target, folder_.filePath(QStringLiteral("0.html")));
        QVERIFY(ReadPage().contains("url=http://link.example/same'"));
        QTest::qWait(300);
        QCOMPARE(opener_->calls.size(), 1);
        QCOMPARE(browser->url().scheme(), QStringLiteral("data"));
        QCOMPARE(
            RunScript(browser->page(), QStringLiteral("document.getElementById('same') !== null")).toBool(),
            true);
    }

    void newWindowRefusedAndLinkSentOut() {
        QWebEngineView* browser = ShowLinkPage();
        QWidget* surface = browser->focusProxy();
        QTest::mouseMove(surface, QPoint(550, 35));
        QTRY_COMPARE_WITH_TIMEOUT(panel_->lastLinkUrl(), QStringLiteral("https://link.example/blank"), 5000);
        QTest::mouseClick(surface, Qt::LeftButton, {}, QPoint(550, 35));
        QTRY_VERIFY_WITH_TIMEOUT(!opener_->calls.isEmpty(), 5000);
        QTest::qWait(300);
        QCOMPARE(opener_->calls.size(), 1);
        QVERIFY(ReadPage().contains("url=https://link.example/blank'"));
        QCOMPARE(QApplication::topLevelWidgets().size(), 1);
    }

    void newWindowRefusedBeforeAnyLink() {
        QWebEngineView* browser = Browser();
        RunScript(browser->page(), QStringLiteral("window.open('http://popup.example/'); 1"));
        QTest::qWait(500);
        QVERIFY(opener_->calls.isEmpty());
        QCOMPARE(QApplication::topLevelWidgets().size(), 1);
        QCOMPARE(browser->url().scheme(), QStringLiteral("data"));
    }

    void pageDialogsAreSilent() {
        QWebEnginePage* page = Browser()->page();
        const QVariant answer = RunScript(
            page, QStringLiteral(
                      "alert('a'); var c = confirm('b'); var p = prompt('c', 'd'); String(c) + '/' + p"));
        QCOMPARE(answer.toString(), QStringLiteral("false/null"));
        QCOMPARE(QApplication::topLevelWidgets().size(), 1);
        QVERIFY(QApplication::activeModalWidget() == nullptr);
    }

    void resizeWaitsWhileMinimised() {
        QWebEngineView* browser = Browser();
        main_->showMinimized();
        QVERIFY(main_->isMinimized());
        host_->resize(600, 50);
        QCOMPARE(panel_->size(), QSize(600, 50));
        QCOMPARE(browser->size(), QSize(737, 73));
        main_->showNormal();
        QVERIFY(!main_->isMinimized());
        QCOMPARE(browser->size(), QSize(737, 73));
        host_->resize(700, 60);
        QCOMPARE(browser->geometry(), QRect(0, 0, 700, 60));
    }
};

QTEST_MAIN(UsrReklamaXTest)
#include "usr_reklama_x_test.moc"
