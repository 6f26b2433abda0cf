// The keypad: 21 label-keys that insert at the caret of Primer and solve.
#include <QApplication>

#include "frm_forma.h"
#include "knopka_label.h"

namespace tambrel {

namespace {
const QColor HeldColour(192, 255, 192);
}  // namespace

void FrmForma::Knopka_MouseDown(int index) {
    Knopka[static_cast<std::size_t>(index)]->setBackground(HeldColour);
    LastPressedKey = index;
}

void FrmForma::Knopka_MouseUp(int index) {
    rules_->keypad(index);
    // After release a key takes the button face, not the colour it had at first.
    const QColor face = QApplication::palette().color(QPalette::Button);
    Knopka[static_cast<std::size_t>(LastPressedKey)]->setBackground(face);
}

}  // namespace tambrel
