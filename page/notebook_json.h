#pragma once

#include <string>

#include "notebook.h"

namespace tambrel {

// The notebook as the page's script draws it (bridge.h tells the form):
// every block's cells and marks as the core made them, and the words a
// screen reader is given for it.
std::u16string NotebookJson(const notebook::Notebook& notebook);

}  // namespace tambrel
