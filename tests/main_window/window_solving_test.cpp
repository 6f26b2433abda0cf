// Solving through the window: "=" and Enter, results, messages, the box.
#include <QScrollBar>

#include "window_fixture.h"

using namespace tambrel;
using namespace tambrel::testing;

namespace {

QStringList Items(const QListWidget* list) {
    QStringList items;
    for (int i = 0; i < list->count(); ++i) items << list->item(i)->text();
    return items;
}

}  // namespace

class WindowSolvingTest : public QObject {
    Q_OBJECT

    std::unique_ptr<FrmForma> form;
    FakeBoxes boxes;

    void enter() { QTest::keyClick(form->Primer, Qt::Key_Return); }
    void equalsKey() { ClickKey(*form, SolveKey); }

private slots:
    void init() { form = OpenForm(boxes); }
    void cleanup() { CloseForm(form); }

    void solvesIntoListsAndAnswer() {
        TypeText(form->Primer, QStringLiteral("2+3*4"));
        enter();
        QCOMPARE(Items(form->DirC),
                 (QStringList{QStringLiteral(" 1) 3*4= 12"), QStringLiteral(" 2) 2+12= 14")}));
        QCOMPARE(Items(form->DirPr), (QStringList{QStringLiteral(" 1) 2+12"), QStringLiteral(" 2) 14")}));
        QCOMPARE(form->txtOtvet->text(), QStringLiteral("14"));
        QCOMPARE(form->Primer->text(), QStringLiteral("2+3*4"));  // Enter typed nothing
        QCOMPARE(ExampleState, Solved);
    }

    // "=" and Enter solve only a changed example that is not empty.
    void solvesOnlyWhenChanged_data() {
        QTest::addColumn<bool>("byEnter");
        QTest::newRow("Enter") << true;
        QTest::newRow("= key") << false;
    }
    void solvesOnlyWhenChanged() {
        QFETCH(bool, byEnter);
        const auto solve = [&] { byEnter ? enter() : equalsKey(); };
        form->txtOtvet->setText(QStringLiteral("прежний"));
        form->DirC->addItem(QStringLiteral("прежний"));
        solve();  // empty box
        QCOMPARE(form->txtOtvet->text(), QStringLiteral("прежний"));
        QCOMPARE(form->DirC->count(), 1);

        TypeText(form->Primer, QStringLiteral("2+2"));
        solve();
        QCOMPARE(form->txtOtvet->text(), QStringLiteral("4"));
        form->txtOtvet->setText(QStringLiteral("прежний"));
        solve();  // solved and not changed since
        QCOMPARE(form->txtOtvet->text(), QStringLiteral("прежний"));

        // A change that gives the same text back still counts.
        TypeChar(form->Primer, u'1');
        QTest::keyClick(form->Primer, Qt::Key_Backspace);
        QCOMPARE(form->Primer->text(), QStringLiteral("2+2"));
        solve();
        QCOMPARE(form->txtOtvet->text(), QStringLiteral("4"));
        QCOMPARE(ExampleState, Solved);
    }

    void checkFailureMovesCaretAndFocus() {
        TypeText(form->Primer, QStringLiteral("12+*3"));
        form->DirC->setFocus();
        equalsKey();
        QCOMPARE(form->txtOtvet->text(), QStringLiteral("Два действия подряд."));
        QCOMPARE(QApplication::focusWidget(), form->Primer);
        QCOMPARE(form->Primer->cursorPosition(), 3);
        QCOMPARE(ExampleState, Changed);
        QCOMPARE(form->txtOtvet->cursorPosition(), 0);  // read from its start
    }

    void bracketFailureKeepsPreviousLists() {
        TypeText(form->Primer, QStringLiteral("2+3*4"));
        enter();
        form->DirC->setToolTip(QStringLiteral(" 1) 3*4= 12"));
        form->Primer->setCursorPosition(0);
        TypeChar(form->Primer, u'(');  // (2+3*4: a closing bracket is missing
        enter();
        QCOMPARE(form->txtOtvet->text(), QStringLiteral("Не хватает скобки: '')''"));
        QCOMPARE(form->Primer->cursorPosition(), 6);
        QCOMPARE(form->DirC->count(), 2);
        QCOMPARE(form->DirPr->count(), 2);
        QCOMPARE(form->DirC->toolTip(), QStringLiteral(" 1) 3*4= 12"));
    }

    void replaceWithAnswerPutsAnswerIntoPrimer() {
        ReplaceWithAnswer = 1;
        TypeText(form->Primer, QStringLiteral("2*3"));
        enter();
        QCOMPARE(form->Primer->text(), QStringLiteral("6"));
        QCOMPARE(form->Primer->cursorPosition(), 1);
        QCOMPARE(form->Primer->toolTip(), QStringLiteral("6"));
        QCOMPARE(ExampleState, Solved);
    }

    void internalErrorGoesToTheBox() {
        // Typed, each "(" at the end would come with its ")".
        form->setPrimerText(u"((2))+1");
        enter();
        QCOMPARE(boxes.criticals, 1);
        QCOMPARE(boxes.criticalTitle, QStringLiteral("Тамбрель"));
        QCOMPARE(boxes.criticalText,
                 QStringLiteral("Возникла ошибка. Отправьте пример на support@tambrel.example"));
    }

    // Every item of both lists, however long and wherever it stands, can be
    // scrolled into view to its last character.
    void listsScrollToTheEndOfEveryItem() {
        for (const QString& example :
             {QStringLiteral("2+3*4+1234,5678*2"), QStringLiteral("1+2").repeated(40)}) {
            form->Primer->setWholeText(example);
            enter();
            QCoreApplication::processEvents();  // the lists lay their items out
            for (QListWidget* list : {form->DirC, form->DirPr}) {
                const int reach = list->horizontalScrollBar()->maximum() + list->viewport()->width();
                for (int row = 0; row < list->count(); ++row) {
                    const QString text = list->item(row)->text();
                    QVERIFY2(reach >= list->fontMetrics().horizontalAdvance(text), qPrintable(text));
                }
            }
        }
    }
};

QTEST_MAIN(WindowSolvingTest)
#include "window_solving_test.moc"
