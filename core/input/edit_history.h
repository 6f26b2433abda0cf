#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace tambrel {

// The states of the example that Undo and Redo walk: slot 0 holds the empty
// box the window opens with until the history is full and pushes the oldest
// state out. Only record, undo and redo move the slots, so
// 0 <= HistoryPos <= HistoryTop <= LastSlot always holds.
class EditHistory {
public:
    static constexpr std::int32_t LastSlot = 100;

    // A stored state, valid until the next record.
    struct State {
        const std::u16string& text;
        std::int32_t caret;
    };

    // A new state after a change of the box; the states left for Redo are
    // given up.
    void record(const std::u16string& text, std::int32_t caret);
    bool canUndo() const { return HistoryPos > 0; }
    bool canRedo() const { return HistoryPos < HistoryTop; }
    // One state back or forward, and what it holds; only while canUndo or
    // canRedo.
    State undo() { return slot(--HistoryPos); }
    State redo() { return slot(++HistoryPos); }

    // For the soak run's report.
    std::int32_t position() const { return HistoryPos; }
    std::int32_t top() const { return HistoryTop; }
    State current() const { return slot(HistoryPos); }

private:
    State slot(std::int32_t s) const {
        const auto i = static_cast<std::size_t>(s);
        return {HistoryText[i], HistoryCaret[i]};
    }

    std::array<std::u16string, LastSlot + 1> HistoryText;
    std::array<std::int32_t, LastSlot + 1> HistoryCaret{};
    std::int32_t HistoryPos = 0;
    // The highest slot Redo may reach.
    std::int32_t HistoryTop = 0;
};

}  // namespace tambrel
