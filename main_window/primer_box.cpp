#include "primer_box.h"

#include <QKeyEvent>

#include "accessibility.h"

namespace tambrel {

namespace {

// The character codes a key delivers, as the keyboard of the platform the
// calculator was made for delivers them; none for the editing keys.
// - A plain or shifted key types its text; Backspace is 8, Enter 13,
//   Escape 27, whatever control text the X server puts on them. Delete
//   carries "\x7f" from X but is an editing key: it delivers nothing.
// - With Ctrl alone a letter delivers its control character (Ctrl+Z is 26),
//   Ctrl+Backspace 127 and Ctrl+Enter 10: the filter swallows them all, so
//   the box's own word and line deletions never act.
QString CharacterCodes(const QKeyEvent* e) {
    const auto mods = e->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    const int key = e->key();
    if (mods == Qt::ControlModifier) {
        if (key >= Qt::Key_A && key <= Qt::Key_Z) return QChar(key - Qt::Key_A + 1);
        if (key == Qt::Key_Backspace) return QChar(127);
        if (key == Qt::Key_Return || key == Qt::Key_Enter) return QChar(10);
        return {};
    }
    if (mods != Qt::NoModifier) return {};
    switch (key) {
        case Qt::Key_Backspace: return QChar(8);
        case Qt::Key_Return:
        case Qt::Key_Enter: return QChar(13);
        case Qt::Key_Escape: return QChar(27);
        case Qt::Key_Delete: return {};
        default: break;
    }
    QString typed;
    for (const QChar c : e->text()) {
        if (c.unicode() >= 0x20 && c.unicode() != 0x7f) typed += c;
    }
    return typed;
}

// The keys the box edits with by itself: Delete, the arrows, Home and End,
// Shift selecting and Ctrl moving by word. Every other binding of the box
// (word and line deletion, its own clipboard and undo) is left out: the
// example changes only through the filter and the Edit menu.
bool IsEditingKey(const QKeyEvent* e) {
    const auto mods = e->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier);
    switch (e->key()) {
        case Qt::Key_Delete: return e->modifiers() == Qt::NoModifier || e->modifiers() == Qt::KeypadModifier;
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Home:
        case Qt::Key_End: return mods == Qt::NoModifier || mods == Qt::ControlModifier;
        case Qt::Key_Up:
        case Qt::Key_Down: return mods == Qt::NoModifier;
        default: return false;
    }
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

void PrimerBox::keyPressEvent(QKeyEvent* e) {
    const QString codes = CharacterCodes(e);
    if (!codes.isEmpty()) {
        for (const QChar code : codes)
            if (hook_) hook_(code.unicode());
        e->accept();
        return;
    }
    if (IsEditingKey(e)) {
        QLineEdit::keyPressEvent(e);
        return;
    }
    // Alt or Meta with a character types nothing and opens nothing.
    const bool altOrMeta = (e->modifiers() & (Qt::AltModifier | Qt::MetaModifier)) != 0;
    if (altOrMeta && !e->text().isEmpty() && e->text()[0].isPrint()) {
        e->accept();
        return;
    }
    e->ignore();
}

}  // namespace tambrel
