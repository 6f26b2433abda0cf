// Arbitrary bytes as the example in Primer: the engine must end every
// solving in an answer, a message or the box, with matching lists.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "calculjator.h"
#include "plain_window.h"
#include "shared_state.h"
#include "utf.h"

namespace {

// Valid UTF-8 is taken as typed text; anything else as raw UTF-16 units,
// so lone surrogates and every other code unit reach the engine too.
std::u16string ExampleFrom(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    if (auto text = tambrel::Utf8ToUtf16(bytes)) return *text;
    std::u16string units;
    for (std::size_t i = 0; i + 1 < size; i += 2)
        units.push_back(static_cast<char16_t>(data[i] | (data[i + 1] << 8)));
    return units;
}

bool Mentions(const std::u16string& text, const std::u16string& word) {
    return text.find(word) != std::u16string::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tambrel;
    const std::u16string example = ExampleFrom(data, size);
    PlainWindow window(example);
    SetEngineWindow(&window);
    ExampleState = Changed;
    ReplaceWithAnswer = size % 2 == 0 ? 1 : 0;
    SolveExample();
    SetEngineWindow(nullptr);
    const bool solved = ExampleState == Solved;
    if (window.dirC.size() != window.dirPr.size()) std::abort();
    if (solved && (window.otvet.empty() || window.boxShown)) std::abort();
    if (window.boxShown && !window.otvet.empty()) std::abort();
    // Numbers the engine writes never read "inf" or "nan"; an answer may
    // only echo such letters from the example itself.
    for (const std::u16string word : {u"inf", u"nan"})
        if (Mentions(window.otvet, word) && !Mentions(example, word)) std::abort();
    return 0;
}
