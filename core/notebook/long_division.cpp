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

// The work of one division: the dividend's digits with the zeros brought
// down, every product and remainder with the place of its last digit, the
// quotient's digits, the last place used and what is left there.
struct Work {
    struct Row {
        long long value;
        int end;  // position of its last digit in the dividend
        bool product;
    };
    std::string digits;
    std::vector<Row> rows;
    std::string quotient;
    int last = 0;
    long long partial = 0;
};

// The first partial dividend: the smallest leading part not less than the
// divisor; before it, only the whole part's last place gives a quotient
// digit, the 0 before the comma.
int FirstPartial(std::string& digits, long long b, int whole, int given, bool withRemainder) {
    int first = 0;
    long long value = 0;
    for (;; ++first) {
        if (first == static_cast<int>(digits.size())) digits.push_back('0');
        value = value * 10 + (digits[static_cast<std::size_t>(first)] - '0');
        if (value >= b || (withRemainder && first >= whole - 1) || first > given + 40) return first;
    }
}

Work Divide(std::string digits, long long b, int whole, bool withRemainder) {
    const auto given = static_cast<int>(digits.size());
    Work w;
    int k = std::min(FirstPartial(digits, b, whole, given, withRemainder), whole - 1);
    long long partial = 0;
    for (int i = 0; i < k; ++i) partial = partial * 10 + (digits[static_cast<std::size_t>(i)] - '0');
    for (;; ++k) {
        if (k == static_cast<int>(digits.size())) digits.push_back('0');
        partial = partial * 10 + (digits[static_cast<std::size_t>(k)] - '0');
        if (!w.rows.empty()) w.rows.back() = {partial, k, false};  // the next digit brought down
        const long long digit = partial / b;
        w.quotient.push_back(static_cast<char>('0' + digit));
        if (digit != 0) {
            w.rows.push_back({digit * b, k, true});
            partial -= digit * b;
            w.rows.push_back({partial, k, false});
        }
        const auto significant = static_cast<int>(
            w.quotient.size() - std::min(w.quotient.find_first_not_of('0'), w.quotient.size()));
        // The whole part is always done; after it, the program's digits
        // are enough, even where the dividend has more.
        const bool used = k >= given - 1;
        if (withRemainder ? k >= whole - 1
                          : k >= whole - 1 && ((used && partial == 0) || significant >= KeptDigits))
            break;
        if (k > given + 40) break;  // never reached: the quotient's digits run out first
    }
    w.digits = std::move(digits);
    w.last = k;
    w.partial = partial;
    return w;
}

// The column: the dividend with the corner, the divisor over the line, the
// quotient under it, and every product and remainder under its places.
void Draw(Block& block, const Work& w, int whole, const Decimal& divisor, const Decimal& quotient) {
    block.kind = BlockKind::Column;
    // The dividend's places from column 1 on, column 0 left to the minus signs.
    const Decimal written{false, w.digits, static_cast<int>(w.digits.size()) - whole};
    Put(block, 0, 1, Widened(PlainDigits(written)));
    const int corner = 1 + static_cast<int>(w.digits.size());
    const std::u16string divisorText = Widened(divisor.digits);
    const std::u16string quotientText = Widened(PlainDigits(quotient));
    Put(block, 0, corner, divisorText);
    Put(block, 1, corner, quotientText);
    block.at(0, corner).lineLeft = true;
    block.at(1, corner).lineLeft = true;
    for (int col = corner; col < corner + std::max(CellsOf(divisorText), CellsOf(quotientText)); ++col)
        block.at(0, col).lineBelow = true;
    int row = 1;
    for (const Work::Row& r : w.rows) {
        const std::u16string number = Widened(std::to_string(r.value));
        const int from = r.end + 2 - CellsOf(number);
        Put(block, row, from, number);
        if (r.product) {
            block.at(row, from - 1).ch = words::Minus;
            for (int col = from; col <= r.end + 1; ++col) block.at(row, col).lineBelow = true;
        }
        ++row;
    }
}

}  // namespace

LongDivision DivideInColumn(const Decimal& dividend, const Decimal& divisor, bool withRemainder) {
    const long long b = SmallWhole(divisor).value_or(1);
    std::string digits = PlainDigits(Magnitude(dividend));
    std::erase(digits, ',');
    const auto whole = static_cast<int>(digits.size()) - dividend.scale;
    const Work w = Divide(std::move(digits), b, whole, withRemainder);
    const int places = std::max(0, w.last + 1 - whole);
    LongDivision out;
    std::string q = w.quotient;
    q.erase(0, std::min(q.find_first_not_of('0'), q.size() - 1));
    out.quotient = Decimal{false, q, places};
    out.remainder = Decimal{false, std::to_string(w.partial), places};
    Draw(out.column, w, whole, divisor, out.quotient);
    return out;
}

}  // namespace tambrel::notebook
