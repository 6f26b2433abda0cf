#pragma once

#include <QLineEdit>
#include <QList>
#include <functional>

class QAction;

namespace tambrel {

// The input box Primer. It adds what the window's logic relies on:
// - setWholeText clears the selection, leaves the caret at 0 and only then
//   reports the change;
// - every character a key delivers goes through the character-key hook
//   before the box inserts it, and the hook may replace or swallow it;
// - the box's own undo, redo, cut, copy and paste keys never act; an Edit
//   menu command that is enabled takes its shortcut key instead.
class PrimerBox : public QLineEdit {
    Q_OBJECT

public:
    // Gets the character code; sets it to another code, or to 0 to type
    // nothing. 8 is Backspace, 13 Enter.
    using CharacterHook = std::function<void(char16_t& code)>;

    explicit PrimerBox(QWidget* parent);

    void setCharacterHook(CharacterHook hook) { hook_ = std::move(hook); }
    // Menu commands whose shortcuts win over the box's own keys while enabled.
    void setClaimingActions(QList<QAction*> actions) { claiming_ = std::move(actions); }

    void setWholeText(const QString& text);
    // The caret as the keypad and the key filter read it: the start of the
    // selection when there is one.
    int caret() const;

signals:
    // After every change of the text, whoever made it.
    void changed();

protected:
    bool event(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    bool claimedByMenu(const QKeyEvent* e) const;
    void typeCharacter(char16_t code, QKeyEvent* original);

    CharacterHook hook_;
    QList<QAction*> claiming_;
    bool settingWholeText_ = false;
};

}  // namespace tambrel
