#pragma once

#include <array>

#include "primer_rules.h"

namespace tambrel {

// What the 21 keys show, as the form gives them.
inline constexpr std::array<const char16_t*, KeyCount> KeyCaptions = {
    u" 0", u" 1", u" 2", u" 3", u" 4",  u" 5", u" 6", u" 7", u" 8", u" 9", u"  ,",
    u" +", u" -", u" *", u" /", u" \\", u" ^", u" K", u" (", u" )", u" =",
};

// A key's background while the pointer holds it down: light green. At rest
// and after its release a key takes the system's colours.
struct KeyColour {
    int red;
    int green;
    int blue;
};
inline constexpr KeyColour HeldKeyColour{192, 255, 192};

}  // namespace tambrel
