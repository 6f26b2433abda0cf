#pragma once

#include <string>
#include <string_view>

#include "engine_window.h"

namespace tambrel {

// Step 8 of the step loop in docs/how_it_works.md: " 1)" for an ordinary
// step, " 1) " for a square-root step.
std::u16string StepLabel(int step, bool root);

// Step 1 of the step loop in docs/how_it_works.md: supplies the
// multiplication signs left out before "(" and "K" and after ")": 2(3) is
// 2*(3), (2)3 is (2)*3, 2K(4) is 2*K(4).
std::u16string WithImplicitMultiplication(std::u16string_view example);

// The step loop of docs/how_it_works.md: solves the accepted example in
// WorkingExample one action at a time, listing every action and remainder,
// and ends with the answer, a message in txtOtvet or the internal-error box.
void SolveSteps(EngineWindow& window);

}  // namespace tambrel
