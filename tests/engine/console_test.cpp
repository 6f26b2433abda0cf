// The console front end as teachers use it: files of examples in, the
// window's contents out, whatever the file holds.

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace {

namespace fs = std::filesystem;

struct ConsoleRun {
    int status;
    std::string out;
    std::string err;
};

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

ConsoleRun Solve(const std::string& input, const std::string& flags = "") {
    const fs::path dir = fs::temp_directory_path() / ("tambrel-solve-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    { std::ofstream(dir / "in", std::ios::binary) << input; }
    const std::string command = std::string(TAMBREL_SOLVE) + " " + flags + " < " + (dir / "in").string() +
                                " > " + (dir / "out").string() + " 2> " + (dir / "err").string();
    const int status = std::system(command.c_str());
    ConsoleRun run{WEXITSTATUS(status), ReadFile(dir / "out"), ReadFile(dir / "err")};
    fs::remove_all(dir);
    return run;
}

TEST(Console, PrintsWhatTheWindowShows) {
    const ConsoleRun run = Solve("2+3*4\r\n(2+3\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out,
              "example: 2+3*4\n"
              "DirC:  1) 3*4= 12\n"
              "DirC:  2) 2+12= 14\n"
              "DirPr:  1) 2+12\n"
              "DirPr:  2) 14\n"
              "txtOtvet: 14\n"
              "Primer: 2+3*4\n"
              "caret: 0\n"
              "state: Solved\n"
              "\n"
              "example: (2+3\n"
              "txtOtvet: Не хватает скобки: '')''\n"
              "Primer: (2+3\n"
              "caret: 4\n"
              "state: Changed\n"
              "\n");
}

TEST(Console, ReplaceFlagAndTheBox) {
    const ConsoleRun run = Solve("2+2\n((2))+1\n", "--replace");
    EXPECT_EQ(
        run.out,
        "example: 2+2\nDirC:  1) 2+2= 4\nDirPr:  1) 4\ntxtOtvet: 4\nPrimer: 4\ncaret: 1\nstate: Solved\n\n"
        "example: ((2))+1\ntxtOtvet: \nPrimer: ((2))+1\ncaret: 0\nstate: Changed\n"
        "box: Возникла ошибка. Отправьте пример на support@tambrel.example\n\n");
}

TEST(Console, BadInputIsReportedAndTheRunGoesOn) {
    std::string input = "1+1\n";
    input +=
        "\xff\xfe"
        "2\n";                                  // not UTF-8
    input += std::string("3\0+4\n", 5);         // a NUL inside an example
    input += std::string(1 << 20, '7') + "\n";  // a megabyte line
    input += "2*2";                             // last line without a line end
    const ConsoleRun run = Solve(input);
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.err.find("Строка 2"), std::string::npos) << run.err;
    EXPECT_NE(run.out.find("txtOtvet: 2\n"), std::string::npos);
    EXPECT_NE(run.out.find("txtOtvet: Пример слишком длинный.\nPrimer: 777"), std::string::npos);
    EXPECT_NE(run.out.find("caret: 10000\n"), std::string::npos);
    EXPECT_NE(run.out.find("txtOtvet: 4\n"), std::string::npos);
    EXPECT_EQ(run.out.find('\xff'), std::string::npos);
}

TEST(Console, UnknownFlagIsRefused) {
    const ConsoleRun run = Solve("1\n", "--nonsense");
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(run.out.empty());
}

// Golden files: the examples in *.txt, what the program prints in *.out.
TEST(Console, GoldenFiles) {
    int files = 0;
    for (const auto& entry : fs::directory_iterator(GOLDEN_DIR)) {
        if (entry.path().extension() != ".txt") continue;
        ++files;
        fs::path expected = entry.path();
        expected.replace_extension(".out");
        const ConsoleRun run = Solve(ReadFile(entry.path()));
        EXPECT_EQ(run.out, ReadFile(expected)) << entry.path();
    }
    EXPECT_GT(files, 0);
}

}  // namespace
