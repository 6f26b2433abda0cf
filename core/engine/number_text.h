#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tambrel {

// Numbers between steps live only as text inside the example; these read
// and write that text in single precision, whatever the system locale says.

// The bound of the number range as the messages write it: numbers run from
// -9 999 999 to 9 999 999.
inline constexpr std::u16string_view LimitText = u"9'999'999";

// The same bound as a value; it and its negative are exact in single
// precision.
inline constexpr float NumberLimit = [] {
    std::int32_t value = 0;
    for (const char16_t c : LimitText)
        if (c != u'\'') value = value * 10 + (c - u'0');
    return static_cast<float>(value);
}();

// Reads an operand: an optional leading "-", digits and at most one ","
// as the decimal comma; ",5" reads 0,5, "5," reads 5 and a lone "," reads 0.
// The decimal value is rounded correctly to float. Anything else (two
// commas, a lone "-", "-,", other characters) is not a number: nullopt.
// A number too large for float reads as an infinity of its sign, one too
// small for it as a zero of its sign.
std::optional<float> ReadNumber(std::u16string_view text);

// An operand read both ways at once: as ReadNumber reads it, for the checks
// and the step line, and as the decimal value it stands for, in double
// precision, for the arithmetic, so that 39,9+25,7 is 65,6 and not the sum
// of the two nearest floats. Nothing where ReadNumber gives nothing.
struct NumberReading {
    float single;
    double value;
};
std::optional<NumberReading> ReadOperand(std::u16string_view text);

// Plain rendering, used in the example and the answer: "2,5", "-0,5",
// "3,333333E-05"; zero of either sign is "0".
std::u16string NumberText(float value);

// List rendering: "." as separator, no whole part "0", and a space in front
// of zero and positive values: " 2.5", " .5", "-.5", " 3.333333E-05".
std::u16string ListNumberText(float value);

// Whether the text holds a number in exponent form, as NumberText writes
// the smallest values ("3,333333E-05"): a digit, "E" and a sign. No operand
// walk of the steps can read such a number.
bool HoldsExponentForm(std::u16string_view text);

}  // namespace tambrel
