// The checks made before any arithmetic: message, caret, focus, and what
// happens to the lists of the previous solving.

#include <gtest/gtest.h>

#include "example_text.h"
#include "solve_case.h"

namespace tambrel::testing {
namespace {

const std::string OpenMissing = "Не хватает скобки: ''(''";
const std::string CloseMissing = "Не хватает скобки: '')''";
const std::string Empty = "Между скобок пусто.";
const std::string Number = "Не хватает числа.";
const std::string Two = "Два действия подряд.";
const std::string Root = "После корня нужна скобка.";

struct CheckCase {
    std::string example;
    std::string message;
    int caret;
    bool keepsLists;  // failed before the lists were reset
};

void PrintTo(const CheckCase& c, std::ostream* os) { *os << c.example; }

class Checks : public ::testing::TestWithParam<CheckCase> {};

TEST_P(Checks, MessageCaretFocusAndLists) {
    const CheckCase& c = GetParam();
    PlainWindow window;
    Solve("2+3*4", 0, &window);  // lists of a previous solving
    window.dirCTooltip = u"old tooltip";
    window.primerFocused = false;

    const Outcome out = Solve(c.example, 0, &window);
    EXPECT_EQ(out.otvet, c.message);
    EXPECT_EQ(out.caret, c.caret);
    EXPECT_TRUE(window.primerFocused);
    EXPECT_EQ(out.primer, c.example) << "the typed text stays as it was";
    EXPECT_FALSE(out.solved);
    if (c.keepsLists) {
        EXPECT_EQ(out.dirC.size(), 2u);
        EXPECT_EQ(out.dirPr.size(), 2u);
        EXPECT_EQ(Utf16ToUtf8(window.dirCTooltip), "old tooltip");
    } else {
        EXPECT_TRUE(out.dirC.empty());
        EXPECT_TRUE(out.dirPr.empty());
        EXPECT_TRUE(window.dirCTooltip.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Faults, Checks,
    ::testing::Values(CheckCase{"(2+3", CloseMissing, 4, true}, CheckCase{"2+3)", OpenMissing, 0, true},
                      CheckCase{")(", OpenMissing, 0, true}, CheckCase{"(()", CloseMissing, 3, true},
                      CheckCase{"5*()", Empty, 3, true}, CheckCase{"(1)+()", Empty, 5, true},
                      CheckCase{"", Number, 0, false}, CheckCase{"*5", Number, 0, false},
                      CheckCase{"+", Number, 0, false}, CheckCase{"+*5", Number, 0, false},
                      CheckCase{"^2", Number, 0, false}, CheckCase{"5+*3", Two, 2, false},
                      CheckCase{"2*-3", Two, 2, false}, CheckCase{"2--*3", Two, 2, false},
                      CheckCase{"(*5)", Number, 1, false}, CheckCase{"(5-)", Number, 3, false},
                      CheckCase{"5+", Number, 2, false}, CheckCase{"5-", Number, 2, false},
                      CheckCase{"K5", Root, 1, false}, CheckCase{"5+K", Root, 3, false},
                      CheckCase{"K", Root, 1, false}, CheckCase{"2+=3", Number, 2, false},
                      CheckCase{"2=+3", Number, 2, false}));

TEST(Checks, TooLongExampleRefusedBeforeBracketChecks) {
    PlainWindow window;
    Solve("2+3*4", 0, &window);
    const std::string example = "(" + std::string(10000, '1');
    const Outcome out = Solve(example, 0, &window);
    EXPECT_EQ(out.otvet, "Пример слишком длинный.");
    EXPECT_EQ(out.caret, 10000);
    EXPECT_TRUE(window.primerFocused);
    EXPECT_EQ(out.dirC.size(), 2u) << "lists kept";
    EXPECT_FALSE(out.solved);
}

TEST(Checks, ExampleOfExactlyTheLimitIsSolved) {
    std::string example = "1";
    while (example.size() < 9999) example += "+1";
    example += "0";  // 10 000 characters: 1+1+...+10
    ASSERT_EQ(example.size(), 10000u);
    const Outcome out = Solve(example);
    EXPECT_TRUE(out.solved);
    EXPECT_EQ(out.otvet, "5009");
    EXPECT_EQ(out.dirC.size(), 4999u);
}

TEST(NormaliseSigns, Examples) {
    const std::pair<std::u16string, std::u16string> cases[] = {
        {u"---5", u"-5"},  {u"5+-+3", u"5-3"}, {u"+5", u"5"},         {u"2*+3", u"2*+3"},
        {u"2--3", u"2+3"}, {u"+", u""},        {u"++-", u"-"},        {u"-+-", u""},
        {u"", u""},        {u"1-2", u"1-2"},   {u"--(--2)", u"(+2)"}, {u"+-5", u"-5"}};
    for (const auto& [in, out] : cases) EXPECT_EQ(NormaliseSigns(in), out) << Utf16ToUtf8(in);
}

// The rewriting as the rules state it, one pair at a time.
std::u16string NormaliseByRules(std::u16string s) {
    for (;;) {
        if (auto i = s.find(u"+-"); i != std::u16string::npos) {
            s.erase(i, 1);
        } else if (auto j = s.find(u"-+"); j != std::u16string::npos) {
            s.erase(j + 1, 1);
        } else if (auto k = s.find(u"++"); k != std::u16string::npos) {
            s.erase(k, 1);
        } else if (auto l = s.find(u"--"); l != std::u16string::npos) {
            s.replace(l, 2, u"+");
        } else {
            if (!s.empty() && s[0] == u'+') s.erase(0, 1);
            return s;
        }
    }
}

TEST(NormaliseSigns, SameAsRewritingPairByPair) {
    unsigned seed = 12345;
    const std::u16string alphabet = u"+-+-1(*";
    for (int round = 0; round < 20000; ++round) {
        std::u16string s;
        seed = seed * 1103515245u + 12345u;
        const unsigned length = (seed >> 16) % 12;
        for (unsigned i = 0; i < length; ++i) {
            seed = seed * 1103515245u + 12345u;
            s.push_back(alphabet[(seed >> 16) % alphabet.size()]);
        }
        ASSERT_EQ(NormaliseSigns(s), NormaliseByRules(s)) << Utf16ToUtf8(s);
    }
}

}  // namespace
}  // namespace tambrel::testing
