#pragma once

#include <string>

#include "last_notebook.h"
#include "plain_box.h"

namespace tambrel {

// What the engine writes into the page, kept until the script draws it;
// the example itself is the page's box. The notebook of the last solving
// is told every step, and goes when the actions' list is emptied.
class PageWindow : public BoxWindow {
public:
    PageWindow(PlainBox& box, notebook::LastNotebook& notebook) : BoxWindow(box), notebook_(notebook) {
        listener = &notebook;
    }

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
    notebook::LastNotebook& notebook_;
};

}  // namespace tambrel
