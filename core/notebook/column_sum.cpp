// Addition and subtraction in a column: places under each other, comma
// under comma, the missing places after the comma filled with 0; a dot over
// the place a ten is carried to, or over the digit a ten is borrowed from.
#include <algorithm>

#include "cells.h"
#include "pupil_action.h"
#include "words.h"

namespace tambrel::notebook {

namespace {

// The mark of a carried or borrowed ten.
constexpr char16_t Dot = u'·';

// Right-aligned so that its last cell is the column end.
void PutRight(Block& block, int row, int end, const std::string& digits) {
    const std::u16string text = Widened(digits);
    Put(block, row, end + 1 - CellsOf(text), text);
}

int Digit(const std::string& digits, std::size_t place) {
    return place < digits.size() ? digits[digits.size() - 1 - place] - '0' : 0;
}

}  // namespace

Block ColumnSum(const Decimal& top, const Decimal& bottom, bool subtract) {
    const int scale = std::max(top.scale, bottom.scale);
    const Decimal x = WithScale(Magnitude(top), scale);
    const Decimal y = WithScale(Magnitude(bottom), scale);
    const Decimal result = WithScale(subtract ? SubtractMagnitudes(x, y) : AddMagnitudes(x, y), scale);
    const std::string tx = PlainDigits(x);
    const std::string ty = PlainDigits(y);
    const std::string tr = PlainDigits(result);
    // Column 0 holds the sign, column 1 stays blank.
    const int end = 1 + std::max({CellsOf(Widened(tx)), CellsOf(Widened(ty)), CellsOf(Widened(tr))});

    Block block;
    block.kind = BlockKind::Column;
    PutRight(block, 0, end, tx);
    block.at(1, 0).ch = subtract ? words::Minus : words::Plus;
    PutRight(block, 1, end, ty);
    for (int col = 2; col <= end; ++col) block.at(1, col).lineBelow = true;
    PutRight(block, 2, end, tr);

    // The carries and borrows, place by place from the right.
    int carry = 0;
    for (std::size_t place = 0; place < x.digits.size() || place < y.digits.size(); ++place) {
        const int a = Digit(x.digits, place);
        const int b = Digit(y.digits, place);
        const int s = subtract ? a - carry - b : a + carry + b;
        carry = subtract ? (s < 0 ? 1 : 0) : s / 10;
        if (carry != 0) block.at(0, end - static_cast<int>(place) - 1).above.assign(1, Dot);
    }
    return block;
}

}  // namespace tambrel::notebook
