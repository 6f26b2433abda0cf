#pragma once

#include <string_view>

#include "decimal.h"
#include "notebook.h"

namespace tambrel::notebook {

// Writes text into a row from a column on, one character a cell; a comma
// goes to the lower right corner of the cell before it. Returns the column
// after the text.
inline int Put(Block& block, int row, int column, std::u16string_view text, bool raised = false) {
    for (const char16_t c : text) {
        if (c == u',' && column > 0) {
            block.at(row, column - 1).commaAfter = true;
            continue;
        }
        Cell& cell = block.at(row, column++);
        cell.ch = c;
        cell.raised = raised;
    }
    return column;
}

// The cells a text takes: its characters less its commas.
inline int CellsOf(std::u16string_view text) {
    int n = 0;
    for (const char16_t c : text) n += c != u',';
    return n;
}

inline std::u16string Widened(std::string_view ascii) { return {ascii.begin(), ascii.end()}; }

// A number in an action line: a negative one after a sign in brackets.
inline std::u16string Operand(const Decimal& d) {
    return d.negative && !d.isZero() ? u"(" + SchoolText(d) + u")" : SchoolText(d);
}

// Every row moved right by columns cells.
inline void Indent(Block& block, int columns) {
    for (auto& row : block.rows) row.insert(row.begin(), static_cast<std::size_t>(columns), Cell{});
}

inline Block OneLine(BlockKind kind, std::u16string_view text) {
    Block block;
    block.kind = kind;
    Put(block, 0, 0, text);
    return block;
}

}  // namespace tambrel::notebook
