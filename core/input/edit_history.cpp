#include "edit_history.h"

#include <utility>

namespace tambrel {

void EditHistory::record(const std::u16string& text, std::int32_t caret) {
    if (HistoryPos < LastSlot) {
        ++HistoryPos;
        HistoryTop = HistoryPos;
    } else {
        // Full: the oldest state goes, every other moves one slot down.
        for (std::int32_t s = 0; s < HistoryTop; ++s) {
            const auto from = static_cast<std::size_t>(s) + 1;
            HistoryText[from - 1] = std::move(HistoryText[from]);
            HistoryCaret[from - 1] = HistoryCaret[from];
        }
    }
    const auto slot = static_cast<std::size_t>(HistoryPos);
    HistoryText[slot] = text;
    HistoryCaret[slot] = caret;
}

}  // namespace tambrel
