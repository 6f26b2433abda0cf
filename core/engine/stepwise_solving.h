#pragma once

#include <string>
#include <string_view>

#include "engine_window.h"

namespace tambrel {

// The step loop of docs/how_it_works.md: solves the accepted example in
// WorkingExample one action at a time, listing every action and remainder,
// and ends with the answer, a message in txtOtvet or the internal-error box.
void SolveSteps(EngineWindow& window);

}  // namespace tambrel
