#include "frm_oprog.h"
#include "help.h"
#include "op_url.h"
#include "recording_opener.h"
#include "web_parts.h"

#include <QAction>
#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

using tambrel::frmOprog;
using tambrel::test::RecordingOpener;

namespace {

// Shows the About window through the Help command and hands it to `drive`,
// which must close it; a window still open afterwards fails the test
// instead of hanging it.
void WithAbout(const std::function<void(frmOprog&)>& drive) {
    bool driven = false;
    tambrel::SetAboutShownHook([&](frmOprog& window) {
        driven = true;
        drive(window);
        if (window.isVisible()) {
            QTest::qFail("the About window stayed open", __FILE__, __LINE__);
            window.done(0);
        }
    });
    tambrel::HelpAbout();
    tambrel::SetAboutShownHook({});
    QVERIFY(driven);
}

}  // namespace

class FrmOprogTest : public QObject {
    Q_OBJECT

    QTemporaryDir folder_;

private slots:
    void init() { tambrel::SetProgramFolder(folder_.path()); }
    void cleanup() { tambrel::SetProgramFolder(QString()); }

    void layout_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("geometry");  // pixels: twips / 15
        QTest::addColumn<QString>("text");
        QTest::newRow("Image1") << "Image1" << QRect(16, 8, 71, 126) << QString();
        QTest::newRow("Label2(5)") << "Label2_5" << QRect(104, 56, 48, 20) << "Сайт:";
        QTest::newRow("Label1") << "Label1" << QRect(152, 56, 183, 20) << tambrel::SloganText;
        QTest::newRow("Label2(6)") << "Label2_6" << QRect(104, 80, 104, 20) << "Версия: v4.2";
        QTest::newRow("Label2(7)") << "Label2_7" << QRect(104, 104, 246, 20) << "Дата: 19 февраля 2002 год -";
        QTest::newRow("Label2(0)") << "Label2_0" << QRect(156, 128, 184, 20) << "22 сентября 2017 год";
        QTest::newRow("Line1") << "Line1" << QRect(8, 152, 336, 1) << QString();
        QTest::newRow("Line2") << "Line2" << QRect(8, 153, 336, 1) << QString();
        QTest::newRow("Picture1") << "Picture1" << QRect(8, 160, 80, 45) << QString();
        QTest::newRow("OK") << "OK" << QRect(256, 164, 89, 33) << "OK";
    }
    void layout() {
        QFETCH(QString, name);
        QFETCH(QRect, geometry);
        QFETCH(QString, text);
        frmOprog window;
        auto* control = window.findChild<QWidget*>(name);
        QVERIFY2(control != nullptr, qPrintable(name));
        QCOMPARE(control->geometry(), geometry);
        if (auto* label = qobject_cast<QLabel*>(control)) QCOMPARE(label->text(), text);
        if (auto* button = qobject_cast<QPushButton*>(control)) QCOMPARE(button->text(), text);
        // Every text fits its place at the window's font.
        if (!text.isEmpty()) QVERIFY(control->fontMetrics().horizontalAdvance(text) <= geometry.width());
    }

    void windowLooks() {
        frmOprog window;
        QCOMPARE(window.windowTitle(), QStringLiteral("О программе"));
        QCOMPARE(window.size(), QSize(356, 209));
        QCOMPARE(window.minimumSize(), window.maximumSize());
        QCOMPARE(window.palette().color(QPalette::Window), QColor(224, 224, 224));
        QVERIFY(window.font().bold());
        QCOMPARE(window.font().pointSize(), 12);
        const QImage shot = window.grab().toImage();
        QCOMPARE(shot.pixelColor(200, 190), QColor(224, 224, 224));

        auto* slogan = window.findChild<QLabel*>(QStringLiteral("Label1"));
        QVERIFY(slogan->font().bold() && slogan->font().underline());
        QCOMPARE(slogan->palette().color(QPalette::WindowText), QColor(0, 0, 192));
        QCOMPARE(slogan->cursor().shape(), Qt::PointingHandCursor);

        // The separator: dark over light.
        const QColor dark = shot.pixelColor(100, 152);
        const QColor light = shot.pixelColor(100, 153);
        QVERIFY(dark.lightness() < 100);
        QVERIFY(light.lightness() > 224);
        // The pictures are in place: the emblem's blue, the flag's red.
        QVERIFY(shot.pixelColor(26, 68).blue() > shot.pixelColor(26, 68).red() + 50);
        const QColor flagRed = shot.pixelColor(40, 160 + 33);
        QVERIFY(flagRed.red() > 100 && flagRed.red() > 2 * flagRed.green() &&
                flagRed.red() > 2 * flagRed.blue());
    }

    void okHasTheFocusAndCloses_data() {
        QTest::addColumn<int>("key");  // 0: a mouse click on OK
        QTest::newRow("click") << 0;
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
        QTest::newRow("Esc") << int(Qt::Key_Escape);
        QTest::newRow("space") << int(Qt::Key_Space);
    }
    void okHasTheFocusAndCloses() {
        QFETCH(int, key);
        QPointer<frmOprog> shown;
        WithAbout([&](frmOprog& window) {
            shown = &window;
            QVERIFY(QTest::qWaitForWindowActive(&window));
            auto* ok = window.findChild<QPushButton*>(QStringLiteral("OK"));
            QCOMPARE(QApplication::focusWidget(), ok);
            if (key == 0) {
                QTest::mouseClick(ok, Qt::LeftButton);
            } else {
                QTest::keyClick(ok, Qt::Key(key));
            }
            QVERIFY(!window.isVisible());
        });
        // Unloaded: the next About makes a new window.
        QVERIFY(shown.isNull());
    }

    void modalOverTheMainWindow() {
        QWidget main;
        auto* button = new QPushButton(QStringLiteral("="), &main);
        button->setGeometry(10, 10, 60, 30);
        main.resize(200, 100);
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        int presses = 0;
        connect(button, &QPushButton::clicked, [&presses] { ++presses; });

        WithAbout([&](frmOprog& window) {
            QVERIFY(window.isModal());
            QCOMPARE(window.windowModality(), Qt::ApplicationModal);
            QCOMPARE(QApplication::activeModalWidget(), &window);
            QVERIFY(window.parentWidget() == nullptr);
            // A click that reaches the main window's screen surface is blocked.
            QTest::mouseClick(main.windowHandle(), Qt::LeftButton, {}, QPoint(40, 25));
            QCOMPARE(presses, 0);
            window.findChild<QPushButton*>(QStringLiteral("OK"))->click();
        });
        QTest::mouseClick(main.windowHandle(), Qt::LeftButton, {}, QPoint(40, 25));
        QCOMPARE(presses, 1);
    }

    void sloganOpensTheSiteUnderTheHourglass() {
        RecordingOpener opener;
        Qt::CursorShape windowDuring = Qt::ArrowCursor;
        Qt::CursorShape sloganDuring = Qt::ArrowCursor;
        WithAbout([&](frmOprog& window) {
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            auto* slogan = window.findChild<QLabel*>(QStringLiteral("Label1"));
            opener.during = [&] {
                windowDuring = window.cursor().shape();
                sloganDuring = slogan->cursor().shape();
            };
            QTest::mouseClick(slogan, Qt::LeftButton);
            QCOMPARE(opener.calls.size(), 1);
            QCOMPARE(window.cursor().shape(), Qt::ArrowCursor);
            QCOMPARE(slogan->cursor().shape(), Qt::PointingHandCursor);
            QVERIFY(window.isVisible());
            // A press that ends beside the slogan is no click.
            QTest::mousePress(slogan, Qt::LeftButton);
            QTest::mouseRelease(slogan, Qt::LeftButton, {}, QPoint(-5, -5));
            QCOMPARE(opener.calls.size(), 1);
            QTest::keyClick(&window, Qt::Key_Escape);
        });
        QCOMPARE(windowDuring, Qt::WaitCursor);
        QCOMPARE(sloganDuring, Qt::WaitCursor);
        QCOMPARE(opener.calls[0].target, folder_.filePath(QStringLiteral("0.html")));
        QFile page(folder_.filePath(QStringLiteral("0.html")));
        QVERIFY(page.open(QIODevice::ReadOnly));
        QVERIFY(page.readAll().contains("url=http://tambrel.example/site/'"));
    }

    void helpMenuCommands() {
        RecordingOpener opener;
        QAction callHelp;
        QAction about;
        tambrel::ConnectHelpMenu(&callHelp, &about);
        callHelp.trigger();
        QCOMPARE(opener.calls.size(), 1);
        QVERIFY(opener.calls[0].target.endsWith(QStringLiteral("/Справка.html")));
        bool shown = false;
        tambrel::SetAboutShownHook([&shown](frmOprog& window) {
            shown = true;
            window.findChild<QPushButton*>(QStringLiteral("OK"))->click();
        });
        about.trigger();
        tambrel::SetAboutShownHook({});
        QVERIFY(shown);
    }
};

QTEST_MAIN(FrmOprogTest)
#include "frm_oprog_test.moc"
