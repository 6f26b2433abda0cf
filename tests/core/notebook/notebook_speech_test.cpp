// The notebook as a screen reader is given it, line by line: each case an
// example and the lines it must be read as, joined by " / ".

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "calculjator.h"
#include "last_notebook.h"
#include "notebook_speech.h"
#include "plain_window.h"
#include "utf.h"

namespace tambrel {
namespace {

std::string Spoken(const std::string& example) {
    PlainWindow window(Utf8ToUtf16(example).value());
    notebook::LastNotebook last;
    window.listener = &last;
    SolveOn(window);
    std::string joined;
    for (const auto& line : notebook::SpokenNotebook(last.notebook()))
        joined += (joined.empty() ? "" : " / ") + Utf16ToUtf8(line.words);
    return joined;
}

TEST(NotebookSpeech, EveryLineInWords) {
    std::ifstream in(SPOKEN_NOTEBOOK_CASES);
    int cases = 0;
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#') continue;
        const std::size_t bar = line.find(" | ");
        ASSERT_NE(bar, std::string::npos) << "not a case: " << line;
        EXPECT_EQ(Spoken(line.substr(0, bar)), line.substr(bar + 3)) << line.substr(0, bar);
        ++cases;
    }
    EXPECT_GT(cases, 0) << "no cases read";
}

}  // namespace
}  // namespace tambrel
