#pragma once

#include <array>
#include <string_view>

namespace tambrel {

// What a screen reader says for keypad key i: the captions are bare glyphs
// (" K", " \"), which a reader would speak as a letter or a slash. Standard
// C++ only, so that every front end names the keys alike.
inline constexpr std::array<std::u16string_view, 21> KeySpokenNames = {
    u"0",
    u"1",
    u"2",
    u"3",
    u"4",
    u"5",
    u"6",
    u"7",
    u"8",
    u"9",
    u"запятая",
    u"плюс",
    u"минус",
    u"умножить",
    u"разделить",
    u"целочисленное деление",
    u"степень",
    u"квадратный корень",
    u"открывающая скобка",
    u"закрывающая скобка",
    u"равно",
};

}  // namespace tambrel
