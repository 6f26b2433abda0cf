#pragma once

#include <cstdint>

namespace tambrel {

// Asks "Закрыть программу?". No: returns 1, the window stays and nothing is
// written. Yes: stores ReplaceWithAnswer in the settings file (silently
// skipped when that fails) and returns 0, so the window closes.
std::int16_t ConfirmCloseAndSave();

}  // namespace tambrel
