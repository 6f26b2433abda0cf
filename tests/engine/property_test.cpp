// Generated examples, valid and broken: every solving ends in an answer, a
// known message or the internal-error box, in bounded time, and the two
// lists always hold one item for each step.

#include <gtest/gtest.h>

#include <random>
#include <set>

#include "solve_case.h"

namespace tambrel::testing {
namespace {

const std::set<std::string> KnownMessages = {
    "Не хватает скобки: ''(''",
    "Не хватает скобки: '')''",
    "Между скобок пусто.",
    "Не хватает числа.",
    "Два действия подряд.",
    "После корня нужна скобка.",
    "Число меньше чем  -9'999'999.",
    "Число больше чем 9'999'999.",
    "На ноль делить нельзя.",
    "При вычислении получено число меньше чем  -9'999'999.",
    "При вычислении получено число больше чем 9'999'999.",
    "Неверно записано число.",
    "Степень не вычисляется.",
};

bool IsRootMessage(const std::string& text) {
    return text.starts_with("Квадратный корень из -") && text.ends_with(" не вычисляется.");
}

// A mostly well-formed example: numbers, operators, brackets and roots,
// with a random slip now and then.
std::string Generate(std::mt19937& random) {
    auto pick = [&random](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    const std::string alphabet = "0123456789,+-*/\\^K()";
    std::string out;
    if (pick(5) == 0) {  // plain noise
        const int length = pick(16);
        for (int i = 0; i < length; ++i) out += alphabet[static_cast<std::size_t>(pick(20))];
        return out;
    }
    int open = 0;
    const int terms = 1 + pick(6);
    for (int t = 0; t < terms; ++t) {
        if (t > 0) out += "+-*/\\^"[pick(6)];
        if (pick(3) == 0) {
            out += pick(3) == 0 ? "K(" : (pick(2) ? "(" : "-(");
            ++open;
        }
        const int digits = 1 + pick(4);
        for (int d = 0; d < digits; ++d) out += static_cast<char>('0' + pick(10));
        if (pick(4) == 0) out += "," + std::to_string(pick(100));
        while (open > 0 && pick(2) == 0) {
            out += ")";
            --open;
        }
    }
    while (open-- > 0) out += ")";
    if (pick(8) == 0 && !out.empty())
        out[static_cast<std::size_t>(pick(static_cast<int>(out.size())))] =
            alphabet[static_cast<std::size_t>(pick(20))];
    return out;
}

// The answer as the final-answer rules make it from the last remainder.
std::string Unwrapped(std::string e) {
    if (const auto open = e.find('('); open != std::string::npos) {
        const std::string inner = e.substr(open + 1, e.size() - open - 2);
        e = open == 1 ? "-" + inner : inner;
    }
    if (e.starts_with("--")) e.erase(0, 2);
    return e == "-0" ? "0" : e;
}

TEST(Property, EveryOutcomeIsAnAnswerAMessageOrTheBox) {
    std::mt19937 random(20261207);
    int answers = 0;
    for (int round = 0; round < 100000; ++round) {
        const std::string example = Generate(random);
        const Outcome out = Solve(example);
        SCOPED_TRACE(example);
        ASSERT_EQ(out.dirC.size(), out.dirPr.size());
        ASSERT_EQ(out.otvet.find("inf"), std::string::npos);
        ASSERT_EQ(out.otvet.find("nan"), std::string::npos);
        if (out.solved) {
            ++answers;
            ASSERT_TRUE(out.box.empty());
            ASSERT_FALSE(out.otvet.empty());
            if (!out.dirPr.empty()) {
                const std::string& last = out.dirPr.back();
                const std::string remainder = last.substr(last.find(')') + 1);
                ASSERT_EQ(Unwrapped(remainder.substr(remainder.find_first_not_of(' '))), out.otvet) << last;
            }
        } else if (!out.box.empty()) {
            ASSERT_EQ(out.box, Box);
            ASSERT_TRUE(out.otvet.empty());
        } else {
            ASSERT_TRUE(KnownMessages.contains(out.otvet) || IsRootMessage(out.otvet)) << out.otvet;
        }
        for (std::size_t i = 0; i < out.dirC.size(); ++i) {
            const std::string label = " " + std::to_string(i + 1) + ")";
            ASSERT_TRUE(out.dirC[i].starts_with(label)) << out.dirC[i];
            ASSERT_TRUE(out.dirPr[i].starts_with(label)) << out.dirPr[i];
        }
    }
    EXPECT_GT(answers, 20000) << "the generator should mostly make solvable examples";
}

TEST(Property, AnyCharactersAtAll) {
    // Characters outside every class, NULs and surrogates among them.
    std::mt19937 random(7);
    for (int round = 0; round < 20000; ++round) {
        std::u16string example;
        const int length = static_cast<int>(random() % 24);
        for (int i = 0; i < length; ++i) {
            const unsigned kind = random() % 4;
            example.push_back(kind == 0 ? static_cast<char16_t>(random() % 0x10000)
                                        : u"0123456789,+-*/\\^K()E.="[random() % 23]);
        }
        PlainWindow window(example);
        SetEngineWindow(&window);
        ExampleState = Changed;
        SolveExample();
        SetEngineWindow(nullptr);
        ASSERT_EQ(window.dirC.size(), window.dirPr.size());
    }
    ExampleState = Solved;
}

}  // namespace
}  // namespace tambrel::testing
