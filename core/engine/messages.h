#pragma once

#include <string>
#include <string_view>

#include "number_text.h"

namespace tambrel::messages {

// Every text the engine shows, byte for byte as the user sees it; the texts
// that hold a number are put together below from their fixed parts.
inline constexpr std::u16string_view MissingOpenBracket = u"Не хватает скобки: ''(''";
inline constexpr std::u16string_view MissingCloseBracket = u"Не хватает скобки: '')''";
inline constexpr std::u16string_view EmptyBrackets = u"Между скобок пусто.";
inline constexpr std::u16string_view MissingNumber = u"Не хватает числа.";
inline constexpr std::u16string_view TwoActions = u"Два действия подряд.";
inline constexpr std::u16string_view RootNeedsBracket = u"После корня нужна скобка.";
inline constexpr std::u16string_view TooLong = u"Пример слишком длинный.";

inline constexpr std::u16string_view DivisionByZero = u"На ноль делить нельзя.";
inline constexpr std::u16string_view BadNumber = u"Неверно записано число.";
inline constexpr std::u16string_view NoPower = u"Степень не вычисляется.";

// Which side of the number range a number fell out of.
enum class Beyond { Below, Above };

// A number beyond the range, said of the number as it is named.
inline std::u16string OutOfRange(std::u16string_view number, Beyond side) {
    std::u16string text(number);
    text += side == Beyond::Below ? u"меньше чем  -" : u"больше чем ";
    text += LimitText;
    text += u'.';
    return text;
}
// "Число меньше чем  -9'999'999." (two blanks before the minus) and
// "Число больше чем 9'999'999.".
inline std::u16string OperandOutOfRange(Beyond side) { return OutOfRange(u"Число ", side); }
// "При вычислении получено число меньше чем  -9'999'999." and
// "При вычислении получено число больше чем 9'999'999.".
inline std::u16string ResultOutOfRange(Beyond side) {
    return OutOfRange(u"При вычислении получено число ", side);
}

// "Квадратный корень из -4 не вычисляется.", the number as the lists write it.
inline std::u16string RootOfNegative(std::u16string_view number) {
    std::u16string text(u"Квадратный корень из ");
    text += number;
    text += u" не вычисляется.";
    return text;
}

inline constexpr std::u16string_view InternalError =
    u"Возникла ошибка. Отправьте пример на support@tambrel.example";

}  // namespace tambrel::messages
