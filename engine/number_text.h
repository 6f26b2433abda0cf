#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tambrel {

// Numbers between steps live only as text inside the example; these read
// and write that text in single precision, whatever the system locale says.

inline constexpr float NumberLimit = 9999999.0f;

// Reads an operand: an optional leading "-", digits and at most one ","
// as the decimal comma; ",5" reads 0,5, "5," reads 5 and a lone "," reads 0.
// The decimal value is rounded correctly to float. Anything else (two
// commas, a lone "-", "-,", other characters) is not a number: nullopt.
// A number too large for float reads as an infinity of its sign.
std::optional<float> ReadNumber(std::u16string_view text);

// Plain rendering, used in the example and the answer: "2,5", "-0,5",
// "3,333333E-05"; zero of either sign is "0".
std::u16string NumberText(float value);

// List rendering: "." as separator, no whole part "0", and a space in front
// of zero and positive values: " 2.5", " .5", "-.5", " 3.333333E-05".
std::u16string ListNumberText(float value);

}  // namespace tambrel
