#pragma once

#include <string>

namespace tambrel {

// The example while it is checked and solved; every solving overwrites it.
extern std::u16string WorkingExample;

// Longest example the engine takes on (check 2 in docs/how_it_works.md):
// every step lists the whole example, so work and list memory grow with the
// square of its length.
inline constexpr int MaxExampleLength = 10000;

// Checks the example in Primer and solves it step by step, writing every
// action, every remainder and the answer (or the fault) into the window
// set with SetEngineWindow. Does nothing when no window is set.
void SolveExample();

class EngineWindow;
// Solves the example in this window's Primer as Enter does after a change,
// with ReplaceWithAnswer as it stands: the window is the engine's for this
// one solving, and the one set before is set again afterwards. For every
// front end that solves on a window of its own: the console, the tests,
// the fuzzer, the benchmarks.
void SolveOn(EngineWindow& window);

}  // namespace tambrel
