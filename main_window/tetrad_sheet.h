#pragma once

#include <QFont>
#include <QRect>
#include <vector>

#include "notebook.h"

class QPainter;

namespace tambrel {

// The notebook laid out on squared paper, one character a cell: the small
// marks of a row (actions' numbers, the dots of tens, the root's bar) in
// the row of cells over it, a free row after the written work of a column,
// and a margin at the left as an exercise book has. The window and the
// printer draw the same sheet; they only choose the size of a cell.
class Sheet {
public:
    Sheet() = default;
    explicit Sheet(notebook::Notebook notebook);

    const notebook::Notebook& notebook() const { return notebook_; }
    // Cells the written sheet takes, its margins included.
    int rows() const { return static_cast<int>(rows_.size()) + 1; }
    int columns() const { return columns_ + FirstColumn + 1; }
    // The rows of cells a block takes, from its marks to its last row.
    int topOf(std::size_t block) const { return tops_.at(block); }
    int bottomOf(std::size_t block) const;
    // Whether a row holds the marks over the row after it: a page does not
    // end there.
    bool marksRow(int row) const;

    // The cells within `cells` (in columns and rows of the sheet), the
    // sheet's top left corner at `origin`, every cell `size` pixels of the
    // painter's device square.
    void draw(QPainter& painter, const QRect& cells, QPointF origin, qreal size, const QFont& font) const;

    // The paper itself: its squares over `area`, lined from `origin`, and
    // the margin's line.
    static void drawPaper(QPainter& painter, const QRectF& area, QPointF origin, qreal size);
    // The ink the sheet is written in, and its face: the forms' own, as a
    // pen writes it, not bold.
    static QColor ink();
    static QFont face();

    // The writing's height, and that of the small marks and exponents, in
    // cells: the font's pixel size.
    static constexpr qreal Writing = 0.9;
    static constexpr qreal SmallWriting = 0.55;
    // The column where the writing starts, right of the margin.
    static constexpr int FirstColumn = 4;

private:
    struct Row {
        int block = -1;  // -1: a free row
        int row = 0;     // the block's row it holds
        bool marks = false;
    };

    // The notebook's columns to draw, the last included.
    struct Columns {
        int first = 0;
        int last = 0;
    };

    const Row& row(int r) const;
    void drawMarks(QPainter& painter, const std::vector<notebook::Cell>& cells, QPointF start, qreal size,
                   Columns columns) const;
    void drawCells(QPainter& painter, const std::vector<notebook::Cell>& cells, QPointF start, qreal size,
                   Columns columns) const;

    notebook::Notebook notebook_;
    std::vector<Row> rows_;  // from the sheet's row 1: row 0 is its top margin
    std::vector<int> tops_;
    int columns_ = 0;
};

}  // namespace tambrel
