// What the engine does to the window that the console front end cannot
// show: it solves each example in a fresh window and prints neither focus nor
// tooltips.

#include <gtest/gtest.h>

#include "calculjator.h"
#include "plain_window.h"
#include "shared_state.h"
#include "utf.h"

namespace tambrel {
namespace {

// Solves the example in the window as the "=" key does.
void Solve(PlainWindow& window, const std::u16string& example) {
    window.primer = example;
    SolveOn(window);
    ExampleState = Solved;
}

// Bracket faults and a too long example leave the previous solving's lists
// and tooltips; every later check, and a new solving, clears them first.
TEST(EngineWindow, PreviousListsAfterAFault) {
    const std::pair<std::u16string, std::size_t> cases[] = {
        {u"(2+3", 2}, {u"2+3)", 2}, {u"5*()", 2}, {u"(" + std::u16string(10000, u'1'), 2},
        {u"*5", 0},   {u"2*-3", 0}, {u"K5", 0},   {u"5/0", 0},
        {u"1+1", 1}};
    for (const auto& [example, items] : cases) {
        PlainWindow window;
        Solve(window, u"2+3*4");
        window.dirCTooltip = window.dirPrTooltip = u"old";
        window.primerFocused = false;
        Solve(window, example);
        SCOPED_TRACE(Utf16ToUtf8(example.substr(0, 12)));
        EXPECT_EQ(window.dirC.size(), items);
        EXPECT_EQ(window.dirPr.size(), items);
        EXPECT_EQ(window.dirCTooltip, items == 2 ? u"old" : u"");
        EXPECT_EQ(window.dirPrTooltip, items == 2 ? u"old" : u"");
        // Only the checks give Primer the focus, to show the caret.
        EXPECT_EQ(window.primerFocused, example != u"5/0" && example != u"1+1");
    }
}

}  // namespace
}  // namespace tambrel
