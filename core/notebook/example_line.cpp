// The example as the pupil copies it: school signs, blanks around the
// signs of actions, the exponent raised, the root's bar over its number,
// and each action's number over its sign.
#include <string>

#include "cells.h"
#include "pupil_action.h"
#include "words.h"

namespace tambrel::notebook {

namespace {

bool IsActionChar(char16_t c) {
    return c == u'+' || c == u'-' || c == u'*' || c == u'/' || c == u'\\' || c == u'^';
}
bool IsNumberChar(char16_t c) { return (c >= u'0' && c <= u'9') || c == u','; }

char16_t SchoolSign(char16_t c) {
    switch (c) {
        case u'-': return words::Minus;
        case u'*': return words::Times;
        case u'/': return words::Divided;
        default: return c;
    }
}

class LineWriter {
public:
    explicit LineWriter(std::u16string_view e) : e_(e), cellOf_(e.size(), -1), match_(e.size(), -1) {
        block.kind = BlockKind::Example;
        std::vector<std::size_t> open;
        for (std::size_t i = 0; i < e.size(); ++i) {
            if (e[i] == u'(') open.push_back(i);
            if (e[i] == u')' && !open.empty()) {
                match_[open.back()] = static_cast<long>(i);
                open.pop_back();
            }
        }
        write(0, e.size(), false);
    }

    int cellOf(long position) const { return cellOf_[static_cast<std::size_t>(position)]; }

    Block block;

private:
    // The end of the bracket opened at i, or of the text when it stays open.
    std::size_t closing(std::size_t i) const {
        return match_[i] < 0 ? e_.size() : static_cast<std::size_t>(match_[i]) + 1;
    }
    // A bracket that holds one number alone, a sign in front allowed.
    bool holdsNumber(std::size_t from, std::size_t to) const {
        if (to - from < 3 || e_[from] != u'(' || e_[to - 1] != u')') return false;
        std::size_t i = from + 1;
        if (e_[i] == u'-') ++i;
        if (i == to - 1) return false;
        for (; i < to - 1; ++i)
            if (!IsNumberChar(e_[i])) return false;
        return true;
    }
    void cell(std::size_t i, char16_t c, bool raised) {
        cellOf_[i] = column_;
        Put(block, 0, column_++, std::u16string(1, c), raised);
    }
    void write(std::size_t from, std::size_t to, bool raised) {
        for (std::size_t i = from; i < to; ++i) {
            const char16_t c = e_[i];
            const bool sign = c == u'-' && (i == 0 || e_[i - 1] == u'(' || IsActionChar(e_[i - 1]));
            if (c == u',') {
                // A comma without a digit before it reads as "0,".
                if (i == 0 || !IsNumberChar(e_[i - 1]) || column_ == 0) cell(i, u'0', raised);
                block.at(0, column_ - 1).commaAfter = true;
                cellOf_[i] = column_ - 1;
            } else if (c == u'^' && i + 1 < to) {
                std::size_t end = i + 1;
                if (e_[end] == u'(') {
                    end = closing(end);
                } else if (e_[end] == u'K' && end + 1 < to && e_[end + 1] == u'(') {
                    end = closing(end + 1);
                } else {
                    while (end < to && IsNumberChar(e_[end])) ++end;
                }
                end = std::min(end, to);
                cellOf_[i] = column_;
                if (holdsNumber(i + 1, end))
                    write(i + 2, end - 1, true);
                else
                    write(i + 1, end, true);
                i = end - 1;
            } else if (c == u'K' && i + 1 < to && e_[i + 1] == u'(') {
                cell(i, words::Root, raised);
                const std::size_t end = std::min(closing(i + 1), to);
                const int first = column_;
                if (holdsNumber(i + 1, end))
                    write(i + 2, end - 1, raised);
                else
                    write(i + 1, end, raised);
                for (int col = first; col < column_; ++col) block.at(0, col).bar = true;
                i = end - 1;
            } else if (IsActionChar(c) && !sign && !raised) {
                column_ += 1;
                cell(i, SchoolSign(c), raised);
                column_ += 1;
            } else {
                cell(i, SchoolSign(c), raised);
            }
        }
    }

    std::u16string_view e_;
    std::vector<int> cellOf_;
    std::vector<long> match_;
    int column_ = 0;
};

}  // namespace

Block ExampleLine(std::u16string_view example, const std::vector<PupilAction>& actions) {
    LineWriter line(example);
    for (const PupilAction& action : actions) {
        if (action.sign < 0 || action.sign >= static_cast<long>(example.size())) continue;
        const int column = line.cellOf(action.sign);
        if (column >= 0) line.block.at(0, column).above = Widened(std::to_string(action.number));
    }
    return line.block;
}

}  // namespace tambrel::notebook
