// The words a screen reader is given for examples and list items, case by
// case from spoken_text_cases.txt. Standard library only: no Qt.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "spoken_text.h"

namespace tambrel {
namespace {

struct Case {
    int line;
    std::string kind;
    std::string text;
    std::string spoken;
};

// UTF-8 to UTF-16; the cases hold Cyrillic only inside the BMP.
std::u16string Utf16(const std::string& s) {
    std::u16string out;
    for (std::size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        const int extra = c < 0x80 ? 0 : c < 0xE0 ? 1 : 2;
        char32_t code = extra == 0 ? c : extra == 1 ? (c & 0x1Fu) : (c & 0x0Fu);
        for (int k = 1; k <= extra; ++k) code = (code << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3Fu);
        out += static_cast<char16_t>(code);
        i += static_cast<std::size_t>(extra) + 1;
    }
    return out;
}

std::string Utf8(const std::u16string& s) {
    std::string out;
    for (const char16_t c : s) {
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

std::vector<Case> ReadCases() {
    std::ifstream file(SPOKEN_TEXT_CASES);
    std::vector<Case> cases;
    std::string line;
    const std::string open = "«", close = "»", bar = " | ";
    for (int number = 1; std::getline(file, line); ++number) {
        if (line.empty() || line[0] == '#') continue;
        const auto first = line.find(bar);
        const auto from = first == std::string::npos ? first : first + bar.size();
        const auto to = line.rfind(close + " |");
        if (from == std::string::npos || to == std::string::npos ||
            line.compare(from, open.size(), open) != 0) {
            ADD_FAILURE() << "line " << number << " is not «kind | «text» | spoken»: " << line;
            continue;
        }
        std::string spoken = line.substr(to + close.size() + 2);
        if (!spoken.empty() && spoken[0] == ' ') spoken.erase(0, 1);
        cases.push_back({number, line.substr(0, first),
                         line.substr(from + open.size(), to - from - open.size()), spoken});
    }
    return cases;
}

TEST(SpokenText, EveryCase) {
    const std::vector<Case> cases = ReadCases();
    ASSERT_GE(cases.size(), 30u) << SPOKEN_TEXT_CASES;
    for (const Case& c : cases) {
        std::u16string got;
        if (c.kind == "example") {
            got = SpokenExample(Utf16(c.text));
        } else if (c.kind == "item") {
            got = SpokenListItem(Utf16(c.text));
        } else {
            ADD_FAILURE() << "line " << c.line << ": unknown kind «" << c.kind << "»";
            continue;
        }
        EXPECT_EQ(Utf8(got), c.spoken) << "line " << c.line << ": " << c.kind << " «" << c.text << "»";
    }
}

}  // namespace
}  // namespace tambrel
