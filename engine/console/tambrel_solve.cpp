// tambrel-solve: solves the examples read from standard input, one a line,
// and prints what the main window would show for each.

#include <cstdio>
#include <iostream>
#include <string>
#include <string_view>

#include "calculjator.h"
#include "plain_window.h"
#include "shared_state.h"
#include "utf.h"

namespace {

using namespace tambrel;

void PrintLine(std::string_view key, std::u16string_view value) {
    std::cout << key << ": " << Utf16ToUtf8(value) << '\n';
}

void Solve(const std::string& line, const std::u16string& example, bool replace) {
    PlainWindow window(example);
    SetEngineWindow(&window);
    ExampleState = Changed;
    ReplaceWithAnswer = replace ? 1 : 0;
    SolveExample();
    SetEngineWindow(nullptr);

    std::cout << "example: " << line << '\n';
    for (const auto& item : window.dirC) PrintLine("DirC", item);
    for (const auto& item : window.dirPr) PrintLine("DirPr", item);
    PrintLine("txtOtvet", window.otvet);
    PrintLine("Primer", window.primer);
    std::cout << "caret: " << window.caret << '\n';
    std::cout << "state: " << (ExampleState == Solved ? "Solved" : "Changed") << '\n';
    if (window.boxShown) PrintLine("box", window.boxText);
    std::cout << '\n';
}

}  // namespace

int main(int argc, char** argv) {
    bool replace = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--replace") {
            replace = true;
        } else {
            std::cerr << "Использование: tambrel-solve [--replace] < примеры.txt\n";
            return 2;
        }
    }
    std::ios::sync_with_stdio(false);
    std::string line;
    long number = 0;
    while (std::getline(std::cin, line)) {
        ++number;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const auto example = Utf8ToUtf16(line);
        if (!example) {
            std::cerr << "Строка " << number << ": текст не в кодировке UTF-8, пример пропущен.\n";
            continue;
        }
        Solve(line, *example, replace);
    }
    std::cout.flush();
    return std::cout ? 0 : 1;
}
