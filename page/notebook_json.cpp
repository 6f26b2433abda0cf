#include "notebook_json.h"

#include <cstddef>

#include "bridge.h"
#include "json.h"
#include "notebook_speech.h"

namespace tambrel {

namespace {

using notebook::Block;
using notebook::Cell;

static_assert(BlockKindNames.size() == static_cast<std::size_t>(notebook::BlockKind::Message) + 1,
              "a name for every kind of block");

int Flag(CellMark mark) { return 1 << static_cast<int>(mark); }

int FlagsOf(const Cell& cell) {
    return (cell.raised ? Flag(CellMark::Raised) : 0) | (cell.bar ? Flag(CellMark::Bar) : 0) |
           (cell.commaAfter ? Flag(CellMark::CommaAfter) : 0) |
           (cell.lineBelow ? Flag(CellMark::LineBelow) : 0) | (cell.lineLeft ? Flag(CellMark::LineLeft) : 0);
}

// The rows as strings, one character a cell, then the cells that carry
// anything beyond their character.
void Cells(Json& json, const Block& block) {
    json.field(u"rows").open(u'[');
    for (const auto& row : block.rows) {
        std::u16string chars;
        for (const Cell& cell : row) chars += cell.ch;
        json.value(chars);
    }
    json.close(u']').field(u"marks").open(u'[');
    for (std::size_t r = 0; r < block.rows.size(); ++r)
        for (std::size_t c = 0; c < block.rows[r].size(); ++c) {
            const Cell& cell = block.rows[r][c];
            if (FlagsOf(cell) == 0 && cell.above.empty()) continue;
            json.open(u'[').value(static_cast<int>(r)).value(static_cast<int>(c));
            json.value(FlagsOf(cell)).value(cell.above).close(u']');
        }
    json.close(u']');
}

}  // namespace

std::u16string NotebookJson(const notebook::Notebook& notebook) {
    const std::vector<notebook::SpokenLine> spoken = notebook::SpokenNotebook(notebook);
    std::size_t said = 0;
    Json json;
    json.open(u'[');
    for (std::size_t i = 0; i < notebook.blocks.size(); ++i) {
        const Block& block = notebook.blocks[i];
        json.open(u'{').field(u"kind").value(BlockKindNames[static_cast<std::size_t>(block.kind)]);
        Cells(json, block);
        if (said < spoken.size() && spoken[said].block == i) json.field(u"words").value(spoken[said++].words);
        json.close(u'}');
    }
    return json.close(u']').text();
}

}  // namespace tambrel
