#include "plain_box.h"

#include <algorithm>

namespace tambrel {

int PlainBox::clamped(int position) const { return std::clamp(position, 0, static_cast<int>(text_.size())); }

void PlainBox::setCursorPosition(int position) {
    start_ = end_ = clamped(position);
    caretAtStart_ = false;
}

std::u16string PlainBox::selectedText() const {
    return text_.substr(static_cast<std::size_t>(start_), static_cast<std::size_t>(end_ - start_));
}

void PlainBox::select(int start, int length) {
    const int from = clamped(start);
    const int to = clamped(start + length);
    start_ = std::min(from, to);
    end_ = std::max(from, to);
    caretAtStart_ = to < from;
}

void PlainBox::setWholeText(const std::u16string& text) {
    // As a box whose length is limited takes a longer text: cut.
    text_ = text.substr(0, static_cast<std::size_t>(PrimerCapacity));
    start_ = end_ = 0;
    caretAtStart_ = false;
    changed();
}

// As the desktop's box: removing a selection is a change, and so is any
// insertion while there is room, even of nothing; a full box takes nothing
// and reports nothing.
void PlainBox::insert(const std::u16string& text) {
    bool dirty = start_ < end_;
    text_.erase(static_cast<std::size_t>(start_), static_cast<std::size_t>(end_ - start_));
    const auto room =
        static_cast<std::size_t>(PrimerCapacity) - std::min(text_.size(), std::size_t{PrimerCapacity});
    if (room != 0) {
        const std::u16string taken = text.substr(0, room);
        text_.insert(static_cast<std::size_t>(start_), taken);
        start_ += static_cast<int>(taken.size());
        dirty = true;
    }
    end_ = start_;
    caretAtStart_ = false;
    if (dirty) changed();
}

void PlainBox::backspace() {
    if (start_ == end_) {
        if (start_ == 0) return;
        --start_;
    }
    text_.erase(static_cast<std::size_t>(start_), static_cast<std::size_t>(end_ - start_));
    end_ = start_;
    caretAtStart_ = false;
    changed();
}

void PlainBox::sync(std::u16string text, int start, int end, bool caretAtStart) {
    text_ = std::move(text);
    start_ = clamped(std::min(start, end));
    end_ = clamped(std::max(start, end));
    caretAtStart_ = caretAtStart;
}

}  // namespace tambrel
