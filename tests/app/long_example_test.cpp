// The longest example the engine takes, "10+1+1+…+1" of 10 000 characters,
// ending in keypad clicks and solved with "=" through the window.
#include <QClipboard>

#include "calculjator.h"
#include "window_fixture.h"

using namespace tambrel;
using namespace tambrel::testing;

class LongExampleTest : public QObject {
    Q_OBJECT

    FakeBoxes boxes;

private slots:
    void init() { SetMessageBoxes(&boxes); }
    void cleanup() { SetMessageBoxes(nullptr); }

    // Every key lays the whole example out again in the box, so 10 000 of
    // them would take half a minute: the first 9 800 characters come pasted
    // and the last 200 through the keys. A window of its own: the banner has
    // no part in this.
    void keypadExampleOfTheLongestLength() {
        const auto form = OpenForm();
        QApplication::clipboard()->setText(QStringLiteral("10") + QStringLiteral("+1").repeated(4899));
        QTest::keyClick(form->Primer, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(form->Primer->text().size(), 9800);
        while (form->Primer->text().size() < MaxExampleLength) {
            ClickKey(*form, 11);
            ClickKey(*form, 1);
        }
        QCOMPARE(form->Primer->text(), QStringLiteral("10") + QStringLiteral("+1").repeated(4999));
        ClickKey(*form, SolveKey);
        QCOMPARE(form->txtOtvet->text(), QStringLiteral("5009"));
        // One item a list for every action.
        QCOMPARE(form->DirC->count(), 4999);
        QCOMPARE(form->DirPr->count(), 4999);
        QCOMPARE(form->DirC->item(0)->text(), QStringLiteral(" 1) 10+1= 11"));
        QCOMPARE(form->DirC->item(4998)->text(), QStringLiteral(" 4999) 5008+1= 5009"));
        QCOMPARE(form->DirPr->item(4998)->text(), QStringLiteral(" 4999) 5009"));
        QCOMPARE(boxes.criticals, 0);
    }
};

QTEST_MAIN(LongExampleTest)
#include "long_example_test.moc"
