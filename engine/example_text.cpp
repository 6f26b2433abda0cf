#include "example_text.h"

namespace tambrel {

namespace {
bool IsSign(char16_t c) { return c == u'+' || c == u'-'; }
}  // namespace

std::u16string NormaliseSigns(std::u16string_view s) {
    std::u16string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size();) {
        if (!IsSign(s[i])) {
            out.push_back(s[i++]);
            continue;
        }
        bool odd = false;
        for (; i < s.size() && IsSign(s[i]); ++i) odd ^= s[i] == u'-';
        out.push_back(odd ? u'-' : u'+');
    }
    if (!out.empty() && out.front() == u'+') out.erase(0, 1);
    return out;
}

}  // namespace tambrel
