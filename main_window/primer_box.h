#pragma once

#include <QLineEdit>
#include <functional>

#include "example_box.h"

namespace tambrel {

// The input box Primer. It adds what the window's rules rely on:
// - setWholeText clears the selection, leaves the caret at 0 and only then
//   reports the change;
// - every character a key delivers goes to the character hook, which
//   filters and types it;
// - of the box's own key bindings only the editing keys act (Delete, the
//   arrows, Home, End); its undo, redo, clipboard and word or line
//   deletions never do, and the window lets an available Edit command take
//   its shortcut key instead;
// - the selection stays when the focus leaves, for the Edit commands.
class PrimerBox : public QLineEdit {
    Q_OBJECT

public:
    // Gets the character code a key delivers: 8 is Backspace, 13 Enter.
    using CharacterHook = std::function<void(char16_t code)>;

    explicit PrimerBox(QWidget* parent);

    void setCharacterHook(CharacterHook hook) { hook_ = std::move(hook); }

    void setWholeText(const QString& text);
    // The box as the window's rules see it.
    ExampleBox& example() { return example_; }

signals:
    // After every change of the text, whoever made it.
    void changed();

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    class Example : public ExampleBox {
    public:
        explicit Example(PrimerBox& box) : box_(box) {}
        std::u16string text() const override { return box_.text().toStdU16String(); }
        int cursorPosition() const override { return box_.cursorPosition(); }
        void setCursorPosition(int position) override { box_.setCursorPosition(position); }
        int selectionStart() const override { return box_.selectionStart(); }
        std::u16string selectedText() const override { return box_.selectedText().toStdU16String(); }
        void select(int start, int length) override { box_.setSelection(start, length); }
        void setWholeText(const std::u16string& text) override {
            box_.setWholeText(QString::fromStdU16String(text));
        }
        void insert(const std::u16string& text) override { box_.insert(QString::fromStdU16String(text)); }
        void backspace() override { box_.backspace(); }
        void setTooltip(const std::u16string& text) override {
            box_.setToolTip(QString::fromStdU16String(text));
        }

    private:
        PrimerBox& box_;
    };

    CharacterHook hook_;
    Example example_{*this};
    bool settingWholeText_ = false;
};

}  // namespace tambrel
