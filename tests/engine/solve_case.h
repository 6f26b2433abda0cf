#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "calculjator.h"
#include "plain_window.h"
#include "shared_state.h"
#include "utf.h"

namespace tambrel::testing {

// What the window shows after one solving, as UTF-8 for readable failures.
struct Outcome {
    std::vector<std::string> dirC;
    std::vector<std::string> dirPr;
    std::string otvet;
    std::string primer;
    int caret = 0;
    bool solved = false;
    std::string box;  // empty when no box was shown
};

inline std::vector<std::string> Utf8(const std::vector<std::u16string>& items) {
    std::vector<std::string> out;
    out.reserve(items.size());
    for (const auto& item : items) out.push_back(Utf16ToUtf8(item));
    return out;
}

inline std::u16string Utf16(const std::string& text) { return Utf8ToUtf16(text).value(); }

// Solves the example in a fresh window, as the console front end does.
inline Outcome Solve(const std::string& example, int replace = 0, PlainWindow* reuse = nullptr) {
    PlainWindow fresh(Utf16(example));
    PlainWindow& window = reuse != nullptr ? *reuse : fresh;
    if (reuse != nullptr) {
        window.primer = Utf16(example);
        window.caret = 0;
    }
    SetEngineWindow(&window);
    ExampleState = Changed;
    ReplaceWithAnswer = replace;
    SolveExample();
    SetEngineWindow(nullptr);
    ReplaceWithAnswer = 0;
    const bool solved = ExampleState == Solved;
    ExampleState = Solved;
    return {Utf8(window.dirC),
            Utf8(window.dirPr),
            Utf16ToUtf8(window.otvet),
            Utf16ToUtf8(window.primer),
            window.caret,
            solved,
            window.boxShown ? Utf16ToUtf8(window.boxText) : std::string()};
}

inline const std::string Box = "Возникла ошибка. Отправьте пример на support@tambrel.example";

}  // namespace tambrel::testing
