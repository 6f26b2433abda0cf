#pragma once

#include "engine_window.h"

namespace tambrel {

// The checks made before any arithmetic, numbered 1 to 10 in
// docs/how_it_works.md. On a fault the message goes into txtOtvet, Primer's
// caret moves to the fault and Primer gets the focus; returns false then.
// On success WorkingExample holds the normalised example and both lists are
// empty.
bool CheckExample(EngineWindow& window);

}  // namespace tambrel
