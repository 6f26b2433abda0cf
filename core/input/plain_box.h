#pragma once

#include <functional>
#include <string>

#include "example_box.h"
#include "plain_window.h"

namespace tambrel {

// The input box as plain fields, behaving as the desktop's box: the page's
// script copies the text and the selection of its input here before every
// operation and draws what the operation leaves; the core's own tests type
// into it.
class PlainBox : public ExampleBox {
public:
    std::u16string text() const override { return text_; }
    int cursorPosition() const override { return caretAtStart_ ? start_ : end_; }
    void setCursorPosition(int position) override;
    int selectionStart() const override { return start_ < end_ ? start_ : -1; }
    std::u16string selectedText() const override;
    void select(int start, int length) override;
    void setWholeText(const std::u16string& text) override;
    void insert(const std::u16string& text) override;
    void backspace() override;
    void setTooltip(const std::u16string& text) override { tooltip = text; }

    // What the input holds now; no change is reported.
    void sync(std::u16string text, int start, int end, bool caretAtStart);
    int start() const { return start_; }
    int end() const { return end_; }
    bool caretAtStart() const { return caretAtStart_; }

    std::function<void()> onChange;
    std::u16string tooltip;

private:
    int clamped(int position) const;
    void changed() const {
        if (onChange) onChange();
    }

    std::u16string text_;
    int start_ = 0;
    int end_ = 0;
    bool caretAtStart_ = false;
};

// The engine's window as plain fields with the example in a plain box: what
// the page draws from, and what the core's own tests type into.
class BoxWindow : public PlainWindow {
public:
    explicit BoxWindow(PlainBox& box) : box_(box) {}
    std::u16string primerText() const override { return box_.text(); }
    void setPrimerText(const std::u16string& text) override { box_.setWholeText(text); }
    void setPrimerCaret(int position) override { box_.setCursorPosition(position); }

private:
    PlainBox& box_;
};

}  // namespace tambrel
