#pragma once

#include <string>
#include <string_view>

namespace tambrel {

// Character classes of an example and 1-based access to its characters,
// as the checks and the steps count them.

// Whether c is one of the characters of set; NUL never is.
constexpr bool InSet(std::u16string_view set, char16_t c) {
    for (const char16_t member : set)
        if (member == c) return c != u'\0';
    return false;
}
// The operators, strongest first: the power; multiplication, division and
// integer division; addition and subtraction.
inline constexpr std::u16string_view Operators = u"^*/\\+-";
// The operators of the middle and the lowest rank.
inline constexpr std::u16string_view ProductOperators = Operators.substr(1, 3);
inline constexpr std::u16string_view SumOperators = Operators.substr(4, 2);

inline bool IsOperator(char16_t c) { return InSet(Operators, c); }
// An operator that cannot be the sign of a number: every operator but "-".
inline bool IsOperatorButMinus(char16_t c) { return c != u'-' && IsOperator(c); }
inline bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }
inline constexpr char16_t DecimalComma = u',';
// A character of a number as an example writes it: a digit or the comma.
inline bool IsNumberChar(char16_t c) { return IsDigit(c) || c == DecimalComma; }

// The character at 1-based position i, or NUL outside the text.
inline char16_t At(std::u16string_view text, long i) {
    return i >= 1 && i <= static_cast<long>(text.size()) ? text[static_cast<std::size_t>(i - 1)] : u'\0';
}

// Positions first..last (1-based, inclusive); empty when last < first.
inline std::u16string_view Span(std::u16string_view text, long first, long last) {
    if (first < 1) first = 1;
    if (last > static_cast<long>(text.size())) last = static_cast<long>(text.size());
    if (last < first) return {};
    return text.substr(static_cast<std::size_t>(first - 1), static_cast<std::size_t>(last - first + 1));
}

// Check 6 in docs/how_it_works.md. Collapses sign pairs: "+-" and "-+" to
// "-", "++" to "+", "--" to "+", until none is left, then drops one leading
// "+". Done as one pass: every run of signs ends as a single "-" when it
// holds an odd number of minuses, else as "+", which is where the repeated
// rewriting always arrives.
std::u16string NormaliseSigns(std::u16string_view s);

}  // namespace tambrel
