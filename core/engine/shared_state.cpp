#include "shared_state.h"

namespace tambrel {

std::int32_t ExampleState = Solved;
std::int32_t ReplaceWithAnswer = 0;

}  // namespace tambrel
