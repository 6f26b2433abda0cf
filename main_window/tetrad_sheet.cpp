// The notebook on squared paper: where each row of the notebook goes, and
// how a cell is written, for the screen and the printer alike.
#include "tetrad_sheet.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "form_style.h"

namespace tambrel {

using notebook::Block;
using notebook::BlockKind;
using notebook::Cell;

namespace {

// The root's bar is drawn in its own cells' top: only numbers and dots
// want the row over them.
bool HasMarks(const std::vector<Cell>& cells) {
    return std::any_of(cells.begin(), cells.end(), [](const Cell& c) { return !c.above.empty(); });
}

// The small text over a row, a character a cell, placed as the notebook's
// text places it: a longer number ends over its own cell, unless that runs
// it into the mark before it.
std::u16string MarksOf(const std::vector<Cell>& cells) {
    std::u16string out(cells.size() + 4, u' ');
    for (std::size_t c = 0; c < cells.size(); ++c) {
        const std::u16string& above = cells[c].above;
        std::size_t from = c + 1 >= above.size() ? c + 1 - above.size() : 0;
        for (std::size_t i = from == 0 ? 0 : from - 1; i < c; ++i)
            if (out[i] != u' ') from = c;
        for (std::size_t i = 0; i < above.size() && from + i < out.size(); ++i) out[from + i] = above[i];
    }
    return out;
}

QFont Sized(QFont font, qreal pixels) {
    font.setPixelSize(std::max(1, qRound(pixels)));
    return font;
}

}  // namespace

Sheet::Sheet(notebook::Notebook notebook) : notebook_(std::move(notebook)) {
    for (std::size_t b = 0; b < notebook_.blocks.size(); ++b) {
        const Block& block = notebook_.blocks[b];
        tops_.push_back(static_cast<int>(rows_.size()) + 1);
        for (std::size_t r = 0; r < block.rows.size(); ++r) {
            if (HasMarks(block.rows[r])) rows_.push_back({static_cast<int>(b), static_cast<int>(r), true});
            rows_.push_back({static_cast<int>(b), static_cast<int>(r), false});
        }
        // The written work stands apart from the line that follows it.
        if (block.kind == BlockKind::Column) rows_.push_back({});
        columns_ = std::max(columns_, block.width());
    }
}

int Sheet::bottomOf(std::size_t block) const {
    return block + 1 < tops_.size() ? tops_[block + 1] : static_cast<int>(rows_.size()) + 1;
}

const Sheet::Row& Sheet::row(int r) const {
    static const Row free;
    return r >= 1 && r <= static_cast<int>(rows_.size()) ? rows_[static_cast<std::size_t>(r - 1)] : free;
}

bool Sheet::marksRow(int r) const { return row(r).marks; }

QColor Sheet::ink() { return {24, 44, 140}; }

QFont Sheet::face() {
    QFont font = FormFont(12);
    font.setBold(false);
    return font;
}

void Sheet::drawPaper(QPainter& painter, const QRectF& area, QPointF origin, qreal size) {
    painter.fillRect(area, Qt::white);
    painter.setPen(QPen(QColor(172, 204, 228), 0));
    const qreal firstX = origin.x() + std::floor((area.left() - origin.x()) / size) * size;
    for (qreal x = firstX; x <= area.right(); x += size)
        painter.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
    const qreal firstY = origin.y() + std::floor((area.top() - origin.y()) / size) * size;
    for (qreal y = firstY; y <= area.bottom(); y += size)
        painter.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
    // The margin, a cell before the writing.
    const qreal margin = origin.x() + (FirstColumn - 1) * size;
    painter.setPen(QPen(QColor(226, 110, 130), std::max<qreal>(1, size / 12)));
    painter.drawLine(QPointF(margin, area.top()), QPointF(margin, area.bottom()));
}

void Sheet::draw(QPainter& painter, const QRect& cells, QPointF origin, qreal size, const QFont& font) const {
    // A mark or a comma may reach a little into the cells beside it.
    const Columns columns{std::max(0, cells.left() - FirstColumn - 3), cells.right() - FirstColumn + 1};
    for (int r = std::max(1, cells.top()); r <= std::min(cells.bottom(), rows() - 1); ++r) {
        const Row& at = row(r);
        if (at.block < 0) continue;
        const auto& blockRows = notebook_.blocks[static_cast<std::size_t>(at.block)].rows;
        const auto& cellsOfRow = blockRows[static_cast<std::size_t>(at.row)];
        // Where the notebook's column 0 of this row begins.
        const QPointF start(origin.x() + FirstColumn * size, origin.y() + r * size);
        painter.setFont(Sized(font, size * (at.marks ? SmallWriting : Writing)));
        if (at.marks) {
            drawMarks(painter, cellsOfRow, start, size, columns);
        } else {
            drawCells(painter, cellsOfRow, start, size, columns);
        }
    }
}

void Sheet::drawMarks(QPainter& painter, const std::vector<Cell>& cells, QPointF start, qreal size,
                      Columns columns) const {
    const std::u16string marks = MarksOf(cells);
    painter.setPen(ink());
    const int last = std::min(columns.last, static_cast<int>(marks.size()) - 1);
    for (int c = columns.first; c <= last; ++c) {
        const char16_t mark = marks[static_cast<std::size_t>(c)];
        if (mark == u' ') continue;
        const QRectF cell(start.x() + c * size, start.y(), size, size * 0.92);
        painter.drawText(cell, Qt::AlignHCenter | Qt::AlignBottom, QString(QChar(mark)));
    }
}

void Sheet::drawCells(QPainter& painter, const std::vector<Cell>& cells, QPointF start, qreal size,
                      Columns columns) const {
    const QFont normal = painter.font();
    const QFont small = Sized(normal, size * SmallWriting);
    const QPen line(ink(), std::max<qreal>(1, size / 12));
    const int last = std::min(columns.last, static_cast<int>(cells.size()) - 1);
    for (int c = columns.first; c <= last; ++c) {
        const Cell& cell = cells[static_cast<std::size_t>(c)];
        const QRectF box(start.x() + c * size, start.y(), size, size);
        painter.setPen(ink());
        if (cell.raised) {
            // Small and high: an exponent.
            painter.setFont(small);
            painter.drawText(QRectF(box.left(), box.top(), size, size * 0.6), Qt::AlignCenter,
                             QString(QChar(cell.ch)));
            painter.setFont(normal);
        } else if (cell.ch != u' ') {
            painter.drawText(box, Qt::AlignCenter, QString(QChar(cell.ch)));
        }
        // The comma at the cell's lower right corner, in no cell of its own.
        if (cell.commaAfter)
            painter.drawText(QRectF(box.right() - size * 0.3, box.top() + size * 0.3, size * 0.6, size * 0.7),
                             Qt::AlignCenter, QStringLiteral(","));
        painter.setPen(line);
        if (cell.bar) {
            const qreal y = box.top() + size * 0.08;
            painter.drawLine(QPointF(box.left(), y), QPointF(box.right(), y));
        }
        if (cell.lineBelow) painter.drawLine(box.bottomLeft(), box.bottomRight());
        if (cell.lineLeft) painter.drawLine(box.topLeft(), box.bottomLeft());
    }
}

}  // namespace tambrel
