// The help page tells the truth: every example it marks is solved as the
// console front end solves it, and the answer, actions and remainders the
// page quotes for it are what the window shows.
//
// Marks: <code class="example">, then <code class="action"> and
// <code class="rest"> for that example's actions and remainders in their
// order, and <code class="answer"> for every example since the last answer.
// The answer is the text of «Ответ:», or of the error box when one comes up.

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <optional>
#include <regex>
#include <sstream>

#include "solve_case.h"

namespace tambrel::testing {
namespace {

struct PageExample {
    std::string example;
    std::optional<std::string> answer;
    std::vector<std::string> actions;
    std::vector<std::string> remainders;
};

std::vector<PageExample> MarkedExamples(const std::string& page) {
    static const std::regex mark(R"re(<code class="(example|answer|action|rest)">([^<]*)</code>)re");
    static const std::regex anyMark(R"re(class="(example|answer|action|rest)")re");
    std::vector<PageExample> examples;
    std::size_t unanswered = 0;  // the first example still waiting for its answer
    long marks = 0;
    for (std::sregex_iterator m(page.begin(), page.end(), mark), end; m != end; ++m, ++marks) {
        const std::string kind = (*m)[1];
        const std::string text = (*m)[2];
        if (kind == "example") {
            examples.push_back({text, {}, {}, {}});
        } else if (kind == "answer") {
            if (unanswered == examples.size()) ADD_FAILURE() << "answer «" << text << "» follows no example";
            for (; unanswered < examples.size(); ++unanswered) examples[unanswered].answer = text;
        } else if (examples.empty()) {
            ADD_FAILURE() << kind << " «" << text << "» stands before every example";
        } else {
            (kind == "action" ? examples.back().actions : examples.back().remainders).push_back(text);
        }
    }
    // A mark the pattern cannot read would leave its example unchecked.
    EXPECT_EQ(std::distance(std::sregex_iterator(page.begin(), page.end(), anyMark), {}), marks)
        << "a mark that is not a plain <code> element";
    return examples;
}

// The page quotes an item whole ("1) 3*4= 12") or without its step number.
bool Quotes(const std::string& item, const std::string& quote) {
    const auto from = [&](std::size_t i) {
        return item.substr(std::min(item.find_first_not_of(' ', i), item.size()));
    };
    return from(0) == quote || from(item.find(')') + 1) == quote;
}

void ExpectInOrder(const std::vector<std::string>& items, const std::vector<std::string>& quotes,
                   const char* list) {
    auto next = items.begin();
    for (const std::string& quote : quotes) {
        next = std::find_if(next, items.end(), [&](const std::string& item) { return Quotes(item, quote); });
        if (next == items.end()) {
            ADD_FAILURE() << list << " lacks «" << quote << "» in the page's order";
            return;
        }
        ++next;
    }
}

TEST(HelpPage, EveryMarkedExampleIsWhatTheProgramDoes) {
    std::ifstream in(HELP_PAGE, std::ios::binary);
    ASSERT_TRUE(in) << HELP_PAGE;
    std::ostringstream page;
    page << in.rdbuf();
    const std::vector<PageExample> examples = MarkedExamples(page.str());
    ASSERT_FALSE(examples.empty()) << "the page marks no example";
    for (const PageExample& e : examples) {
        SCOPED_TRACE("example «" + e.example + "»");
        if (!e.answer) {
            ADD_FAILURE() << "no answer follows the example";
            continue;
        }
        const Outcome out = Solve(e.example);
        EXPECT_EQ(out.box.empty() ? out.otvet : out.box, *e.answer);
        ExpectInOrder(out.dirC, e.actions, "Список действий");
        ExpectInOrder(out.dirPr, e.remainders, "Остаток примера");
    }
}

}  // namespace
}  // namespace tambrel::testing
