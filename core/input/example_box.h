#pragma once

#include <string>

namespace tambrel {

// Room for any example the engine can solve, ten times over, and for a
// pasted text past the 32767 characters of a 16-bit count; bounded so that
// the 101 states of the edit history stay a few megabytes at most.
inline constexpr int PrimerCapacity = 100000;

// The input box Primer as the window's rules work on it. The desktop window
// and the page each give one; both behave as the box of the platform the
// calculator was made for:
// - setWholeText clears the selection, leaves the caret at 0 and runs the
//   change handler before it returns, also when the text stays the same;
// - insert and backspace edit as typing does: insert replaces the
//   selection, or goes in at the caret, and leaves the caret after it;
//   neither lets the text grow past PrimerCapacity, and each runs the change
//   handler only when the text changed.
class ExampleBox {
public:
    virtual ~ExampleBox() = default;

    virtual std::u16string text() const = 0;
    // Where the caret blinks: at either end of a selection.
    virtual int cursorPosition() const = 0;
    virtual void setCursorPosition(int position) = 0;
    // -1 when nothing is selected.
    virtual int selectionStart() const = 0;
    virtual std::u16string selectedText() const = 0;
    // The caret ends after the selection.
    virtual void select(int start, int length) = 0;
    virtual void setWholeText(const std::u16string& text) = 0;
    virtual void insert(const std::u16string& text) = 0;
    // Deletes the selection, or the character before the caret.
    virtual void backspace() = 0;
    virtual void setTooltip(const std::u16string& text) = 0;

    // The caret as the keypad and the key filter read it: the start of the
    // selection when there is one.
    int caret() const {
        const int start = selectionStart();
        return start >= 0 ? start : cursorPosition();
    }
};

}  // namespace tambrel
