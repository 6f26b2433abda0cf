// The result lists as the user meets them: tooltips that follow the
// selection, and remainders taken back into the example.
#include <QListWidget>

#include "result_lists.h"
#include "window_fixture.h"

using namespace tambrel;
using namespace tambrel::testing;

namespace {

void Solve(FrmForma& form, const QString& example) {
    form.Primer->setFocus();
    form.Primer->setWholeText(example);
    TypeChar(form.Primer, u'\r');
}

QPoint ItemCentre(QListWidget* list, int row) { return list->visualItemRect(list->item(row)).center(); }

void ClickItem(QListWidget* list, int row) {
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, ItemCentre(list, row));
}

void DoubleClickItem(QListWidget* list, int row) {
    ClickItem(list, row);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, ItemCentre(list, row));
}

}  // namespace

class ResultListsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<FrmForma> form;
    FakeBoxes boxes;

private slots:
    void init() {
        form = OpenForm(boxes);
        ConnectResultLists(form.get());
    }
    void cleanup() { CloseForm(form); }

    // Each list's tooltip is its own selected item, step label and all.
    void tooltipFollowsTheSelection() {
        Solve(*form, QStringLiteral("12-4*2"));
        QCOMPARE(form->DirPr->toolTip(), QString());
        ClickItem(form->DirPr, 0);
        QCOMPARE(form->DirPr->toolTip(), QStringLiteral(" 1) 12-8"));
        QCOMPARE(form->DirC->toolTip(), QString());
        QTest::keyClick(form->DirPr, Qt::Key_Down);
        QCOMPARE(form->DirPr->toolTip(), QStringLiteral(" 2) 4"));
        QTest::keyClick(form->DirPr, Qt::Key_Up);
        QCOMPARE(form->DirPr->toolTip(), QStringLiteral(" 1) 12-8"));

        ClickItem(form->DirC, 1);
        QCOMPARE(form->DirC->toolTip(), form->DirC->item(1)->text());
        QCOMPARE(form->DirPr->toolTip(), QStringLiteral(" 1) 12-8"));
        QTest::keyClick(form->DirC, Qt::Key_Home);
        QCOMPARE(form->DirC->toolTip(), form->DirC->item(0)->text());
    }

    // A long item shows whole in its tooltip.
    void longItemTooltip() {
        QString example = QStringLiteral("1");
        for (int i = 0; i < 300; ++i) example += QStringLiteral("+1");
        Solve(*form, example);
        ClickItem(form->DirPr, 0);
        QCOMPARE(form->DirPr->toolTip(), form->DirPr->item(0)->text());
        QVERIFY(form->DirPr->toolTip().size() > 590);
    }

    // A solving that passes the bracket checks empties both lists and their
    // tooltips; one that fails them leaves both as they were.
    void solvingClearsTheListsOnlyPastTheBracketChecks() {
        Solve(*form, QStringLiteral("12-4*2"));
        ClickItem(form->DirPr, 0);
        ClickItem(form->DirC, 0);
        Solve(*form, QStringLiteral("(1+2"));
        QCOMPARE(form->DirPr->count(), 2);
        QCOMPARE(form->DirPr->toolTip(), QStringLiteral(" 1) 12-8"));
        QCOMPARE(form->DirC->toolTip(), form->DirC->item(0)->text());
        Solve(*form, QStringLiteral("2+3"));
        QCOMPARE(form->DirPr->count(), 1);
        QCOMPARE(form->DirPr->toolTip(), QString());
        QCOMPARE(form->DirC->toolTip(), QString());
        QVERIFY(form->DirPr->selectedItems().isEmpty());
    }

    void takingARemainderBack_data() {
        QTest::addColumn<QString>("example");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("remainder");
        QTest::newRow("12-4*2, step 1") << "12-4*2" << 0 << "12-8";
        QTest::newRow("brackets in the remainder") << "(2+3)*(1*4)" << 0 << "(2+3)*4";
        QTest::newRow("step 12") << "1*1*1*1*1*1*1*1*1*1*1*1*7" << 11 << "7";
        QTest::newRow("root step keeps one blank") << "K(9)+1" << 0 << " 3+1";
        QTest::newRow("the last remainder") << "12-4*2" << 1 << "4";
    }
    // A double click takes the remainder back as an ordinary change of the
    // example: recorded, Changed, caret 0; the focus, the lists and the
    // answer stay; nothing is solved.
    void takingARemainderBack() {
        QFETCH(QString, example);
        QFETCH(int, row);
        QFETCH(QString, remainder);
        Solve(*form, example);
        const QString answer = form->txtOtvet->text();
        const int count = form->DirPr->count();
        const int recorded = form->editHistory().position();
        form->DirPr->setFocus();
        DoubleClickItem(form->DirPr, row);
        QCOMPARE(form->Primer->text(), remainder);
        QCOMPARE(form->Primer->cursorPosition(), 0);
        QCOMPARE(form->Primer->toolTip(), remainder);
        QCOMPARE(ExampleState, Changed);
        QCOMPARE(form->editHistory().position(), recorded + 1);
        QCOMPARE(QApplication::focusWidget(), form->DirPr);
        QCOMPARE(form->DirPr->count(), count);
        QCOMPARE(form->DirPr->currentRow(), row);
        QCOMPARE(form->txtOtvet->text(), answer);
    }

    void goingOnFromTheRemainder_data() {
        QTest::addColumn<QString>("example");
        QTest::addColumn<QString>("answer");
        QTest::newRow("12-4*2") << "12-4*2"
                                << "4";
        QTest::newRow("root step, blank in front") << "K(9)+1"
                                                   << "4";
    }
    // Once the focus is back in the example, Enter solves the remainder;
    // Undo brings back the example as it was before.
    void goingOnFromTheRemainder() {
        QFETCH(QString, example);
        QFETCH(QString, answer);
        Solve(*form, example);
        DoubleClickItem(form->DirPr, 0);
        form->Primer->setFocus();
        TypeChar(form->Primer, u'\r');
        QCOMPARE(form->txtOtvet->text(), answer);
        QCOMPARE(form->DirC->count(), 1);
        QCOMPARE(boxes.criticals, 0);
        QTest::keyClick(form->Primer, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(form->Primer->text(), example);
    }

    void enterReleasedInTheList_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<bool>("takes");
        QTest::newRow("Enter") << int(Qt::Key_Return) << int(Qt::NoModifier) << true;
        QTest::newRow("Shift+Enter") << int(Qt::Key_Return) << int(Qt::ShiftModifier) << true;
        QTest::newRow("Ctrl+Enter") << int(Qt::Key_Return) << int(Qt::ControlModifier) << true;
        QTest::newRow("Alt+Enter") << int(Qt::Key_Return) << int(Qt::AltModifier) << true;
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << true;
        QTest::newRow("Space") << int(Qt::Key_Space) << int(Qt::NoModifier) << false;
        QTest::newRow("Right") << int(Qt::Key_Right) << int(Qt::NoModifier) << false;
    }
    void enterReleasedInTheList() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(bool, takes);
        Solve(*form, QStringLiteral("12-4*2"));
        form->DirPr->setFocus();
        form->DirPr->setCurrentRow(0);
        QTest::keyClick(form->DirPr, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(form->Primer->text(), takes ? QStringLiteral("12-8") : QStringLiteral("12-4*2"));
        QCOMPARE(ExampleState, takes ? Changed : Solved);
    }

    // DirC has no behaviour of its own beyond its tooltip.
    void actionListTakesNothingBack() {
        Solve(*form, QStringLiteral("12-4*2"));
        form->DirC->setFocus();
        form->DirC->setCurrentRow(0);
        QTest::keyClick(form->DirC, Qt::Key_Return);
        DoubleClickItem(form->DirC, 0);
        QCOMPARE(form->Primer->text(), QStringLiteral("12-4*2"));
        QCOMPARE(ExampleState, Solved);
    }

    // With no item selected there is no remainder to take: the example stays.
    void nothingSelectedKeepsTheExample() {
        Solve(*form, QStringLiteral("12-4*2"));
        form->DirPr->clearSelection();
        form->DirPr->setFocus();
        QTest::keyClick(form->DirPr, Qt::Key_Return);
        QCOMPARE(form->Primer->text(), QStringLiteral("12-4*2"));
        form->DirPr->clear();
        QTest::keyClick(form->DirPr, Qt::Key_Return);
        QTest::mouseDClick(form->DirPr->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
        QCOMPARE(form->Primer->text(), QStringLiteral("12-4*2"));
        QCOMPARE(ExampleState, Solved);
    }
};

QTEST_MAIN(ResultListsTest)
#include "result_lists_test.moc"
