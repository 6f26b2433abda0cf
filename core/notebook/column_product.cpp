// Multiplication in a column: the factor with more digits on top, both
// right-aligned whatever their commas; one partial product for every digit
// of the lower factor that is not 0, each shifted to its place; the
// product's comma counted from the right.
#include <algorithm>

#include "cells.h"
#include "pupil_action.h"
#include "words.h"

namespace tambrel::notebook {

Block ColumnProduct(const Decimal& a, const Decimal& b) {
    const bool aOnTop = a.digits.size() >= b.digits.size();
    const Decimal top = Magnitude(aOnTop ? a : b);
    const Decimal lower = Magnitude(aOnTop ? b : a);
    const Decimal product = MultiplyMagnitudes(top, lower);
    struct Partial {
        std::string digits;
        int shift;
    };
    std::vector<Partial> partials;
    for (std::size_t place = 0; place < lower.digits.size(); ++place) {
        const int digit = lower.digits[lower.digits.size() - 1 - place] - '0';
        if (digit != 0) partials.push_back({TimesDigit(top.digits, digit), static_cast<int>(place)});
    }
    const std::u16string tt = Widened(PlainDigits(top));
    const std::u16string tl = Widened(PlainDigits(lower));
    const std::u16string tp = Widened(PlainDigits(product));
    // Column 0 holds the sign, column 1 stays blank.
    int end = 1 + std::max({CellsOf(tt), CellsOf(tl), CellsOf(tp)});
    for (const Partial& p : partials) end = std::max(end, 1 + static_cast<int>(p.digits.size()) + p.shift);

    Block block;
    block.kind = BlockKind::Column;
    const auto right = [&](int row, int last, const std::u16string& text) {
        Put(block, row, last + 1 - CellsOf(text), text);
    };
    const auto rule = [&](int row) {
        for (int col = 2; col <= end; ++col) block.at(row, col).lineBelow = true;
    };
    right(0, end, tt);
    block.at(1, 0).ch = words::ColumnTimes;
    right(1, end, tl);
    rule(1);
    int row = 2;
    // One partial product is the product itself, its zeros written in.
    if (partials.size() > 1) {
        for (const Partial& p : partials) {
            if (row == 3) block.at(row, 0).ch = words::Plus;
            right(row++, end - p.shift, Widened(p.digits));
        }
        rule(row - 1);
    }
    right(row, end, tp);
    return block;
}

}  // namespace tambrel::notebook
