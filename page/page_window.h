#pragma once

#include <string>

#include "last_notebook.h"
#include "plain_box.h"
#include "plain_window.h"

namespace tambrel {

// What the engine writes into the page, kept until the script draws it;
// the example itself is the page's box. The notebook of the last solving
// is told every step, and goes when the actions' list is emptied.
class PageWindow : public PlainWindow {
public:
    PageWindow(PlainBox& box, notebook::LastNotebook& notebook) : box_(box), notebook_(notebook) {
        listener = &notebook;
    }

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
    PlainBox& box_;
    notebook::LastNotebook& notebook_;
};

}  // namespace tambrel
