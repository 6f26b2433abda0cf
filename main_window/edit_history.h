#pragma once

#include <QString>
#include <array>
#include <cstdint>

namespace tambrel {

// The states of the example that Undo and Redo walk: slot 0 holds the empty
// box the window opens with until the history is full and pushes the oldest
// state out. Always 0 <= HistoryPos <= HistoryTop <= LastSlot.
struct EditHistory {
    static constexpr std::int32_t LastSlot = 100;

    std::array<QString, LastSlot + 1> HistoryText;
    std::array<std::int32_t, LastSlot + 1> HistoryCaret{};
    std::int32_t HistoryPos = 0;
    // The highest slot Redo may reach.
    std::int32_t HistoryTop = 0;

    // A new state after a change of the box; the states left for Redo are
    // given up.
    void record(const QString& text, std::int32_t caret);
    bool canUndo() const { return HistoryPos > 0; }
    bool canRedo() const { return HistoryPos < HistoryTop; }
};

}  // namespace tambrel
