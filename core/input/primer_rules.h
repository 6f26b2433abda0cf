#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "edit_history.h"
#include "example_box.h"
#include "example_text.h"

namespace tambrel {

// What key i inserts is character i + 1 of this string; key 17 inserts "K()".
inline constexpr char16_t KeypadChars[] = u"0123456789,+-*/\\^K()";
inline constexpr int KeyCount = 21;
inline constexpr int SolveKey = 20;
// The characters the input box accepts from the keyboard.
inline constexpr char16_t AllowedChars[] = u"01243456789,^-+*()/\\";
inline bool InAllowedChars(char16_t c) { return InSet(AllowedChars, c); }
// The letters that stand for the root. A typed key is read as its key: Л
// shares the K key on a Russian keyboard, so either letter gives "K()".
// Pasted text is read as characters: the Cyrillic К looks like K and
// becomes a bare "K"; Л looks like nothing of an example and is dropped.
inline constexpr char16_t TypedRootLetters[] = u"KkЛл";
inline constexpr char16_t PastedRootLetters[] = u"KkКк";

inline constexpr char16_t PasteTooLong[] = u"Вставляемый текст не помещается в поле примера.";

// The rules of the input box Primer, the same for every front end: the
// keypad, the key filter, the change handler with the edit history, and
// the Edit commands that change the example. A front end wires its events
// to them and draws what they leave in the box and the engine's window.
class PrimerRules {
public:
    explicit PrimerRules(ExampleBox& box) : box_(box) {}

    // The change handler: after every change of the box's text, whoever
    // made it.
    void changed();
    // A character a key delivers (8 Backspace, 13 Enter), filtered and then
    // typed as the box types it.
    void type(char16_t code);
    // Key i of the keypad released: its character at the caret; "=" solves.
    void keypad(int index);
    // Enter and "=": only a changed example that is not empty is solved.
    void solveWhenChanged();

    bool canUndo() const { return history_.canUndo(); }
    bool canRedo() const { return history_.canRedo(); }
    // Outside canUndo and canRedo they do nothing, as a shortcut whose item
    // was offered at an earlier opening of the menu may ask for them.
    void undo();
    void redo();
    // Keeps only what may stand in an example, every kind of K a bare "K",
    // over the selection. A result that would not fit leaves the box as it
    // is and says so in the answer box.
    void paste(std::u16string_view clipboard);
    void selectAll();
    void putInBrackets();

    const EditHistory& history() const { return history_; }

private:
    void insertAtCaret(std::u16string_view inserted, int caretAfter);
    void restore(EditHistory::State state);

    ExampleBox& box_;
    EditHistory history_;
};

// What Paste keeps of a clipboard's text.
std::u16string PastedText(std::u16string_view clipboard);

// The replace-with-answer switch toggled: 1 − value; the one value whose
// result would not fit keeps the largest.
std::int32_t ToggledSwitch(std::int32_t value);

}  // namespace tambrel
