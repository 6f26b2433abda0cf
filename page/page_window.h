#pragma once

#include <functional>
#include <string>
#include <vector>

#include "engine_window.h"
#include "example_box.h"

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

// What the engine writes into the page, kept until the script draws it.
class PageWindow : public EngineWindow {
public:
    explicit PageWindow(PageBox& box) : box_(box) {}

    std::u16string primerText() const override { return box_.text(); }
    void setPrimerText(const std::u16string& text) override { box_.setWholeText(text); }
    void setPrimerCaret(int caret) override { box_.setCursorPosition(caret); }
    void focusPrimer() override { primerFocus = true; }
    void setOtvetText(const std::u16string& text) override;
    void clearList(ResultList list) override;
    void setListTooltip(ResultList list, const std::u16string& text) override;
    void appendListItem(ResultList list, const std::u16string& item) override;
    int actionCount() const override { return static_cast<int>(dirC.size()); }
    std::u16string caption() const override { return u"Тамбрель"; }
    void showCriticalError(const std::u16string& title, const std::u16string& text) override;

    std::vector<std::u16string>& items(ResultList list) { return list == ResultList::DirC ? dirC : dirPr; }

    std::vector<std::u16string> dirC;
    std::vector<std::u16string> dirPr;
    std::u16string dirCTooltip;
    std::u16string dirPrTooltip;
    std::u16string otvet;
    std::u16string boxTitle;
    std::u16string boxText;
    // Counted up whenever the script has something new to draw.
    int otvetVersion = 0;
    int listsVersion = 0;
    int boxVersion = 0;
    bool primerFocus = false;

private:
    PageBox& box_;
};

}  // namespace tambrel
