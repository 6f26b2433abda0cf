#include "page_window.h"

namespace tambrel {

void PageWindow::setOtvetText(const std::u16string& text) {
    PlainWindow::setOtvetText(text);
    ++otvetVersion;
}

void PageWindow::clearList(ResultList list) {
    PlainWindow::clearList(list);
    if (list == ResultList::DirC) notebook_.clear();
    ++listsVersion;
}

void PageWindow::setListTooltip(ResultList list, const std::u16string& text) {
    PlainWindow::setListTooltip(list, text);
    ++listsVersion;
}

void PageWindow::appendListItem(ResultList list, const std::u16string& item) {
    PlainWindow::appendListItem(list, item);
    ++listsVersion;
}

void PageWindow::showCriticalError(const std::u16string& title, const std::u16string& text) {
    PlainWindow::showCriticalError(title, text);
    ++boxVersion;
}

}  // namespace tambrel
