#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tambrel {

// The remainder a DirPr item gives back to the example: everything from the
// second character after its first ")", the step number's, so the blank
// after it is dropped. None when no item is selected (an empty text).
std::optional<std::u16string> TakenBack(std::u16string_view item);

}  // namespace tambrel
