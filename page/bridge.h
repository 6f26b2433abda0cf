#pragma once

#include <array>
#include <string_view>

namespace tambrel {

// What the page's script reads back after an operation, numbers through
// tambrel_number and texts through tambrel_text. The script knows each by
// its name alone: the build hands it these names with their values among
// the facts (facts.cpp), so neither side writes the other's numbers.
enum class PageNumber {
    SelectionStart,
    SelectionEnd,
    CaretAtStart,
    Switch,
    // Each version counts up whenever there is something new to draw.
    AnswerVersion,
    ListsVersion,
    BoxVersion,
    ListCount,
    // Whether the engine asked for the input's focus; asked once.
    FocusAsked,
};
inline constexpr std::array<std::string_view, 9> PageNumberNames = {
    "selectionStart", "selectionEnd", "caretAtStart", "switch",     "answerVersion",
    "listsVersion",   "boxVersion",   "listCount",    "focusAsked",
};

enum class PageText {
    Example,
    ExampleTooltip,
    SelectedText,
    // ExampleState by its name, for the page's tests.
    ExampleState,
    Answer,
    ListItem,
    ListTooltip,
    // The engine's critical-error box.
    BoxTitle,
    BoxText,
};
inline constexpr std::array<std::string_view, 9> PageTextNames = {
    "example",  "exampleTooltip", "selectedText", "exampleState", "answer",
    "listItem", "listTooltip",    "boxTitle",     "boxText",
};

}  // namespace tambrel
