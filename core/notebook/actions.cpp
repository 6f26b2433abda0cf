// Every action on a line of its own, numbered as in the list, and under it
// the work a pupil writes out: the column, a divisor made whole, the
// rounding to whole numbers, the line that gives the sign. What is done in
// the head gets no column.
#include <algorithm>
#include <optional>
#include <string>

#include "cells.h"
#include "pupil_action.h"
#include "words.h"

namespace tambrel::notebook {

namespace {

using Text = std::u16string;

bool IsPowerOfTen(const Decimal& d) {
    return d.digits.find_first_not_of('0', 1) == std::string::npos && d.digits[0] == '1';
}
bool OneDigitWhole(const Decimal& d) { return IsWhole(d) && d.digits.size() == 1; }
// Adding or taking away a one-digit number to or from one of at most two
// digits, or a zero.
bool InHead(const Decimal& a, const Decimal& b) {
    const auto small = [](const Decimal& d) { return IsWhole(d) && d.digits.size() <= 2; };
    return a.isZero() || b.isZero() || (OneDigitWhole(a) && small(b)) || (OneDigitWhole(b) && small(a));
}
// The digits read without the comma are a number of the multiplication table.
bool TableNumber(const Decimal& d) { return d.digits.size() == 1 || d.digits == "10"; }

Decimal SignedSum(const Decimal& a, const Decimal& b) {
    if (a.negative == b.negative) {
        Decimal sum = AddMagnitudes(a, b);
        sum.negative = a.negative;
        return Tidy(sum);
    }
    const bool aLarger = CompareMagnitudes(a, b) >= 0;
    Decimal difference = aLarger ? SubtractMagnitudes(a, b) : SubtractMagnitudes(b, a);
    difference.negative = aLarger ? a.negative : b.negative;
    return Tidy(difference);
}

// Longer numbers than any pupil multiplies get no column, nor an exact
// product: a column of their partial products would not fit a page.
constexpr std::size_t LongestFactors = 60;

Decimal SignedProduct(const Decimal& a, const Decimal& b) {
    Decimal product = MultiplyMagnitudes(a, b);
    product.negative = a.negative != b.negative;
    return Tidy(product);
}

// A number rounded to a whole one, halves to the even one, as the program
// rounds the operands of "\".
Decimal WholeHalfEven(const Decimal& d) {
    Decimal tidy = Tidy(d);
    if (tidy.scale == 0) return tidy;
    // "0,5" and "12,25": the whole part before the comma, the fraction after.
    const std::string written = PlainDigits(tidy);
    const std::size_t comma = written.find(',');
    const std::string whole = written.substr(0, comma);
    const std::string fraction = written.substr(comma + 1);
    const int last = whole.back() - '0';
    const bool up = fraction[0] > '5' || (fraction[0] == '5' && (fraction.size() > 1 || last % 2 == 1));
    return Tidy(Decimal{tidy.negative, up ? SumOfDigits(whole, "1") : SumOfDigits(whole, "0"), 0});
}

class ActionWriter {
public:
    ActionWriter(const PupilAction& a, std::vector<Block>& blocks) : a_(a), blocks_(blocks) {
        label_ = Widened(std::to_string(a.number)) + u") ";
        indent_ = CellsOf(label_);
    }

    void write() {
        switch (a_.op) {
            case u'+':
            case u'-': sum(); break;
            case u'*': product(); break;
            case u'/': quotient(); break;
            case u'\\': wholeQuotient(); break;
            case u'^': power(); break;
            default: root(); break;
        }
    }

private:
    // "= " and the value carried on, or "≈ " where that is not the exact
    // result (nothing: not known exactly).
    Text result(const std::optional<Decimal>& exact) const {
        const Decimal carried = Tidy(a_.carried);
        const bool same = exact && SchoolText(Tidy(*exact)) == SchoolText(carried);
        return Text(same ? words::Equals : words::About) + SchoolText(carried);
    }
    void line(const Text& text) {
        Block block = OneLine(BlockKind::Action, label_ + text);
        blocks_.push_back(std::move(block));
    }
    void under(Block block) {
        Indent(block, indent_);
        blocks_.push_back(std::move(block));
    }
    void note(const Text& text) { under(OneLine(BlockKind::Note, text)); }
    void signLine(bool negative, std::u16string_view why) {
        note(Text(words::Sign) + (negative ? words::Minus : words::Plus) + Text(why));
    }
    void binary(char16_t sign, const std::optional<Decimal>& exact) {
        line(Operand(a_.left) + u' ' + sign + u' ' + Operand(a_.right) + result(exact));
    }

    void sum() {
        const Decimal& l = a_.left;
        const Decimal r = a_.op == u'+' ? a_.right : Negated(a_.right);
        const Decimal exact = SignedSum(l, r);
        binary(a_.op == u'+' ? words::Plus : words::Minus, exact);
        if (InHead(l, r)) return;
        if (l.negative == r.negative) {
            under(ColumnSum(l, r, false));
            if (l.negative) signLine(true, words::SignOfBoth);
            return;
        }
        const bool leftLarger = CompareMagnitudes(l, r) >= 0;
        under(leftLarger ? ColumnSum(l, r, true) : ColumnSum(r, l, true));
        const bool plain = !l.negative && a_.op == u'-' && !a_.right.negative && leftLarger;
        if (!plain && !exact.isZero()) signLine(exact.negative, words::SignOfLarger);
    }

    // A multiplication's column with the line of its sign, unless the
    // pupil does it in the head.
    void productWork(const Decimal& x, const Decimal& y) {
        if (x.isZero() || y.isZero() || IsPowerOfTen(x) || IsPowerOfTen(y) ||
            (TableNumber(x) && TableNumber(y)))
            return;
        under(ColumnProduct(x, y));
    }
    void productSign(const Decimal& x, const Decimal& y, bool column) {
        if (!column || (!x.negative && !y.negative) || x.isZero() || y.isZero()) return;
        signLine(x.negative != y.negative,
                 x.negative == y.negative ? words::MinusByMinus : words::MinusByPlus);
    }

    void product() {
        if (a_.left.digits.size() + a_.right.digits.size() > LongestFactors) {
            binary(words::Times, std::nullopt);
            return;
        }
        binary(words::Times, SignedProduct(a_.left, a_.right));
        const std::size_t before = blocks_.size();
        productWork(a_.left, a_.right);
        productSign(a_.left, a_.right, blocks_.size() != before);
    }

    void quotient() {
        const Decimal x = Tidy(a_.left);
        const Decimal y = Tidy(a_.right);
        // A divisor longer than any pupil divides by gets no column.
        if (!SmallWhole(y)) {
            binary(words::Divided, std::nullopt);
            return;
        }
        // The divisor made whole: both commas moved as many places.
        const Decimal dividend = Tidy(Decimal{false, ShiftedLeft(x.digits, y.scale), x.scale});
        const Decimal divisor{false, y.digits, 0};
        LongDivision work = DivideInColumn(dividend, divisor, false);
        Decimal exact = work.quotient;
        exact.negative = x.negative != y.negative;
        // A quotient cut at seven digits is never the exact one.
        binary(words::Divided, work.remainder.isZero() ? std::optional(exact) : std::nullopt);
        const auto facts = [&] {
            const auto a = SmallWhole(dividend);
            const auto b = SmallWhole(divisor);
            return dividend.scale == 0 && a && b && *b <= 10 && *a % *b == 0 && *a / *b <= 10;
        };
        if (x.isZero() || IsPowerOfTen(y) || facts()) return;
        if (y.scale > 0)
            note(SchoolText(Magnitude(x)) + u' ' + words::Divided + u' ' + SchoolText(Magnitude(y)) +
                 Text(words::Equals) + SchoolText(dividend) + u' ' + words::Divided + u' ' +
                 SchoolText(divisor));
        under(std::move(work.column));
        productSign(x, y, true);
    }

    void wholeQuotient() {
        const Decimal x = WholeHalfEven(a_.left);
        const Decimal y = WholeHalfEven(a_.right);
        const long long a = SmallWhole(Magnitude(x)).value_or(0);
        const long long b = std::max(1LL, SmallWhole(Magnitude(y)).value_or(1));
        Decimal exact{x.negative != y.negative, std::to_string(a / b), 0};
        Text text =
            Operand(a_.left) + u' ' + words::WholeDivided + u' ' + Operand(a_.right) + result(Tidy(exact));
        if (!x.negative && !y.negative)
            text += Text(words::RemainderOpen) + Widened(std::to_string(a % b)) + Text(words::RemainderClose);
        line(text);
        Text rounded;
        for (const auto& [given, whole] : {std::pair{Tidy(a_.left), x}, std::pair{Tidy(a_.right), y}}) {
            if (given.scale == 0) continue;
            if (!rounded.empty()) rounded += words::ListSeparator;
            rounded += SchoolText(given) + Text(words::About) + SchoolText(whole);
        }
        if (!rounded.empty()) note(Text(words::RoundToWhole) + rounded + Text(words::FullStop));
        if (a / b == 0 || (b <= 10 && a / b <= 10)) return;
        under(DivideInColumn(Magnitude(x), Magnitude(y), true).column);
        productSign(x, y, true);
    }

    void power() {
        const Decimal& base = a_.left;
        const Decimal exponent = Tidy(a_.right);
        const Text raised = SchoolText(exponent);
        Block block = OneLine(BlockKind::Action, label_ + Operand(base));
        Put(block, 0, block.width(), raised, true);
        const bool written =
            IsWhole(exponent) && !exponent.negative && (exponent.digits == "2" || exponent.digits == "3");
        if (!written) {
            // Whole exponents are worked out exactly where the number stays
            // short; any other power is as exact as its digits show.
            std::optional<Decimal> exact = Decimal{false, "1", 0};
            const bool whole = IsWhole(exponent) && !exponent.negative && exponent.digits.size() <= 2;
            for (int i = 0; exact && whole && i < *SmallWhole(exponent); ++i) {
                exact = SignedProduct(*exact, base);
                if (exact->digits.size() > 40) exact.reset();
            }
            if (!whole || !exact)
                exact = SignificantDigits(a_.carried) >= 7 ? std::nullopt : std::optional(a_.carried);
            Put(block, 0, block.width(), result(exact));
            blocks_.push_back(std::move(block));
            return;
        }
        const int times = exponent.digits == "2" ? 2 : 3;
        Text chain;
        for (int i = 0; i < times; ++i)
            chain += (i == 0 ? Text() : Text(u" ") + words::Times + u' ') + Operand(base);
        const Decimal square = SignedProduct(base, base);
        const Decimal exact = times == 2 ? square : SignedProduct(square, base);
        Put(block, 0, block.width(), Text(words::Equals) + chain + result(exact));
        blocks_.push_back(std::move(block));
        const std::size_t before = blocks_.size();
        productWork(Magnitude(base), Magnitude(base));
        if (times == 3) productWork(Magnitude(square), Magnitude(base));
        if (blocks_.size() != before && base.negative)
            signLine(times == 3, times == 2 ? words::MinusByMinus : words::OddPower);
    }

    void root() {
        const Decimal x = Tidy(a_.right);
        const Decimal r = Tidy(a_.carried);
        Block block = OneLine(BlockKind::Action, label_ + words::Root);
        const int first = block.width();
        Put(block, 0, first, SchoolText(x));
        for (int col = first; col < block.width(); ++col) block.at(0, col).bar = true;
        const Decimal square = SignedProduct(r, r);
        if (square.digits == x.digits && square.scale == x.scale) {
            Put(block, 0, block.width(),
                Text(words::Equals) + SchoolText(r) + Text(words::Because) + SchoolText(r) + u' ' +
                    words::Times + u' ' + SchoolText(r) + Text(words::Equals) + SchoolText(x));
        } else {
            Put(block, 0, block.width(), Text(words::About) + SchoolText(r));
        }
        blocks_.push_back(std::move(block));
    }

    const PupilAction& a_;
    std::vector<Block>& blocks_;
    Text label_;
    int indent_ = 0;
};

}  // namespace

void WriteAction(const PupilAction& action, std::vector<Block>& blocks) {
    ActionWriter(action, blocks).write();
}

}  // namespace tambrel::notebook
