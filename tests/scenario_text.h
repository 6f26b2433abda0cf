#pragma once

// How a scenario line writes its fields and texts, read alike by the core's
// runner and the window's: "|" and ";" separate, "\|" and "\;" do not;
// {TEXT×N} repeats; \s \r \b \t \n \0 \e \\ escape; "_" marks the caret and
// "[…]" a selection.

#include <string>
#include <vector>

#include "utf.h"

namespace tambrel::testing {

// Fields split on an unescaped separator, blanks trimmed, "\|" and "\;"
// unescaped.
inline std::vector<std::string> SplitOn(const std::string& line, char separator) {
    std::vector<std::string> parts(1);
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] == '\\' && i + 1 < line.size() && line[i + 1] == separator) {
            parts.back() += separator;
            ++i;
        } else if (line[i] == separator) {
            parts.emplace_back();
        } else {
            parts.back() += line[i];
        }
    }
    for (std::string& p : parts) {
        p.erase(0, p.find_first_not_of(' '));
        p.erase(p.find_last_not_of(' ') + 1);
    }
    return parts;
}

// {TEXT×N} repeated, innermost first, then the escapes. By hand: a
// clipboard of ten megabytes is no text for a regular expression.
inline std::u16string Text(std::string s) {
    static const std::string times = "×";
    for (std::size_t close; (close = s.find('}')) != std::string::npos;) {
        const std::size_t open = s.rfind('{', close);
        const std::size_t mark = s.rfind(times, close);
        if (open == std::string::npos || mark == std::string::npos || mark < open) break;
        const std::string copy = s.substr(open + 1, mark - open - 1);
        std::string copies;
        for (int i = std::stoi(s.substr(mark + times.size(), close - mark - times.size())); i > 0; --i)
            copies += copy;
        s.replace(open, close + 1 - open, copies);
    }
    const std::u16string wide = Utf8ToUtf16(s).value_or(u"\uFFFD");
    static const std::u16string from = u"srbtn0e\\";
    static const std::u16string to(u" \r\b\t\n\0\x1b\\", 8);
    std::u16string out;
    for (std::size_t i = 0; i < wide.size(); ++i) {
        const std::size_t k =
            wide[i] == u'\\' && i + 1 < wide.size() ? from.find(wide[i + 1]) : std::u16string::npos;
        out += k == std::u16string::npos ? wide[i] : to[k];
        if (k != std::u16string::npos) ++i;
    }
    return out;
}

// An example with "_" for the caret and "[…]" for a selection, the caret
// after it; without either the caret stands at the end.
struct Marked {
    std::u16string text;
    int caret = -1;
    int selection = -1;
};

inline Marked ParseMarked(const std::string& s) {
    Marked m;
    for (const char16_t c : Text(s)) {
        const auto at = static_cast<int>(m.text.size());
        if (c == u'_' || c == u']') {
            m.caret = at;
        } else if (c == u'[') {
            m.selection = at;
        } else {
            m.text += c;
        }
    }
    if (m.caret < 0) m.caret = static_cast<int>(m.text.size());
    return m;
}

}  // namespace tambrel::testing
