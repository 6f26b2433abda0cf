// The notebook's text is what the faces copy to the clipboard: the cells of
// a hand-made model printed as the conventions say, case by case.

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "notebook.h"
#include "utf.h"

namespace tambrel::testing {
namespace {

using notebook::Block;

// A row of cells from a text, one character a cell.
void Row(Block& block, int row, std::u16string_view chars) {
    for (std::size_t i = 0; i < chars.size(); ++i) block.at(row, static_cast<int>(i)).ch = chars[i];
}

struct Case {
    const char* name;
    std::function<void(Block&)> make;
    std::u16string text;
};

const Case Cases[] = {
    {"a comma at a cell's corner takes a column of its own, marks keep to their cells",
     [](Block& b) {
         Row(b, 0, u"125");
         b.at(0, 0).commaAfter = true;
         b.at(0, 1).above = u"·";
     },
     u"  ·\n1,25\n"},
    {"the corner of long division and the lines under cells",
     [](Block& b) {
         Row(b, 0, u"964");
         Row(b, 1, u"−824");
         for (int row : {0, 1}) b.at(row, 2).lineLeft = true;
         b.at(0, 2).lineBelow = b.at(0, 3).lineBelow = true;
         b.at(1, 1).lineBelow = true;
     },
     u"96│4\n  ├──\n−8│24\n ─\n"},
    {"a number of two digits ends over its cell, unless it would touch the mark before",
     [](Block& b) {
         Row(b, 0, u"1 + 2 · 3");
         b.at(0, 2).above = u"12";
         b.at(0, 4).above = u"3";
         b.at(0, 6).above = u"10";
     },
     u" 12 3 10\n1 + 2 · 3\n"},
    {"raised cells print small and high, the root's bar over its number",
     [](Block& b) {
         Row(b, 0, u"2−1 √16");
         b.at(0, 1).raised = b.at(0, 2).raised = true;
         b.at(0, 5).bar = b.at(0, 6).bar = true;
     },
     u"     __\n2⁻¹ √16\n"},
};

TEST(NotebookText, PrintedAsTheConventionsSay) {
    for (const Case& c : Cases) {
        notebook::Notebook book;
        book.blocks.emplace_back();
        c.make(book.blocks.back());
        EXPECT_EQ(Utf16ToUtf8(notebook::NotebookText(book)), Utf16ToUtf8(c.text)) << c.name;
    }
    EXPECT_EQ(notebook::NotebookText({}), u"") << "no notebook, no text";
}

}  // namespace
}  // namespace tambrel::testing
