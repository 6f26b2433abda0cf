// The keypad: 21 label-keys that insert at the caret of Primer and solve.
#include <QApplication>

#include "frm_forma.h"
#include "keypad_captions.h"
#include "knopka_label.h"

namespace tambrel {

void FrmForma::Knopka_MouseDown(int index) {
    Knopka[static_cast<std::size_t>(index)]->setBackground(
        QColor(HeldKeyColour.red, HeldKeyColour.green, HeldKeyColour.blue));
    LastPressedKey = index;
}

void FrmForma::Knopka_MouseUp(int index) {
    rules_->keypad(index);
    // After release a key takes the button face, not the colour it had at first.
    const QColor face = QApplication::palette().color(QPalette::Button);
    Knopka[static_cast<std::size_t>(LastPressedKey)]->setBackground(face);
}

}  // namespace tambrel
