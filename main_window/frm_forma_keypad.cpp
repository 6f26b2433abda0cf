// The keypad: 21 label-keys that insert at the caret of Primer and solve.
#include <QApplication>

#include "calculjator.h"
#include "frm_forma.h"
#include "knopka_label.h"
#include "primer_box.h"
#include "shared_state.h"

namespace tambrel {

namespace {
const QColor HeldColour(192, 255, 192);
}  // namespace

void FrmForma::Knopka_MouseDown(int index) {
    Knopka[static_cast<std::size_t>(index)]->setBackground(HeldColour);
    LastPressedKey = index;
}

void FrmForma::Knopka_MouseUp(int index) {
    if (index == SolveKey) {
        solveWhenChanged();
    } else {
        const QChar c(KeypadChars[index]);
        if (c == u'K') {
            insertAtCaret(QStringLiteral("K()"), 2);
        } else {
            insertAtCaret(QString(c), 1);
        }
    }
    // After release a key takes the button face, not the colour it had at first.
    const QColor face = QApplication::palette().color(QPalette::Button);
    Knopka[static_cast<std::size_t>(LastPressedKey)]->setBackground(face);
}

void FrmForma::insertAtCaret(const QString& inserted, int caretAfter) {
    const QString text = Primer->text();
    // An insertion that would not fit into the box is dropped rather than
    // cutting the example's end off.
    if (text.size() + inserted.size() > Primer->maxLength()) return;
    const int a = Primer->caret();
    // A selection stays: the insertion goes in at its start.
    Primer->setWholeText(text.left(a) + inserted + text.mid(a));
    Primer->setCursorPosition(a + caretAfter);
}

void FrmForma::solveWhenChanged() {
    if (!Primer->text().isEmpty() && ExampleState == Changed) SolveExample();
}

}  // namespace tambrel
