#pragma once

#include <QLineEdit>
#include <functional>

namespace tambrel {

// Room for any example the engine can solve, ten times over, and for a
// pasted text past the 32767 characters of a 16-bit count; bounded so that
// the 101 states of the edit history stay a few megabytes at most.
inline constexpr int PrimerCapacity = 100000;

// The input box Primer. It adds what the window's logic relies on:
// - setWholeText clears the selection, leaves the caret at 0 and only then
//   reports the change;
// - every character a key delivers goes through the character-key hook
//   before the box inserts it, and the hook may replace or swallow it;
// - of the box's own key bindings only the editing keys act (Delete, the
//   arrows, Home, End); its undo, redo, clipboard and word or line
//   deletions never do, and the window lets an available Edit command take
//   its shortcut key instead;
// - the selection stays when the focus leaves, for the Edit commands.
class PrimerBox : public QLineEdit {
    Q_OBJECT

public:
    // Gets the character code; sets it to another code, or to 0 to type
    // nothing. 8 is Backspace, 13 Enter.
    using CharacterHook = std::function<void(char16_t& code)>;

    explicit PrimerBox(QWidget* parent);

    void setCharacterHook(CharacterHook hook) { hook_ = std::move(hook); }

    void setWholeText(const QString& text);
    // The caret as the keypad and the key filter read it: the start of the
    // selection when there is one.
    int caret() const;

signals:
    // After every change of the text, whoever made it.
    void changed();

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    void typeCharacter(char16_t code);

    CharacterHook hook_;
    bool settingWholeText_ = false;
};

}  // namespace tambrel
