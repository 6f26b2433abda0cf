// The words a screen reader is given for examples and list items, case by
// case from spoken_text_cases.txt. Standard library only: no Qt.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "spoken_text.h"
#include "utf.h"

namespace tambrel {
namespace {

struct Case {
    int line;
    std::string kind;
    std::string text;
    std::string spoken;
};

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
            got = SpokenExample(Utf8ToUtf16(c.text).value());
        } else if (c.kind == "item") {
            got = SpokenListItem(Utf8ToUtf16(c.text).value());
        } else {
            ADD_FAILURE() << "line " << c.line << ": unknown kind «" << c.kind << "»";
            continue;
        }
        EXPECT_EQ(Utf16ToUtf8(got), c.spoken) << "line " << c.line << ": " << c.kind << " «" << c.text << "»";
    }
}

}  // namespace
}  // namespace tambrel
