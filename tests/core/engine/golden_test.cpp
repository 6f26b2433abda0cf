// Every group file of golden/ is solved by the console front end, example by
// example; a failure names the group and the example. The front end's own
// handling of its input follows.

#include <algorithm>

#include "console.h"

namespace tambrel::testing {
namespace {

namespace fs = std::filesystem;

TEST(Golden, EveryExampleAsWritten) {
    for (const auto& file : fs::directory_iterator(GOLDEN_DIR)) {
        const std::string group = file.path().filename();
        const Blocks expected = ReadBlocks(ReadFile(file.path()));
        std::vector<std::string> examples;
        for (const Block& block : expected.blocks) examples.push_back(block.example);
        EXPECT_FALSE(examples.empty()) << group;
        const std::vector<Block> solved = SolveAll(examples, expected.flags);
        EXPECT_EQ(solved.size(), examples.size()) << group;
        for (std::size_t i = 0; i < std::min(examples.size(), solved.size()); ++i)
            EXPECT_EQ(solved[i].text(), expected.blocks[i].text())
                << group << ": example «" << examples[i] << "»";
    }
}

// CR LF line ends, a line that is not UTF-8 (reported and skipped), a NUL,
// the longest example and one character more, and no line end at the end.
TEST(Console, WhateverTheFileHolds) {
    const std::string nul("3\0+4", 4);
    const std::string longest = "(" + std::string(9997, '0') + "1)";
    const std::string tooLong = "(" + std::string(10000, '0');
    const ConsoleRun run = RunSolve("1+1\r\n\xff\xfe\n" + nul + "\n" + longest + "\n" + tooLong + "\n2*2");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "Строка 2: текст не в кодировке UTF-8, пример пропущен.\n");
    const auto block = [](const std::string& example, const std::string& lines) {
        return "example: " + example + "\n" + lines + "\n";
    };
    const std::string solved = "\ncaret: 0\nstate: Solved\n";
    EXPECT_EQ(run.out,
              block("1+1", "DirC:  1) 1+1= 2\nDirPr:  1) 2\ntxtOtvet: 2\nPrimer: 1+1" + solved) +
                  block(nul, "txtOtvet: \nPrimer: " + nul +
                                 "\ncaret: 0\nstate: Changed\n"
                                 "box: Возникла ошибка. Отправьте пример на support@tambrel.example\n") +
                  block(longest, "txtOtvet: " + longest.substr(1, 9998) + "\nPrimer: " + longest + solved) +
                  block(tooLong, "txtOtvet: Пример слишком длинный.\nPrimer: " + tooLong +
                                     "\ncaret: 10000\nstate: Changed\n") +
                  block("2*2", "DirC:  1) 2*2= 4\nDirPr:  1) 4\ntxtOtvet: 4\nPrimer: 2*2" + solved));
    EXPECT_EQ(RunSolve("").out, "");
    const ConsoleRun refused = RunSolve("1\n", "--nonsense");
    EXPECT_EQ(refused.status, 2);
    EXPECT_EQ(refused.out, "");
}

}  // namespace
}  // namespace tambrel::testing
