#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tambrel::notebook {

// A number as the pupil writes it: its digits as one whole number and the
// places after the comma, worked on exactly, place by place, as in a column.
struct Decimal {
    bool negative = false;
    std::string digits = "0";  // ASCII digits, no leading zeros; "0" for zero
    int scale = 0;             // places after the comma

    bool isZero() const { return digits == "0"; }
};

// An operand as the example writes it ("-12,50", ",5", "5,", "007") or a
// result as the program writes it, in exponent form too ("3,333333E-05").
std::optional<Decimal> ReadDecimal(std::u16string_view text);

// Trailing zeros after the comma dropped; a zero is never negative.
Decimal Tidy(Decimal d);
// The same number written with scale places after the comma (scale not
// below the number's own).
Decimal WithScale(Decimal d, int scale);
// Significant digits of the number as written.
int SignificantDigits(const Decimal& d);
Decimal Magnitude(Decimal d);
Decimal Negated(Decimal d);
bool IsWhole(const Decimal& d);
// The whole number the digits make when read without the comma, if small.
std::optional<long long> SmallWhole(const Decimal& d);

// Exact arithmetic of magnitudes.
int CompareMagnitudes(const Decimal& a, const Decimal& b);
Decimal AddMagnitudes(const Decimal& a, const Decimal& b);
Decimal SubtractMagnitudes(const Decimal& a, const Decimal& b);  // |a| >= |b|
Decimal MultiplyMagnitudes(const Decimal& a, const Decimal& b);
// Digit strings as whole numbers.
std::string TimesDigit(const std::string& digits, int digit);
std::string ShiftedLeft(const std::string& digits, int places);  // times 10^places
std::string SumOfDigits(const std::string& a, const std::string& b);

// The school's writing: "−" for minus, the decimal comma.
std::u16string SchoolText(const Decimal& d);
// The plain digits with the comma, without a sign: "12,50".
std::string PlainDigits(const Decimal& d);

}  // namespace tambrel::notebook
