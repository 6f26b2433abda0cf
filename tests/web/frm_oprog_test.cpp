#include "frm_oprog.h"
#include "help.h"
#include "qt_fixture.h"
#include "web_parts.h"

#include <QLabel>
#include <QPushButton>
#include <QWindow>

using tambrel::frmOprog;

namespace {

// Opens the About window with "О программе" and hands it to `drive`, which
// must close it: a window left open fails the test instead of hanging it.
void WithAbout(const std::function<void(frmOprog&)>& drive) {
    QAction about;
    tambrel::ConnectHelpMenu(nullptr, &about);
    bool driven = false;
    tambrel::UseSeams seams;
    seams.aboutShown([&](frmOprog& window) {
        driven = true;
        drive(window);
        if (window.isVisible()) {
            QTest::qFail("the About window stayed open", __FILE__, __LINE__);
            window.done(0);
        }
    });
    about.trigger();
    QVERIFY(driven);
}

QPushButton* Ok(const frmOprog& window) { return window.findChild<QPushButton*>("OK"); }

}  // namespace

class FrmOprogTest : public QObject {
    Q_OBJECT

private slots:
    // All ten controls inside the window, every text within its control at
    // the control's font, both pictures there.
    void controlsFitTheWindow() {
        frmOprog window;
        const QList<QWidget*> controls = window.findChildren<QWidget*>();
        QCOMPARE(controls.size(), 10);
        for (const QWidget* control : controls) {
            const QByteArray name = control->objectName().toUtf8();
            QVERIFY2(window.rect().contains(control->geometry()), name.constData());
            const auto* label = qobject_cast<const QLabel*>(control);
            const auto* button = qobject_cast<const QPushButton*>(control);
            const QString text = label ? label->text() : button ? button->text() : QString();
            if (!text.isEmpty())
                QVERIFY2(control->fontMetrics().horizontalAdvance(text) <= control->width(),
                         name.constData());
            if (label && text.isEmpty()) QVERIFY2(!label->pixmap().isNull(), name.constData());
        }
    }

    // Modal over a main window, which takes no click meanwhile; OK has the
    // focus and unloads the window, and the next opening makes a new one.
    void modalUntilOk_data() {
        QTest::addColumn<int>("key");  // 0: a mouse click on OK
        QTest::newRow("click") << 0;
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
        QTest::newRow("Esc") << int(Qt::Key_Escape);
        QTest::newRow("space") << int(Qt::Key_Space);
    }
    void modalUntilOk() {
        QFETCH(int, key);
        QPushButton main("=");  // a main window that counts its clicks
        main.resize(200, 100);
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        int presses = 0;
        connect(&main, &QPushButton::clicked, [&presses] { ++presses; });
        QPointer<frmOprog> shown;
        WithAbout([&](frmOprog& window) {
            shown = &window;
            QVERIFY(QTest::qWaitForWindowActive(&window));
            QCOMPARE(QApplication::focusWidget(), Ok(window));
            QVERIFY(window.parentWidget() == nullptr);
            QTest::mouseClick(main.windowHandle(), Qt::LeftButton, {}, QPoint(40, 25));
            QCOMPARE(presses, 0);
            if (key == 0) {
                QTest::mouseClick(Ok(window), Qt::LeftButton);
            } else {
                QTest::keyClick(Ok(window), Qt::Key(key));
            }
            QVERIFY(!window.isVisible());
        });
        QVERIFY(shown.isNull());
        QTest::mouseClick(main.windowHandle(), Qt::LeftButton, {}, QPoint(40, 25));
        QCOMPARE(presses, 1);
    }

    void sloganOpensTheSiteUnderTheHourglass() {
        tambrel::testing::FakeDesktop desktop;
        Qt::CursorShape windowDuring = Qt::ArrowCursor;
        Qt::CursorShape sloganDuring = Qt::ArrowCursor;
        WithAbout([&](frmOprog& window) {
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            auto* slogan = window.findChild<QLabel*>("Label1");
            QCOMPARE(slogan->cursor().shape(), Qt::PointingHandCursor);
            desktop.during = [&] {
                windowDuring = window.cursor().shape();
                sloganDuring = slogan->cursor().shape();
            };
            QTest::mouseClick(slogan, Qt::LeftButton);
            QCOMPARE(desktop.targets, QStringList{desktop.path("0.html")});
            QCOMPARE(window.cursor().shape(), Qt::ArrowCursor);
            QCOMPARE(slogan->cursor().shape(), Qt::PointingHandCursor);
            QVERIFY(window.isVisible());
            // A press that ends beside the slogan is no click.
            QTest::mousePress(slogan, Qt::LeftButton);
            QTest::mouseRelease(slogan, Qt::LeftButton, {}, QPoint(-5, -5));
            QCOMPARE(desktop.targets.size(), 1);
            Ok(window)->click();
        });
        QCOMPARE(windowDuring, Qt::WaitCursor);
        QCOMPARE(sloganDuring, Qt::WaitCursor);
        QVERIFY(desktop.read("0.html").contains("url=http://tambrel.example/site/'"));
    }
};

QTEST_MAIN(FrmOprogTest)
#include "frm_oprog_test.moc"
