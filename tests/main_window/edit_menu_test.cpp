// The Edit menu and the edit history, driven by menu clicks and shortcuts.
#include <QAction>
#include <QClipboard>
#include <QMimeData>
#include <QSignalSpy>
#include <limits>

#include "window_fixture.h"

using namespace tambrel;
using namespace tambrel::testing;

namespace {

void CheckState(FrmForma& form, const QString& text, int caret) {
    QCOMPARE(form.Primer->text(), text);
    QCOMPARE(form.Primer->cursorPosition(), caret);
    QCOMPARE(form.Primer->toolTip(), text);
    QCOMPARE(ExampleState, Changed);
}

void Press(QWidget* widget, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
    QTest::keyClick(widget, key, modifiers);
}

// What the menu offers when it drops down, in the order Undo, Redo, Copy,
// Paste, Delete.
QString Offered(FrmForma& form) {
    OpenMenu(form, form.Edit);
    QString offered;
    for (const QAction* item : {form.EditUndo, form.EditRedo, form.EditCopy, form.EditPaste, form.EditDelete})
        offered += item->isEnabled() ? u'+' : u'-';
    form.Edit->hide();
    return offered;
}

}  // namespace

class EditMenuTest : public QObject {
    Q_OBJECT

    std::unique_ptr<FrmForma> form;
    FakeBoxes boxes;

private slots:
    void init() {
        QApplication::clipboard()->clear();
        form = OpenForm(boxes);
    }
    void cleanup() { CloseForm(form); }

    void undoAndRedoWalkTheTypedExample() {
        TypeText(form->Primer, QStringLiteral("123"));
        QCOMPARE(Offered(*form), QStringLiteral("+----"));
        for (const QString& text : {QStringLiteral("12"), QStringLiteral("1"), QString()}) {
            ClickMenuItem(*form, form->EditUndo);
            CheckState(*form, text, static_cast<int>(text.size()));
        }
        QCOMPARE(Offered(*form), QStringLiteral("-+---"));
        for (const QString& text : {QStringLiteral("1"), QStringLiteral("12"), QStringLiteral("123")}) {
            Press(form->Primer, Qt::Key_X);  // Redo sits on Ctrl+X
            CheckState(*form, text, static_cast<int>(text.size()));
        }
        QCOMPARE(Offered(*form), QStringLiteral("+----"));
    }

    // Outside their range Undo and Redo do nothing, whatever the menu
    // showed when it was last open; their keys then type nothing either.
    void undoAndRedoStayInTheHistory() {
        TypeText(form->Primer, QStringLiteral("7"));
        OpenMenu(*form, form->Edit);
        form->Edit->hide();
        for (int i = 0; i < 3; ++i) Press(form->Primer, Qt::Key_Z);
        CheckState(*form, QString(), 0);
        form->EditUndo->setEnabled(true);
        form->EditUndo->trigger();
        QCOMPARE(form->editHistory().position(), 0);
        for (int i = 0; i < 3; ++i) Press(form->Primer, Qt::Key_X);
        CheckState(*form, QStringLiteral("7"), 1);
        form->EditRedo->setEnabled(true);
        form->EditRedo->trigger();
        QCOMPARE(form->editHistory().position(), 1);
    }

    void typingGivesUpRedo() {
        TypeText(form->Primer, QStringLiteral("12"));
        Press(form->Primer, Qt::Key_Z);
        TypeText(form->Primer, QStringLiteral("5"));
        QCOMPARE(Offered(*form), QStringLiteral("+----"));
        Press(form->Primer, Qt::Key_X);
        CheckState(*form, QStringLiteral("15"), 2);
    }

    // 101 states at most: the 101st change pushes the empty start out.
    void historyKeepsAHundredSteps_data() {
        QTest::addColumn<int>("changes");
        QTest::addColumn<QString>("oldest");
        QTest::newRow("100 changes") << 100 << "";
        QTest::newRow("101 changes") << 101 << "1";
        QTest::newRow("150 changes") << 150 << QString(50, u'1');
    }
    void historyKeepsAHundredSteps() {
        QFETCH(int, changes);
        QFETCH(QString, oldest);
        TypeText(form->Primer, QString(changes, u'1'));
        QCOMPARE(form->editHistory().top(), 100);
        for (int i = 0; i < 100; ++i) Press(form->Primer, Qt::Key_Z);
        CheckState(*form, oldest, static_cast<int>(oldest.size()));
        QCOMPARE(Offered(*form), QStringLiteral("-+---"));
        for (int i = 0; i < 100; ++i) Press(form->Primer, Qt::Key_X);
        CheckState(*form, QString(changes, u'1'), changes);
    }

    // A change that set the whole text was recorded with the caret at 0.
    void wholeTextChangesComeBackWithCaretAtZero() {
        TypeText(form->Primer, QStringLiteral("12"));
        ClickKey(*form, 5);
        CheckState(*form, QStringLiteral("125"), 3);
        TypeText(form->Primer, QStringLiteral("k"));
        TypeText(form->Primer, QStringLiteral("9"));
        CheckState(*form, QStringLiteral("125K(9)"), 6);
        Press(form->Primer, Qt::Key_Z);
        CheckState(*form, QStringLiteral("125K()"), 0);
        Press(form->Primer, Qt::Key_Z);
        CheckState(*form, QStringLiteral("125"), 0);
        Press(form->Primer, Qt::Key_Z);
        CheckState(*form, QStringLiteral("12"), 2);
        Press(form->Primer, Qt::Key_X);
        CheckState(*form, QStringLiteral("125"), 0);
    }

    void bracketsRoundTheExample_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("caret");
        QTest::addColumn<bool>("fromMenu");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("caretAfter");
        QTest::newRow("2+3, caret at 2, Ctrl+S") << "2+3" << 2 << false << "(2+3)" << 3;
        QTest::newRow("2+3, caret at the end, menu") << "2+3" << 3 << true << "(2+3)" << 4;
        QTest::newRow("empty box") << "" << 0 << true << "()" << 1;
    }
    void bracketsRoundTheExample() {
        QFETCH(QString, text);
        QFETCH(int, caret);
        QFETCH(bool, fromMenu);
        QFETCH(QString, expected);
        QFETCH(int, caretAfter);
        TypeText(form->Primer, text);
        form->Primer->setCursorPosition(caret);
        const int before = form->editHistory().position();
        if (fromMenu) {
            ClickMenuItem(*form, form->EditSkopki);
        } else {
            Press(form->Primer, Qt::Key_S);
        }
        CheckState(*form, expected, caretAfter);
        QCOMPARE(form->editHistory().position(), before + 1);
        Press(form->Primer, Qt::Key_Z);
        QCOMPARE(form->Primer->text(), text);
    }

    void pasteKeepsWhatMayStandInAnExample_data() {
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("caret");
        // The box holds 1+2 with the caret after 1 and + selected.
        QTest::newRow("spaces, point, k") << "12 + k3.5"
                                          << "112+K352" << 7;
        QTest::newRow("Cyrillic Ka, both cases") << "Кк"
                                                 << "1KK2" << 3;
        QTest::newRow("Cyrillic El, =, letters") << "Эл=x"
                                                 << "12" << 1;
        QTest::newRow("NUL, tab, line breaks") << QString::fromUtf16(u"3\0\t4\r\n5", 7) << "13452" << 4;
    }
    void pasteKeepsWhatMayStandInAnExample() {
        QFETCH(QString, clipboard);
        QFETCH(QString, expected);
        QFETCH(int, caret);
        TypeText(form->Primer, QStringLiteral("1+2"));
        form->Primer->setSelection(1, 1);
        QApplication::clipboard()->setText(clipboard);
        const int before = form->editHistory().position();
        Press(form->Primer, Qt::Key_V);
        CheckState(*form, expected, caret);
        QCOMPARE(form->editHistory().position(), before + 1);
    }

    void pasteThroughTheMenu() {
        QApplication::clipboard()->setText(QStringLiteral("4*5"));
        QCOMPARE(Offered(*form), QStringLiteral("---+-"));
        ClickMenuItem(*form, form->EditPaste);
        CheckState(*form, QStringLiteral("4*5"), 3);
    }

    // A clipboard without text offers nothing to paste; reached through an
    // outdated menu state, Paste replaces the selection with nothing.
    void clipboardWithoutText() {
        TypeText(form->Primer, QStringLiteral("123"));
        form->Primer->setSelection(1, 1);
        auto* html = new QMimeData;
        html->setHtml(QStringLiteral("<b>9</b>"));
        html->setText(QString());
        html->removeFormat(QStringLiteral("text/plain"));
        QApplication::clipboard()->setMimeData(html);
        QCOMPARE(Offered(*form), QStringLiteral("+-+-+"));
        Press(form->Primer, Qt::Key_V);
        QCOMPARE(form->Primer->text(), QStringLiteral("123"));
        form->EditPaste->setEnabled(true);
        form->EditPaste->trigger();
        CheckState(*form, QStringLiteral("13"), 1);
    }

    void copyPutsTheSelectionOnTheClipboard() {
        TypeText(form->Primer, QStringLiteral("2+3"));
        QApplication::clipboard()->setText(QStringLiteral("old"));
        Press(form->Primer, Qt::Key_C);  // nothing selected: nothing to copy
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("old"));
        form->Primer->setSelection(0, 2);
        Press(form->Primer, Qt::Key_C);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("2+"));
        form->Primer->setSelection(1, 2);
        ClickMenuItem(*form, form->EditCopy);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("+3"));
        QCOMPARE(form->Primer->text(), QStringLiteral("2+3"));
    }

    void deleteEmptiesTheSelectionOfTheFocusedBox() {
        TypeText(form->Primer, QStringLiteral("12+34"));
        form->Primer->setSelection(2, 3);
        Press(form->Primer, Qt::Key_Delete, Qt::NoModifier);
        CheckState(*form, QStringLiteral("12"), 2);
        Press(form->Primer, Qt::Key_Z);
        QCOMPARE(form->Primer->text(), QStringLiteral("12+34"));

        // In the answer box, while the example has a selection.
        form->txtOtvet->setText(QStringLiteral("Ответ 5"));
        form->Primer->setSelection(0, 2);
        form->txtOtvet->setFocus();
        form->txtOtvet->setSelection(0, 6);
        ClickMenuItem(*form, form->EditDelete);
        QCOMPARE(form->txtOtvet->text(), QStringLiteral("5"));
        QCOMPARE(form->Primer->text(), QStringLiteral("12+34"));

        // A result list is no text box: nothing happens.
        form->DirC->setFocus();
        ClickMenuItem(*form, form->EditDelete);
        QCOMPARE(form->Primer->text(), QStringLiteral("12+34"));
        QCOMPARE(form->Primer->selectedText(), QStringLiteral("12"));
    }

    void selectAllLeavesTheFocusWhereItIs() {
        TypeText(form->Primer, QStringLiteral("2+3"));
        form->DirPr->setFocus();
        Press(form->DirPr, Qt::Key_A);
        QCOMPARE(form->Primer->selectedText(), QStringLiteral("2+3"));
        QCOMPARE(form->Primer->selectionStart(), 0);
        QCOMPARE(QApplication::focusWidget(), form->DirPr);
        form->Primer->setFocus();
        form->Primer->setCursorPosition(1);
        ClickMenuItem(*form, form->EditAll);
        QCOMPARE(form->Primer->selectedText(), QStringLiteral("2+3"));
        QCOMPARE(ExampleState, Changed);
    }

    void switchShowsItsValue_data() {
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("after");
        QTest::newRow("off") << 0 << 1;
        QTest::newRow("on") << 1 << 0;
        QTest::newRow("hand-edited 5") << 5 << -4;
        QTest::newRow("hand-edited -7") << -7 << 8;
        QTest::newRow("smallest 32-bit")
            << std::numeric_limits<int>::min() << std::numeric_limits<int>::max();
    }
    void switchShowsItsValue() {
        QFETCH(int, value);
        QFETCH(int, after);
        ReplaceWithAnswer = value;
        ClickMenuItem(*form, form->EditPrimerOtvet);
        QCOMPARE(ReplaceWithAnswer, after);
        QCOMPARE(form->EditPrimerOtvet->isChecked(), after != 0);
    }

    void switchOnReplacesTheExample() {
        ReplaceWithAnswer = 0;
        form->EditPrimerOtvet->setChecked(false);
        ClickMenuItem(*form, form->EditPrimerOtvet);
        QVERIFY(form->EditPrimerOtvet->isChecked());
        TypeText(form->Primer, QStringLiteral("2*3"));
        const int before = form->editHistory().position();
        TypeText(form->Primer, QStringLiteral("\r"));
        QCOMPARE(form->Primer->text(), QStringLiteral("6"));
        QCOMPARE(form->Primer->cursorPosition(), 1);
        QCOMPARE(form->Primer->toolTip(), QStringLiteral("6"));
        QCOMPARE(ExampleState, Solved);
        QCOMPARE(form->editHistory().position(), before + 1);
        Press(form->Primer, Qt::Key_Z);
        CheckState(*form, QStringLiteral("2*3"), 3);
    }
};

QTEST_MAIN(EditMenuTest)
#include "edit_menu_test.moc"
