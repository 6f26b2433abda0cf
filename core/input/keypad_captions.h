#pragma once

#include <array>

#include "primer_rules.h"

namespace tambrel {

// What the 21 keys show, as the form gives them.
inline constexpr std::array<const char16_t*, KeyCount> KeyCaptions = {
    u" 0", u" 1", u" 2", u" 3", u" 4",  u" 5", u" 6", u" 7", u" 8", u" 9", u"  ,",
    u" +", u" -", u" *", u" /", u" \\", u" ^", u" K", u" (", u" )", u" =",
};

}  // namespace tambrel
