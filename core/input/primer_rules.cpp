#include "primer_rules.h"

#include <limits>

#include "calculjator.h"
#include "engine_window.h"
#include "shared_state.h"

namespace tambrel {

void PrimerRules::changed() {
    if (ExampleState != Restoring) history_.record(box_.text(), box_.cursorPosition());
    ExampleState = Changed;
    box_.setTooltip(box_.text());
}

void PrimerRules::type(char16_t code) {
    if (InSet(TypedRootLetters, code)) {
        // The root comes with its bracket pair, the caret between them.
        insertAtCaret(u"K()", 2);
        return;
    }
    if (code == u'(' && box_.caret() == static_cast<int>(box_.text().size())) {
        insertAtCaret(u"()", 1);
        return;
    }
    if (code == u'\r') solveWhenChanged();
    if (code == u'=') code = u'+';
    if (code == u'\b') {
        box_.backspace();
    } else if (InAllowedChars(code)) {
        box_.insert(std::u16string(1, code));
    }
}

void PrimerRules::keypad(int index) {
    if (index == SolveKey) {
        solveWhenChanged();
    } else if (index >= 0 && index < SolveKey) {
        const char16_t c = KeypadChars[index];
        if (c == u'K') {
            insertAtCaret(u"K()", 2);
        } else {
            insertAtCaret(std::u16string(1, c), 1);
        }
    }
}

void PrimerRules::solveWhenChanged() {
    if (!box_.text().empty() && ExampleState == Changed) SolveExample();
}

void PrimerRules::insertAtCaret(std::u16string_view inserted, int caretAfter) {
    const std::u16string text = box_.text();
    // An insertion that would not fit into the box is dropped rather than
    // cutting the example's end off.
    if (text.size() + inserted.size() > static_cast<std::size_t>(PrimerCapacity)) return;
    const auto a = static_cast<std::size_t>(box_.caret());
    // A selection stays: the insertion goes in at its start.
    box_.setWholeText(text.substr(0, a) + std::u16string(inserted) + text.substr(a));
    box_.setCursorPosition(static_cast<int>(a) + caretAfter);
}

void PrimerRules::restore(EditHistory::State state) {
    // The change handler records nothing while the state is put back.
    ExampleState = Restoring;
    box_.setWholeText(state.text);
    box_.setCursorPosition(state.caret);
}

void PrimerRules::undo() {
    if (history_.canUndo()) restore(history_.undo());
}

void PrimerRules::redo() {
    if (history_.canRedo()) restore(history_.redo());
}

std::u16string PastedText(std::u16string_view clipboard) {
    std::u16string r;
    r.reserve(clipboard.size());
    for (const char16_t c : clipboard) {
        if (InAllowedChars(c)) {
            r += c;
        } else if (InSet(PastedRootLetters, c)) {
            r += u'K';
        }
    }
    return r;
}

void PrimerRules::paste(std::u16string_view clipboard) {
    const std::u16string r = PastedText(clipboard);
    const std::size_t kept = box_.text().size() - box_.selectedText().size();
    if (kept + r.size() > static_cast<std::size_t>(PrimerCapacity)) {
        // Cut short it would be another example; the box keeps what it holds.
        if (EngineWindow* window = GetEngineWindow()) window->setOtvetText(PasteTooLong);
        return;
    }
    box_.insert(r);
}

void PrimerRules::selectAll() { box_.select(0, static_cast<int>(box_.text().size())); }

void PrimerRules::putInBrackets() {
    const std::u16string text = box_.text();
    if (text.size() + 2 > static_cast<std::size_t>(PrimerCapacity)) return;
    const int a = box_.caret();
    box_.setWholeText(u'(' + text + u')');
    box_.setCursorPosition(a + 1);
}

std::int32_t ToggledSwitch(std::int32_t value) {
    return value == std::numeric_limits<std::int32_t>::min() ? std::numeric_limits<std::int32_t>::max()
                                                             : 1 - value;
}

}  // namespace tambrel
