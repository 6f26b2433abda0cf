// Division «уголком» of a whole divisor. The dividend is written with the
// zeros the division brings down after its last digit, so that every
// product and remainder stands under the places it is taken from.
#include <algorithm>

#include "cells.h"
#include "pupil_action.h"
#include "words.h"

namespace tambrel::notebook {

namespace {

// The seven significant digits the program keeps.
constexpr int KeptDigits = 7;

}  // namespace

LongDivision DivideInColumn(const Decimal& dividend, const Decimal& divisor, bool withRemainder) {
    const long long b = SmallWhole(divisor).value_or(1);
    std::string digits = PlainDigits(Magnitude(dividend));
    std::erase(digits, ',');
    const auto whole = static_cast<int>(digits.size()) - dividend.scale;
    const auto given = static_cast<int>(digits.size());

    // The first partial dividend: the smallest leading part not less than
    // the divisor; before it, only the whole part's last place gives a
    // quotient digit, the 0 before the comma.
    int first = 0;
    long long value = 0;
    for (;; ++first) {
        if (first == static_cast<int>(digits.size())) digits.push_back('0');
        value = value * 10 + (digits[static_cast<std::size_t>(first)] - '0');
        if (value >= b || (withRemainder && first >= whole - 1) || first > given + 40) break;
    }
    struct Row {
        long long value;
        int end;  // position of its last digit in the dividend
        bool product;
    };
    std::vector<Row> rows;
    std::string quotient;
    long long partial = 0;
    int k = std::min(first, whole - 1);
    for (int i = 0; i < k; ++i) partial = partial * 10 + (digits[static_cast<std::size_t>(i)] - '0');
    for (;; ++k) {
        if (k == static_cast<int>(digits.size())) digits.push_back('0');
        partial = partial * 10 + (digits[static_cast<std::size_t>(k)] - '0');
        if (!rows.empty()) rows.back() = {partial, k, false};  // the next digit brought down
        const long long digit = partial / b;
        quotient.push_back(static_cast<char>('0' + digit));
        if (digit != 0) {
            rows.push_back({digit * b, k, true});
            partial -= digit * b;
            rows.push_back({partial, k, false});
        }
        const auto significant =
            static_cast<int>(quotient.size() - std::min(quotient.find_first_not_of('0'), quotient.size()));
        // The whole part is always done; after it, the program's digits
        // are enough, even where the dividend has more.
        const bool used = k >= given - 1;
        if (withRemainder ? k >= whole - 1
                          : k >= whole - 1 && ((used && partial == 0) || significant >= KeptDigits))
            break;
        if (k > given + 40) break;  // never reached: the quotient's digits run out first
    }
    const int places = std::max(0, k + 1 - whole);
    LongDivision out;
    std::string q = quotient;
    q.erase(0, std::min(q.find_first_not_of('0'), q.size() - 1));
    out.quotient = Decimal{false, q, places};
    out.remainder = Decimal{false, std::to_string(partial), places};

    Block& block = out.column;
    block.kind = BlockKind::Column;
    // The dividend as written, with the zeros brought down; its places
    // from column 1 on, column 0 left to the minus signs.
    Decimal written{false, digits, static_cast<int>(digits.size()) - whole};
    std::u16string text = Widened(PlainDigits(written));
    Put(block, 0, 1, text);
    const int corner = 1 + static_cast<int>(digits.size());
    const std::u16string divisorText = Widened(divisor.digits);
    const std::u16string quotientText = Widened(PlainDigits(out.quotient));
    Put(block, 0, corner, divisorText);
    Put(block, 1, corner, quotientText);
    block.at(0, corner).lineLeft = true;
    block.at(1, corner).lineLeft = true;
    for (int col = corner; col < corner + std::max(CellsOf(divisorText), CellsOf(quotientText)); ++col)
        block.at(0, col).lineBelow = true;
    int row = 1;
    for (const Row& r : rows) {
        const std::u16string number = Widened(std::to_string(r.value));
        const int from = r.end + 2 - CellsOf(number);
        Put(block, row, from, number);
        if (r.product) {
            block.at(row, from - 1).ch = words::Minus;
            for (int col = from; col <= r.end + 1; ++col) block.at(row, col).lineBelow = true;
        }
        ++row;
    }
    return out;
}

}  // namespace tambrel::notebook
