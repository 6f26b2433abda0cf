// Arbitrary bytes as the example in Primer: the engine must end every
// solving in an answer, one of its messages or the box, with one DirPr item
// for every DirC item, steps numbered 1, 2, 3 without gaps, and an answer
// that is the last remainder as the final-answer rules leave it. Sign pairs
// collapse as the rules rewrite them, one pair at a time (checked on short
// examples: the rewriting is slow). The notebook of every solving is built
// and printed: one action line for every DirC item, each action found on
// its sign.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "calculjator.h"
#include "example_text.h"
#include "messages.h"
#include "notebook_builder.h"
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

// The answer the final-answer rules make of the last remainder: the first
// bracket unwrapped once (a minus before it kept), "--" and "-0" tidied.
std::u16string Unwrapped(std::u16string e) {
    if (const auto open = e.find(u'('); open != std::u16string::npos && e.size() >= open + 2) {
        const std::u16string inner = e.substr(open + 1, e.size() - open - 2);
        e = open == 1 ? u"-" + inner : inner;
    }
    if (e.starts_with(u"--")) e.erase(0, 2);
    return e == u"-0" ? u"0" : e;
}

// The remainder of a DirPr item: after its step label and the one blank, or
// the two of a root step.
std::u16string Remainder(const std::u16string& item) {
    const auto from = item.find_first_not_of(u' ', item.find(u')') + 1);
    return from == std::u16string::npos ? std::u16string() : item.substr(from);
}

// A message the engine shows when it ends a solving without an answer.
bool IsMessage(const std::u16string& text) {
    using namespace tambrel::messages;
    for (const std::u16string_view message :
         {MissingOpenBracket, MissingCloseBracket, EmptyBrackets, MissingNumber, TwoActions, RootNeedsBracket,
          TooLong, DivisionByZero, BadNumber, NoPower})
        if (text == message) return true;
    for (const Beyond side : {Beyond::Below, Beyond::Above})
        if (text == OperandOutOfRange(side) || text == ResultOutOfRange(side)) return true;
    // The root's message around whatever number it names.
    static const std::u16string root = RootOfNegative(u"\x01");
    static const std::size_t number = root.find(u'\x01');
    return text.size() > root.size() - 1 && text.starts_with(std::u16string_view(root).substr(0, number)) &&
           text.ends_with(std::u16string_view(root).substr(number + 1));
}

// The sign rewriting as the rules state it: "+-", then "-+", then "++",
// then "--", the first occurrence each time, until none is left; then one
// leading "+" goes.
std::u16string NormaliseByRules(std::u16string s) {
    for (;;) {
        if (const auto i = s.find(u"+-"); i != std::u16string::npos) {
            s.erase(i, 1);
        } else if (const auto j = s.find(u"-+"); j != std::u16string::npos) {
            s.erase(j + 1, 1);
        } else if (const auto k = s.find(u"++"); k != std::u16string::npos) {
            s.erase(k, 1);
        } else if (const auto l = s.find(u"--"); l != std::u16string::npos) {
            s.replace(l, 2, u"+");
        } else {
            if (s.starts_with(u'+')) s.erase(0, 1);
            return s;
        }
    }
}

bool Mentions(const std::u16string& text, const std::u16string& word) {
    return text.find(word) != std::u16string::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tambrel;
    const std::u16string example = ExampleFrom(data, size);
    PlainWindow window(example);
    notebook::NotebookBuilder builder;
    window.listener = &builder;
    ReplaceWithAnswer = size % 2 == 0 ? 1 : 0;
    SolveOn(window);
    const bool solved = ExampleState == Solved;
    if (window.dirC.size() != window.dirPr.size()) std::abort();
    const notebook::Notebook book = builder.notebook();
    const auto actionLines =
        std::count_if(book.blocks.begin(), book.blocks.end(),
                      [](const notebook::Block& b) { return b.kind == notebook::BlockKind::Action; });
    if (static_cast<std::size_t>(actionLines) != window.dirC.size() || !builder.tracked()) std::abort();
    if (notebook::NotebookText(book).empty() != book.blocks.empty()) std::abort();
    if (solved && (window.otvet.empty() || window.boxShown)) std::abort();
    if (window.boxShown && !window.otvet.empty()) std::abort();
    if (!solved && !window.boxShown && !IsMessage(window.otvet)) std::abort();
    for (std::size_t i = 0; i < window.dirC.size(); ++i) {
        const std::u16string label = u" " + Utf8ToUtf16(std::to_string(i + 1)).value() + u")";
        if (!window.dirC[i].starts_with(label) || !window.dirPr[i].starts_with(label)) std::abort();
    }
    if (solved && !window.dirPr.empty() && Unwrapped(Remainder(window.dirPr.back())) != window.otvet)
        std::abort();
    if (solved && ReplaceWithAnswer == 1 && window.primer != window.otvet) std::abort();
    // Numbers the engine writes never read "inf" or "nan"; an answer may
    // only echo such letters from the example itself, read without blanks.
    std::u16string read = example;
    std::erase(read, u' ');
    for (const std::u16string word : {u"inf", u"nan"})
        if (Mentions(window.otvet, word) && !Mentions(read, word)) std::abort();
    if (example.size() <= 256 && NormaliseSigns(example) != NormaliseByRules(example)) std::abort();
    return 0;
}
