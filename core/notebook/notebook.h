#pragma once

#include <string>
#include <vector>

namespace tambrel::notebook {

// The solution as a pupil writes it in a squared exercise book: blocks of
// cells, one character a cell, each with everything a face needs to draw
// it. A face decides nothing: it draws the cells and their marks.
struct Cell {
    char16_t ch = u' ';
    // Small text over the cell: an action's number, or the dot of a carried
    // or borrowed ten. A number of two digits ends over its cell.
    std::u16string above;
    bool raised = false;      // written small and high: an exponent
    bool bar = false;         // under the bar of a square root
    bool commaAfter = false;  // the decimal comma at the cell's lower right corner
    bool lineBelow = false;   // a line along the cell's lower edge
    bool lineLeft = false;    // a line along its left edge: the corner of long division
};

enum class BlockKind {
    Example,  // the example with the actions' numbers over their signs
    Action,   // "1) 45 · 8 = 360"
    Column,   // the written work of one action
    Note,     // a line beside the work: a sign, a rounding, a divisor made whole
    Answer,   // "Ответ: 29."
    Message,  // the message the solving ended with
};

struct Block {
    BlockKind kind = BlockKind::Note;
    std::vector<std::vector<Cell>> rows;

    // The cell, the rows and the row made long enough to hold it.
    Cell& at(int row, int column);
    int width() const;
};

struct Notebook {
    std::vector<Block> blocks;  // empty when the example failed its checks
};

// The notebook as plain monospace text, one line a row: one character a
// cell, the marks in a line over their row, a line of "─" under lined
// cells, the comma and the corner in a column of their own between cells.
std::u16string NotebookText(const Notebook& notebook);

}  // namespace tambrel::notebook
