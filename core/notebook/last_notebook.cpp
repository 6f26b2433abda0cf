#include "last_notebook.h"

namespace tambrel::notebook {

void LastNotebook::started(std::u16string_view example) {
    builder_ = NotebookBuilder();
    builder_.started(example);
}

void LastNotebook::ended(SolvingEnd end, std::u16string_view text) {
    builder_.ended(end, text);
    notebook_ = builder_.notebook();
    ++version_;
}

void LastNotebook::clear() {
    if (notebook_.blocks.empty()) return;
    notebook_ = {};
    ++version_;
}

}  // namespace tambrel::notebook
