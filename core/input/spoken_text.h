#pragma once

#include <string>
#include <string_view>

namespace tambrel {

// What a screen reader should say for an example and for an item of the
// result lists. A reader spells the signs out as symbols («звёздочка»,
// «дефис», «крышка»); these words are a pupil's: «3 умножить на 4 равно
// 12». Numbers stay as they are written, the decimal comma included, for
// the reader to say as numbers. Standard C++ only, beside the keys' spoken
// names, so that every front end speaks alike.

// An example or a remainder: "2+3*4" is «2 плюс 3 умножить на 4».
std::u16string SpokenExample(std::u16string_view example);

// An item of «Список действий:» or «Остаток примера:»: its step label is
// kept ("1)") and the rest is spoken as an example, so " 1) 3*4= 12" is
// «1) 3 умножить на 4 равно 12».
std::u16string SpokenListItem(std::u16string_view item);

}  // namespace tambrel
