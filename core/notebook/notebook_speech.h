#pragma once

#include <string>
#include <vector>

#include "notebook.h"

namespace tambrel::notebook {

// A line of the notebook as a screen reader is given it: the block it
// reads, in a pupil's words («1) 3 умножить на 4 равно 12», «Ответ: 29»).
struct SpokenLine {
    std::size_t block;
    std::u16string words;
};

// Every block that says something new, in order: the example, each action,
// the lines beside the work, the answer or the message. A column only
// repeats its action line on paper, so it is left out.
std::vector<SpokenLine> SpokenNotebook(const Notebook& notebook);

}  // namespace tambrel::notebook
