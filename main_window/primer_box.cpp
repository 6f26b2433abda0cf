#include "primer_box.h"

#include <QKeyEvent>

#include "accessibility.h"
#include "qt_keys.h"

namespace tambrel {

PrimerBox::PrimerBox(QWidget* parent) : QLineEdit(parent) {
    // Characters must come as key events, where the filter sees them, and
    // never as input-method text; a drop would bypass the filter too.
    setAttribute(Qt::WA_InputMethodEnabled, false);
    setAcceptDrops(false);
    setMaxLength(PrimerCapacity);
    connect(this, &QLineEdit::textChanged, this, [this] {
        if (!settingWholeText_) emit changed();
    });
}

void PrimerBox::setWholeText(const QString& text) {
    settingWholeText_ = true;
    setText(text);
    setCursorPosition(0);  // also removes the selection
    settingWholeText_ = false;
    // Also when the text stays the same: setting it is a change of the example.
    emit changed();
}

void PrimerBox::focusInEvent(QFocusEvent* e) {
    if (!SelectOnceReaderKnowsFocus(this, e)) {
        QLineEdit::focusInEvent(e);
        return;
    }
    QFocusEvent plain(QEvent::FocusIn, Qt::OtherFocusReason);
    QLineEdit::focusInEvent(&plain);
}

void PrimerBox::focusOutEvent(QFocusEvent* e) {
    const int start = selectionStart();
    const auto length = static_cast<int>(selectedText().size());
    const bool caretAtStart = cursorPosition() == start;
    QLineEdit::focusOutEvent(e);
    // Copy and Delete of the Edit menu work on it from any control.
    if (length > 0 && !hasSelectedText()) {
        if (caretAtStart) {
            setSelection(start + length, -length);
        } else {
            setSelection(start, length);
        }
    }
}

// What a key does in the box is the core's table (box_keys.h): the
// characters it delivers go to the filter, an editing key edits.
void PrimerBox::keyPressEvent(QKeyEvent* e) {
    const std::u16string text = e->text().toStdU16String();
    const PressedKey key = Pressed(e, text);
    const std::u16string codes = DeliveredCodes(key);
    if (!codes.empty()) {
        for (const char16_t code : codes)
            if (hook_) hook_(code);
        e->accept();
        return;
    }
    if (BoxEditsItself(key)) {
        QLineEdit::keyPressEvent(e);
        return;
    }
    // Alt or Meta with a character types nothing and opens nothing.
    if (key.altOrMeta && !e->text().isEmpty() && e->text()[0].isPrint()) {
        e->accept();
        return;
    }
    e->ignore();
}

}  // namespace tambrel
