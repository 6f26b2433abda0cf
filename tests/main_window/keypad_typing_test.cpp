// The keypad and the typed keys of Primer, driven by mouse and key events.
#include <QAction>
#include <QClipboard>
#include <QSignalSpy>

#include "window_fixture.h"

using namespace tambrel;
using namespace tambrel::testing;

namespace {

// Puts the example into the box as the user left it: caret, or a selection
// from `start` over `length` characters made leftwards (caret at its start).
void Prepare(FrmForma& form, const QString& text, int start, int length) {
    form.Primer->setWholeText(text);
    if (length > 0) {
        form.Primer->setSelection(start + length, -length);
    } else {
        form.Primer->setCursorPosition(start);
    }
    ExampleState = Solved;
    form.Primer->setToolTip(QString());
}

void CheckBox(FrmForma& form, const QString& text, int caret, bool changed) {
    QCOMPARE(form.Primer->text(), text);
    QCOMPARE(form.Primer->cursorPosition(), caret);
    QVERIFY(!form.Primer->hasSelectedText() || !changed);
    QCOMPARE(ExampleState, changed ? Changed : Solved);
    QCOMPARE(form.Primer->toolTip(), changed ? text : QString());
    QCOMPARE(QApplication::focusWidget(), form.Primer);
}

}  // namespace

class KeypadTypingTest : public QObject {
    Q_OBJECT

    std::unique_ptr<FrmForma> form;
    FakeBoxes boxes;

private slots:
    void init() { form = OpenForm(boxes); }
    void cleanup() { CloseForm(form); }

    void keypadInserts_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("caret");
        QTest::newRow("digit into empty box") << "" << 0 << 0 << 5 << "5" << 1;
        QTest::newRow("root before 16, caret between brackets") << "16" << 0 << 0 << 17 << "K()16" << 2;
        QTest::newRow("selected digit stays") << "123" << 1 << 1 << 9 << "1923" << 2;
        QTest::newRow("opening bracket alone at the end") << "2*" << 2 << 0 << 18 << "2*(" << 3;
        QTest::newRow("comma mid-example") << "12" << 1 << 0 << 10 << "1,2" << 2;
        QTest::newRow("integer division") << "7" << 1 << 0 << 15 << "7\\" << 2;
        QTest::newRow("power") << "2" << 1 << 0 << 16 << "2^" << 2;
        QTest::newRow("closing bracket") << "(1" << 2 << 0 << 19 << "(1)" << 3;
    }
    void keypadInserts() {
        QFETCH(QString, text);
        QFETCH(int, start);
        QFETCH(int, length);
        QFETCH(int, key);
        Prepare(*form, text, start, length);
        ClickKey(*form, key);
        QFETCH(QString, expected);
        QFETCH(int, caret);
        CheckBox(*form, expected, caret, true);
    }

    void keyColoursAndCapture() {
        const QColor menu = QApplication::palette("QMenu").color(QPalette::Window);
        const QColor face = QApplication::palette().color(QPalette::Button);
        KnopkaLabel* five = form->Knopka[5];
        KnopkaLabel* six = form->Knopka[6];
        QCOMPARE(five->background(), menu);
        QWindow* window = form->windowHandle();
        QTest::mousePress(window, Qt::LeftButton, Qt::NoModifier, CentreOf(five, form.get()));
        QCOMPARE(five->background(), QColor(192, 255, 192));
        QCOMPARE(form->Primer->text(), QString());
        // Released over the next key: the pressed key gets the release.
        QTest::mouseRelease(window, Qt::LeftButton, Qt::NoModifier, CentreOf(six, form.get()));
        QCOMPARE(form->Primer->text(), QStringLiteral("5"));
        QCOMPARE(five->background(), face);
        QCOMPARE(six->background(), menu);
        QCOMPARE(form->LastPressedKey, 5);
    }

    void doubleClickInsertsTwice() {
        QTest::mouseDClick(form->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                           CentreOf(form->Knopka[3], form.get()));
        QCOMPARE(form->Primer->text(), QStringLiteral("33"));
    }

    void keysNeverTakeFocus() {
        form->txtOtvet->setFocus();
        ClickKey(*form, 1);
        QCOMPARE(QApplication::focusWidget(), form->txtOtvet);
        QCOMPARE(form->Primer->text(), QStringLiteral("1"));
        for (KnopkaLabel* key : form->Knopka) QCOMPARE(key->focusPolicy(), Qt::NoFocus);
    }

    void typing_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("length");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("caret");
        for (const QString root : {"k", "K", "Л", "л"}) {
            QTest::addRow("%s at the end of 2*", qPrintable(root)) << "2*" << 2 << 0 << root << "2*K()" << 4;
            QTest::addRow("%s before 9", qPrintable(root)) << "9" << 0 << 0 << root << "K()9" << 2;
        }
        QTest::newRow("root keeps the selection") << "123" << 1 << 1 << "k"
                                                  << "1K()23" << 3;
        QTest::newRow("bracket at the end comes in a pair") << "2*" << 2 << 0 << "("
                                                            << "2*()" << 3;
        QTest::newRow("bracket elsewhere comes alone") << "5+1" << 0 << 0 << "("
                                                       << "(5+1" << 1;
        QTest::newRow("bracket into empty box") << "" << 0 << 0 << "("
                                                << "()" << 1;
        QTest::newRow("equals types plus") << "2" << 1 << 0 << "="
                                           << "2+" << 2;
        QTest::newRow("allowed characters") << "" << 0 << 0 << "0123456789,^-+*/\\)"
                                            << "0123456789,^-+*/\\)" << 18;
        QTest::newRow("typed digit replaces the selection") << "123" << 1 << 1 << "7"
                                                            << "173" << 2;
    }
    void typing() {
        QFETCH(QString, text);
        QFETCH(int, start);
        QFETCH(int, length);
        QFETCH(QString, typed);
        Prepare(*form, text, start, length);
        TypeText(form->Primer, typed);
        QFETCH(QString, expected);
        QFETCH(int, caret);
        CheckBox(*form, expected, caret, true);
    }

    // Keys that type nothing leave the example, its state and tooltip alone.
    void swallowed_data() {
        QTest::addColumn<QString>("typed");
        QTest::newRow("point") << ".";
        QTest::newRow("space") << " ";
        QTest::newRow("latin letters") << "azZx";
        QTest::newRow("cyrillic letters") << "жЖкКяё";
        QTest::newRow("escape and tab characters") << "\x1b";
    }
    void swallowed() {
        QFETCH(QString, typed);
        Prepare(*form, QStringLiteral("12"), 1, 0);
        TypeText(form->Primer, typed);
        CheckBox(*form, QStringLiteral("12"), 1, false);
    }

    void backspaceAndDelete() {
        Prepare(*form, QStringLiteral("123"), 2, 0);
        QTest::keyClick(form->Primer, Qt::Key_Backspace);
        CheckBox(*form, QStringLiteral("13"), 1, true);
        QTest::keyClick(form->Primer, Qt::Key_Delete);  // no selection: the box's own Delete
        CheckBox(*form, QStringLiteral("1"), 1, true);
    }

    // The box's own clipboard keys that no Edit command claims never act.
    void ownEditKeys_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("Ctrl+Y") << int(Qt::Key_Y) << int(Qt::ControlModifier);
        QTest::newRow("Shift+Insert") << int(Qt::Key_Insert) << int(Qt::ShiftModifier);
        QTest::newRow("Shift+Delete") << int(Qt::Key_Delete) << int(Qt::ShiftModifier);
        QTest::newRow("Ctrl+Insert") << int(Qt::Key_Insert) << int(Qt::ControlModifier);
    }
    void ownEditKeys() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QApplication::clipboard()->setText(QStringLiteral("777"));
        // Selected "2" of 123: cut, copy or paste would all show.
        Prepare(*form, QStringLiteral("123"), 1, 1);
        QTest::keyClick(form->Primer, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(form->Primer->text(), QStringLiteral("123"));
        QCOMPARE(ExampleState, Solved);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("777"));
    }

    void helpKeyReachesItsItem() {
        QSignalSpy fired(form->HelpCallHelp, &QAction::triggered);
        QTest::keyClick(form->Primer, Qt::Key_F1);
        QCOMPARE(fired.count(), 1);
    }

    // The engine and the result lists replace the whole text this way.
    void wholeTextLeavesCaretAtZeroBeforeTheHandler() {
        Prepare(*form, QStringLiteral("2+2"), 0, 3);
        int caretSeen = -1;
        bool selectionSeen = true;
        connect(form->Primer, &PrimerBox::changed, this, [&] {
            caretSeen = form->Primer->cursorPosition();
            selectionSeen = form->Primer->hasSelectedText();
        });
        form->setPrimerText(u"45");
        QCOMPARE(caretSeen, 0);
        QVERIFY(!selectionSeen);
        CheckBox(*form, QStringLiteral("45"), 0, true);
        // The same text again is still a change of the example.
        ExampleState = Solved;
        form->setPrimerText(u"45");
        QCOMPARE(ExampleState, Changed);
    }

    // A full box keeps what it holds instead of losing its end.
    void fullBoxKeepsItsText() {
        const QString full(form->Primer->maxLength(), u'1');
        Prepare(*form, full, 0, 0);
        ClickKey(*form, 17);
        TypeText(form->Primer, QStringLiteral("k("));
        ClickKey(*form, 2);
        QCOMPARE(form->Primer->text(), full);
    }
};

QTEST_MAIN(KeypadTypingTest)
#include "keypad_typing_test.moc"
