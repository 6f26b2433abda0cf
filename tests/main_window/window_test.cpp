// What scenario lines cannot say about the main window.
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QSignalSpy>

#include "qt_fixture.h"

using namespace tambrel;
using namespace tambrel::testing;

class WindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Program> program;
    QWidget* window = nullptr;

private slots:
    // A button face unlike the menu's colour, so that the two tell apart.
    void initTestCase() {
        QPalette palette = QApplication::palette();
        palette.setColor(QPalette::Button, QColor(10, 20, 30));
        QApplication::setPalette(palette);
    }
    void init() {
        program = std::make_unique<Program>();
        window = program->openWindow();
    }
    void cleanup() { program.reset(); }

    // Every control lies inside the client area, and every caption and key
    // label fits its control.
    void controlsFitTheWindow() {
        const QRect client = Find(window, "client")->rect();
        for (auto* control : Find(window, "client")->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            QVERIFY2(client.contains(control->geometry()), qPrintable(control->objectName()));
            if (auto* label = qobject_cast<QLabel*>(control)) {
                QVERIFY2(
                    label->fontMetrics().horizontalAdvance(label->text()) <= label->contentsRect().width(),
                    qPrintable(label->objectName()));
            }
        }
    }

    // The key that got the button-down gets the button-up, wherever the
    // pointer is then: green while held, then the button face.
    void keyKeepsTheMouse() {
        QWindow* handle = window->windowHandle();
        auto* five = Find<QLabel>(window, "Knopka5");
        auto* six = Find<QLabel>(window, "Knopka6");
        const QColor rest = six->palette().color(QPalette::Window);
        QTest::mousePress(handle, Qt::LeftButton, Qt::NoModifier, five->mapTo(window, five->rect().center()));
        QCOMPARE(five->palette().color(QPalette::Window), QColor(192, 255, 192));
        QCOMPARE(Find<QLineEdit>(window, "Primer")->text(), QString());
        QTest::mouseRelease(handle, Qt::LeftButton, Qt::NoModifier, six->mapTo(window, six->rect().center()));
        QCOMPARE(Find<QLineEdit>(window, "Primer")->text(), QStringLiteral("5"));
        QCOMPARE(five->palette().color(QPalette::Window), QColor(10, 20, 30));
        QCOMPARE(six->palette().color(QPalette::Window), rest);
    }

    // Every item of both lists, however long, scrolls into view to its end.
    void listsScrollToTheEndOfEveryItem() {
        for (const QString& example :
             {QStringLiteral("2+3*4+1234,5678*2"), QStringLiteral("1+2").repeated(40)}) {
            Find<QLineEdit>(window, "Primer")->setText(example);
            QTest::keyClick(Find(window, "Primer"), Qt::Key_Return);
            QCoreApplication::processEvents();
            for (auto* list : {Find<QListWidget>(window, "DirC"), Find<QListWidget>(window, "DirPr")}) {
                const int reach = list->horizontalScrollBar()->maximum() + list->viewport()->width();
                for (int row = 0; row < list->count(); ++row) {
                    const QString text = list->item(row)->text();
                    QVERIFY2(reach >= list->fontMetrics().horizontalAdvance(text), qPrintable(text));
                }
            }
        }
    }

    void helpKeyReachesItsItem() {
        QSignalSpy fired(Find<QAction>(window, "HelpCallHelp"), &QAction::triggered);
        QTest::keyClick(Find(window, "Primer"), Qt::Key_F1);
        QCOMPARE(fired.count(), 1);
    }
};

QTEST_MAIN(WindowTest)
#include "window_test.moc"
