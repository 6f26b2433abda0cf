#include "calculjator.h"

#include "engine_window.h"
#include "example_check.h"
#include "shared_state.h"
#include "stepwise_solving.h"

namespace tambrel {

std::u16string WorkingExample;

namespace {
EngineWindow* engineWindow = nullptr;
}  // namespace

void SetEngineWindow(EngineWindow* window) { engineWindow = window; }
EngineWindow* GetEngineWindow() { return engineWindow; }

void SolveExample() {
    if (engineWindow == nullptr) return;
    if (CheckExample(*engineWindow)) SolveSteps(*engineWindow);
}

void SolveOn(EngineWindow& window) {
    EngineWindow* const before = engineWindow;
    engineWindow = &window;
    ExampleState = Changed;
    SolveExample();
    engineWindow = before;
}

}  // namespace tambrel
