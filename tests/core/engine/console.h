#pragma once

// The console front end run as teachers run it: examples in, one a line, and
// for each a block of what the window shows. Golden files are such blocks
// under "#" comment lines, with an optional "flags: ..." line.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

namespace tambrel::testing {

inline std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

struct ConsoleRun {
    int status;
    std::string out;
    std::string err;
};

inline ConsoleRun RunSolve(const std::string& input, const std::string& flags = "") {
    namespace fs = std::filesystem;
    const fs::path dir = fs::temp_directory_path() / ("tambrel-solve-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    std::ofstream(dir / "in", std::ios::binary) << input;
    const std::string command = std::string(TAMBREL_SOLVE) + " " + flags + " < " + (dir / "in").string() +
                                " > " + (dir / "out").string() + " 2> " + (dir / "err").string();
    const int status = std::system(command.c_str());
    ConsoleRun run{WEXITSTATUS(status), ReadFile(dir / "out"), ReadFile(dir / "err")};
    fs::remove_all(dir);
    return run;
}

// One example and the lines printed for it, "example: ..." first.
struct Block {
    std::string example;
    std::vector<std::string> lines;

    std::string text() const {
        std::string joined;
        for (const std::string& line : lines) joined += line + "\n";
        return joined;
    }

    // The values of the lines "key: value", in their order.
    std::vector<std::string> values(const std::string& key) const {
        std::vector<std::string> found;
        for (const std::string& line : lines)
            if (line.starts_with(key + ": ")) found.push_back(line.substr(key.size() + 2));
        return found;
    }
};

struct Blocks {
    std::string flags;
    std::vector<Block> blocks;
};

// Blank and "#" lines end a block; anything else belongs to the block that
// the last "example: " line opened. Blanks in an example are kept.
inline Blocks ReadBlocks(const std::string& text) {
    Blocks read;
    bool open = false;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (line.starts_with("example: ")) {
            read.blocks.push_back({line.substr(9), {line}});
            open = true;
        } else if (line.empty() || line.starts_with("#")) {
            open = false;
        } else if (open) {
            read.blocks.back().lines.push_back(line);
        } else if (line.starts_with("flags: ")) {
            read.flags = line.substr(7);
        } else {
            ADD_FAILURE() << "a line outside every block: " << line;
        }
    }
    return read;
}

// Solves every example in one run of the console front end.
inline std::vector<Block> SolveAll(const std::vector<std::string>& examples, const std::string& flags = "") {
    std::string input;
    for (const std::string& example : examples) input += example + "\n";
    return ReadBlocks(RunSolve(input, flags).out).blocks;
}

}  // namespace tambrel::testing
