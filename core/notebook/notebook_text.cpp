// The plain text of a notebook: what the console prints and the faces copy
// to the clipboard. Between two cells a column of its own is put in only
// where some row of the block needs it, for a comma or the division corner.
#include <algorithm>

#include "notebook.h"

namespace tambrel::notebook {

Cell& Block::at(int row, int column) {
    if (static_cast<int>(rows.size()) <= row) rows.resize(static_cast<std::size_t>(row) + 1);
    auto& cells = rows[static_cast<std::size_t>(row)];
    if (static_cast<int>(cells.size()) <= column) cells.resize(static_cast<std::size_t>(column) + 1);
    return cells[static_cast<std::size_t>(column)];
}

int Block::width() const {
    std::size_t w = 0;
    for (const auto& row : rows) w = std::max(w, row.size());
    return static_cast<int>(w);
}

namespace {

char16_t Raised(char16_t c) {
    static constexpr std::u16string_view Digits = u"⁰¹²³⁴⁵⁶⁷⁸⁹";
    if (c >= u'0' && c <= u'9') return Digits[static_cast<std::size_t>(c - u'0')];
    switch (c) {
        case u'−': return u'⁻';
        case u'+': return u'⁺';
        case u'(': return u'⁽';
        case u')': return u'⁾';
        default: return c;
    }
}

class BlockText {
public:
    explicit BlockText(const Block& block) : block_(block), width_(block.width()) {
        between_.assign(static_cast<std::size_t>(width_) + 1, false);
        for (int r = 0; r < rows(); ++r)
            for (int c = 0; c < width_; ++c) {
                if (cell(r, c).lineLeft) between_[static_cast<std::size_t>(c)] = true;
                if (cell(r, c).commaAfter) between_[static_cast<std::size_t>(c) + 1] = true;
            }
    }

    void write(std::u16string& out) const {
        for (int r = 0; r < rows(); ++r) {
            if (hasMarks(r)) line(out, marks(r), [&](int c) { return corner(r - 1, r, c) ? u'│' : u' '; });
            std::u16string chars;
            for (int c = 0; c < width_; ++c)
                chars.push_back(cell(r, c).raised ? Raised(cell(r, c).ch) : cell(r, c).ch);
            line(out, chars, [&](int c) {
                if (cell(r, c).lineLeft) return u'│';
                return cell(r, c - 1).commaAfter ? u',' : u' ';
            });
            if (hasLine(r)) {
                std::u16string rule;
                for (int c = 0; c < width_; ++c) rule.push_back(cell(r, c).lineBelow ? u'─' : u' ');
                line(out, rule, [&](int c) { return junction(r, c); });
            }
        }
    }

private:
    int rows() const { return static_cast<int>(block_.rows.size()); }
    const Cell& cell(int r, int c) const {
        static const Cell blank;
        if (r < 0 || r >= rows() || c < 0) return blank;
        const auto& row = block_.rows[static_cast<std::size_t>(r)];
        return c < static_cast<int>(row.size()) ? row[static_cast<std::size_t>(c)] : blank;
    }
    bool corner(int upper, int lower, int c) const {
        return cell(upper, c).lineLeft && cell(lower, c).lineLeft;
    }
    bool hasMarks(int r) const {
        for (int c = 0; c < width_; ++c)
            if (!cell(r, c).above.empty() || cell(r, c).bar) return true;
        return false;
    }
    bool hasLine(int r) const {
        for (int c = 0; c < width_; ++c)
            if (cell(r, c).lineBelow) return true;
        return false;
    }
    // The small text over the row: the root's bar, then the numbers and
    // dots, a longer one ending over its own cell unless that runs it into
    // the mark before.
    std::u16string marks(int r) const {
        std::u16string out(static_cast<std::size_t>(width_) + 4, u' ');
        for (int c = 0; c < width_; ++c)
            if (cell(r, c).bar) out[static_cast<std::size_t>(c)] = u'_';
        for (int c = 0; c < width_; ++c) {
            const std::u16string& above = cell(r, c).above;
            auto from = static_cast<std::size_t>(std::max(0, c + 1 - static_cast<int>(above.size())));
            // On or beside a mark before it, it starts over its own cell.
            const auto own = static_cast<std::size_t>(c);
            for (std::size_t i = from == 0 ? 0 : from - 1; i < own; ++i)
                if (out[i] != u' ') from = own;
            for (std::size_t i = 0; i < above.size(); ++i)
                if (from + i < out.size()) out[from + i] = above[i];
        }
        return out;
    }
    char16_t junction(int r, int c) const {
        const bool left = cell(r, c - 1).lineBelow;
        const bool right = cell(r, c).lineBelow;
        if (corner(r, r + 1, c)) return left && right ? u'┼' : right ? u'├' : left ? u'┤' : u'│';
        return left && right ? u'─' : u' ';
    }
    // One text line: the cells' characters with the column between cells
    // where the block has one, its blanks at the end cut.
    template <typename Between>
    void line(std::u16string& out, const std::u16string& chars, Between between) const {
        std::u16string text;
        for (int c = 0; c < static_cast<int>(chars.size()); ++c) {
            if (c <= width_ && between_[static_cast<std::size_t>(c)]) text.push_back(between(c));
            text.push_back(chars[static_cast<std::size_t>(c)]);
        }
        text.erase(text.find_last_not_of(u' ') + 1);
        out += text;
        out += u'\n';
    }

    const Block& block_;
    int width_;
    std::vector<bool> between_;  // a column of its own before cell c
};

}  // namespace

std::u16string NotebookText(const Notebook& notebook) {
    std::u16string out;
    for (const Block& block : notebook.blocks) BlockText(block).write(out);
    return out;
}

}  // namespace tambrel::notebook
