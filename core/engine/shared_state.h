#pragma once

#include <cstdint>

namespace tambrel {

// Program-wide state shared by the engine and the main window.
inline constexpr std::int32_t Solved = 0;     // solved and not changed since
inline constexpr std::int32_t Changed = 1;    // Primer changed since the last solving
inline constexpr std::int32_t Restoring = 2;  // undo or redo is putting a state back

extern std::int32_t ExampleState;
// 1: every solving also puts its answer into Primer. A hand-edited settings
// file may bring any other whole number; the engine acts only on 1.
extern std::int32_t ReplaceWithAnswer;

}  // namespace tambrel
