// The help page tells the truth: every example it marks is solved as the
// console front end solves it, and the answer, actions and remainders the
// page quotes for it are what the window shows.
//
// Marks: <code class="example">, then <code class="action"> and
// <code class="rest"> for that example's actions and remainders in their
// order, and <code class="answer"> for every example since the last answer.
// The answer is the text of «Ответ:», or of the error box when one comes up.

#include <algorithm>
#include <optional>
#include <regex>

#include "console.h"

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
    const std::string page = ReadFile(HELP_PAGE);
    ASSERT_FALSE(page.empty()) << HELP_PAGE;
    const std::vector<PageExample> examples = MarkedExamples(page);
    ASSERT_FALSE(examples.empty()) << "the page marks no example";
    std::vector<std::string> texts;
    for (const PageExample& e : examples) texts.push_back(e.example);
    const std::vector<Block> solved = SolveAll(texts);
    ASSERT_EQ(solved.size(), examples.size());
    for (std::size_t i = 0; i < examples.size(); ++i) {
        const PageExample& e = examples[i];
        SCOPED_TRACE("example «" + e.example + "»");
        EXPECT_TRUE(e.answer) << "no answer follows the example";
        if (!e.answer) continue;
        const std::vector<std::string> box = solved[i].values("box");
        EXPECT_EQ(box.empty() ? solved[i].values("txtOtvet").at(0) : box[0], *e.answer);
        ExpectInOrder(solved[i].values("DirC"), e.actions, "Список действий");
        ExpectInOrder(solved[i].values("DirPr"), e.remainders, "Остаток примера");
    }
}

}  // namespace
}  // namespace tambrel::testing
