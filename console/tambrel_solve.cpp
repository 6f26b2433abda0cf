// tambrel-solve: solves the examples read from standard input, one a line,
// and prints what the main window would show for each.

#include <cstdio>
#include <string>
#include <string_view>

#include "calculjator.h"
#include "notebook_builder.h"
#include "plain_window.h"
#include "shared_state.h"
#include "utf.h"

namespace {

using namespace tambrel;

// One example's block, written at once: the WebAssembly build writes every
// piece it is handed straight to node.
void Solve(const std::string& line, const std::u16string& example, bool replace, bool notebook) {
    PlainWindow window(example);
    notebook::NotebookBuilder builder;
    if (notebook) window.listener = &builder;
    ReplaceWithAnswer = replace ? 1 : 0;
    SolveOn(window);

    std::string block = "example: " + line + "\n";
    const auto add = [&block](std::string_view key, std::u16string_view value) {
        block.append(key).append(": ").append(Utf16ToUtf8(value)).append("\n");
    };
    for (const auto& item : window.dirC) add("DirC", item);
    for (const auto& item : window.dirPr) add("DirPr", item);
    add("txtOtvet", window.otvet);
    add("Primer", window.primer);
    block += "caret: " + std::to_string(window.caret) + "\n";
    block += ExampleState == Solved ? "state: Solved\n" : "state: Changed\n";
    if (window.boxShown) add("box", window.boxText);
    if (notebook) {
        // One line a row of the notebook, as the faces copy it.
        const std::u16string text = notebook::NotebookText(builder.notebook());
        for (std::size_t from = 0; from < text.size();) {
            const std::size_t end = text.find(u'\n', from);
            add("notebook", std::u16string_view(text).substr(from, end - from));
            from = end + 1;
        }
    }
    block += "\n";
    std::fwrite(block.data(), 1, block.size(), stdout);
}

// One line of standard input without its line end; false at the end of the
// input.
bool ReadLine(std::string& line) {
    line.clear();
    int c = 0;
    while ((c = std::getchar()) != EOF && c != '\n') line.push_back(static_cast<char>(c));
    return c == '\n' || !line.empty();
}

}  // namespace

int main(int argc, char** argv) {
    bool replace = false;
    bool notebook = false;
    for (int i = 1; i < argc; ++i) {
        if (std::string_view(argv[i]) == "--replace") {
            replace = true;
        } else if (std::string_view(argv[i]) == "--notebook") {
            notebook = true;
        } else {
            std::fputs("Использование: tambrel-solve [--replace] [--notebook] < примеры.txt\n", stderr);
            return 2;
        }
    }
    std::string line;
    for (long number = 1; ReadLine(line); ++number) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const auto example = Utf8ToUtf16(line);
        if (!example) {
            std::fprintf(stderr, "Строка %ld: текст не в кодировке UTF-8, пример пропущен.\n", number);
            continue;
        }
        Solve(line, *example, replace, notebook);
    }
    return std::fflush(stdout) == 0 && !std::ferror(stdout) ? 0 : 1;
}
