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
    // Counts up whenever the notebook of the last solving changes.
    NotebookVersion,
};
inline constexpr std::array<std::string_view, 10> PageNumberNames = {
    "selectionStart", "selectionEnd", "caretAtStart", "switch",     "answerVersion",
    "listsVersion",   "boxVersion",   "listCount",    "focusAsked", "notebookVersion",
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
    // The notebook of the last solving as its blocks (NotebookJson), and as
    // the plain text Copy puts on the clipboard.
    Notebook,
    NotebookText,
};
inline constexpr std::array<std::string_view, 11> PageTextNames = {
    "example",     "exampleTooltip", "selectedText", "exampleState", "answer",       "listItem",
    "listTooltip", "boxTitle",       "boxText",      "notebook",     "notebookText",
};

// The notebook as the script draws it: a JSON array of blocks, each
// {"kind": a name of BlockKindNames, "rows": one string a row, one character
// a cell, "marks": [[row, column, flags, text over the cell], …] for the
// cells that have any, "words": what a screen reader is given, where the
// block says something new}. A flag is 1 shifted by the cell mark's place
// among CellMarkNames.
enum class CellMark { Raised, Bar, CommaAfter, LineBelow, LineLeft };
inline constexpr std::array<std::string_view, 5> CellMarkNames = {
    "raised", "bar", "commaAfter", "lineBelow", "lineLeft",
};
// The names of notebook::BlockKind, in its order.
inline constexpr std::array<std::string_view, 6> BlockKindNames = {
    "Example", "Action", "Column", "Note", "Answer", "Message",
};

}  // namespace tambrel
