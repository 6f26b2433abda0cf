#include "plain_window.h"

#include "shared_state.h"

namespace tambrel {

PlainWindow::PlainWindow(std::u16string example) : primer(std::move(example)) {}

void PlainWindow::setPrimerText(const std::u16string& text) {
    primer = text;
    caret = 0;
    ++primerChanges;
    ExampleState = Changed;
}

void PlainWindow::setListTooltip(ResultList list, const std::u16string& text) {
    (list == ResultList::DirC ? dirCTooltip : dirPrTooltip) = text;
}

void PlainWindow::appendListItem(ResultList list, const std::u16string& item) { items(list).push_back(item); }

void PlainWindow::showCriticalError(const std::u16string& title, const std::u16string& text) {
    boxShown = true;
    boxTitle = title;
    boxText = text;
}

}  // namespace tambrel
