#pragma once

#include <string>
#include <string_view>

namespace tambrel {

// Character classes of an example and 1-based access to its characters,
// as the checks and the steps count them.

inline bool InSet(std::u16string_view set, char16_t c) {
    return c != u'\0' && set.find(c) != std::u16string_view::npos;
}
// The operators: - + * / \ ^
inline bool IsOperator(char16_t c) {
    switch (c) {
        case u'-':
        case u'+':
        case u'*':
        case u'/':
        case u'\\':
        case u'^': return true;
        default: return false;
    }
}
inline bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

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

// Collapses sign pairs: "+-" and "-+" to "-", "++" to "+", "--" to "+",
// until none is left, then drops one leading "+". Done as one pass: every
// run of signs ends as a single "-" when it holds an odd number of minuses,
// else as "+", which is where the repeated rewriting always arrives.
std::u16string NormaliseSigns(std::u16string_view s);

}  // namespace tambrel
