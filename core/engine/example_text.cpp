#include "example_text.h"

namespace tambrel {

namespace {
bool IsSign(char16_t c) { return InSet(SumOperators, c); }
}  // namespace

std::u16string NormaliseSigns(std::u16string_view s) {
    std::u16string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size();) {
        std::size_t j = i;
        while (j < s.size() && !IsSign(s[j])) ++j;
        out.append(s.substr(i, j - i));  // the stretch up to the next sign, as it stands
        if (j == s.size()) break;
        bool odd = false;
        for (i = j; i < s.size() && IsSign(s[i]); ++i) odd ^= s[i] == u'-';
        out.push_back(odd ? u'-' : u'+');
    }
    if (!out.empty() && out.front() == u'+') out.erase(0, 1);
    return out;
}

}  // namespace tambrel
