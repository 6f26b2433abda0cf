#pragma once

#include <functional>
#include <string>

#include "example_box.h"
#include "plain_window.h"

namespace tambrel {

// The input box of the page as plain fields, behaving as the desktop's
// box: the page's script copies the text and the selection of its input
// here before every operation and draws what the operation leaves.
class PageBox : public ExampleBox {
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

// What the engine writes into the page, kept until the script draws it;
// the example itself is the page's box.
class PageWindow : public PlainWindow {
public:
    explicit PageWindow(PageBox& box) : box_(box) {}

    std::u16string primerText() const override { return box_.text(); }
    void setPrimerText(const std::u16string& text) override { box_.setWholeText(text); }
    void setPrimerCaret(int caret) override { box_.setCursorPosition(caret); }
    void setOtvetText(const std::u16string& text) override;
    void clearList(ResultList list) override;
    void setListTooltip(ResultList list, const std::u16string& text) override;
    void appendListItem(ResultList list, const std::u16string& item) override;
    void showCriticalError(const std::u16string& title, const std::u16string& text) override;

    // Counted up whenever the script has something new to draw.
    int otvetVersion = 0;
    int listsVersion = 0;
    int boxVersion = 0;

private:
    PageBox& box_;
};

}  // namespace tambrel
