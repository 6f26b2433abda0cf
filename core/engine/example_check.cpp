#include "example_check.h"

#include "calculjator.h"
#include "example_text.h"
#include "messages.h"

#include <string>

namespace tambrel {

namespace {

bool Fail(EngineWindow& window, std::u16string_view message, long caret) {
    window.setOtvetText(std::u16string(message));
    window.setPrimerCaret(static_cast<int>(caret));
    window.focusPrimer();
    return false;
}

void ResetLists(EngineWindow& window) {
    for (const ResultList list : {ResultList::DirC, ResultList::DirPr}) {
        window.clearList(list);
        window.setListTooltip(list, u"");
    }
}

// Checks 3 and 4 of docs/how_it_works.md: every ")" closes a "(" before it,
// every "(" is closed, and no pair of brackets is empty.
bool CheckBrackets(EngineWindow& window, std::u16string_view e) {
    using namespace messages;
    long opened = 0;
    long closed = 0;
    for (const char16_t c : e) {
        opened += c == u'(';
        closed += c == u')';
        if (closed > opened) return Fail(window, MissingOpenBracket, 0);
    }
    if (opened > closed) return Fail(window, MissingCloseBracket, static_cast<long>(e.size()));

    if (const auto empty = e.find(u"()"); empty != std::u16string_view::npos)
        return Fail(window, EmptyBrackets, static_cast<long>(empty) + 1);
    return true;
}

// Checks 7 to 9 of docs/how_it_works.md, on the normalised example; positions
// are those of the normalised text, while Primer keeps the text as typed.
bool CheckOperators(EngineWindow& window, std::u16string_view e) {
    using namespace messages;
    const long n = static_cast<long>(e.size());
    if (n == 0 || IsOperatorButMinus(e[0])) return Fail(window, MissingNumber, 0);
    for (long i = 1; i <= n - 1; ++i) {
        const char16_t c = At(e, i);
        const char16_t x = At(e, i + 1);
        const char16_t p = At(e, i - 1);
        if (IsOperator(c)) {
            if (i > 1 && IsOperator(p)) return Fail(window, TwoActions, i - 1);
            if (IsOperator(x)) return Fail(window, TwoActions, i);
        }
        if (IsOperatorButMinus(c) && i > 1 && (p == u'=' || p == u'('))
            return Fail(window, MissingNumber, i - 1);
        if (IsOperator(c) && (x == u'=' || x == u')')) return Fail(window, MissingNumber, i);
        if (c == u'K' && x != u'(') return Fail(window, RootNeedsBracket, i);
    }
    if (IsOperator(e.back())) return Fail(window, MissingNumber, n);
    if (e.back() == u'K') return Fail(window, RootNeedsBracket, n);
    return true;
}

}  // namespace

bool CheckExample(EngineWindow& window) {
    using namespace messages;
    window.setOtvetText(u"");
    WorkingExample = window.primerText();
    if (static_cast<long>(WorkingExample.size()) > MaxExampleLength)
        return Fail(window, TooLong, MaxExampleLength);
    // A remainder taken back from a root step starts with the blank of its
    // step label, and a pasted example may hold blanks: they stand for
    // nothing, so the example is read without them.
    std::erase(WorkingExample, u' ');
    if (!CheckBrackets(window, WorkingExample)) return false;

    ResetLists(window);
    WorkingExample = NormaliseSigns(WorkingExample);
    return CheckOperators(window, WorkingExample);
}

}  // namespace tambrel
