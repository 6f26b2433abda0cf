#include "primer_box.h"

#include <QKeyEvent>

namespace tambrel {

namespace {

bool IsOwnEditKey(const QKeyEvent* e) {
    for (const auto key : {QKeySequence::Undo, QKeySequence::Redo, QKeySequence::Cut, QKeySequence::Copy,
                           QKeySequence::Paste}) {
        if (e->matches(key)) return true;
    }
    return false;
}

// The character code a key delivers, 0 when it delivers none. With Ctrl a
// letter delivers its control character (Ctrl+Z is 26), as a keyboard does.
char16_t CharacterCode(const QKeyEvent* e, int i) {
    const auto mods = e->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (mods == Qt::ControlModifier) {
        if (e->key() >= Qt::Key_A && e->key() <= Qt::Key_Z)
            return static_cast<char16_t>(e->key() - Qt::Key_A + 1);
        return 0;
    }
    if (mods != Qt::NoModifier) return 0;
    const QString text = e->text();
    return i < text.size() ? text[i].unicode() : 0;
}

}  // namespace

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

int PrimerBox::caret() const { return hasSelectedText() ? selectionStart() : cursorPosition(); }

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

void PrimerBox::keyPressEvent(QKeyEvent* e) {
    if (IsOwnEditKey(e)) {
        e->accept();
        return;
    }
    const int count = e->text().isEmpty() ? 1 : static_cast<int>(e->text().size());
    bool delivered = false;
    for (int i = 0; i < count; ++i) {
        const char16_t code = CharacterCode(e, i);
        if (code == 0) break;
        delivered = true;
        typeCharacter(code, e);
    }
    const bool altOrMeta = (e->modifiers() & (Qt::AltModifier | Qt::MetaModifier)) != 0;
    if (delivered || (altOrMeta && !e->text().isEmpty() && e->text()[0].isPrint())) {
        e->accept();
        return;
    }
    // Delete, arrows, Home, End and the like deliver no character.
    QLineEdit::keyPressEvent(e);
}

void PrimerBox::typeCharacter(char16_t code, QKeyEvent* original) {
    if (hook_) hook_(code);
    if (code == 0) return;
    if (code == u'\b') {
        if (original->key() == Qt::Key_Backspace) {
            QLineEdit::keyPressEvent(original);
        } else {
            QKeyEvent backspace(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier, QStringLiteral("\b"));
            QLineEdit::keyPressEvent(&backspace);
        }
        return;
    }
    // Typed as the box types: over the selection, caret after it.
    insert(QString(QChar(code)));
}

}  // namespace tambrel
