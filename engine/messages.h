#pragma once

#include <string_view>

namespace tambrel::messages {

// Every text the engine shows, byte for byte as the user sees it.
inline constexpr std::u16string_view MissingOpenBracket = u"Не хватает скобки: ''(''";
inline constexpr std::u16string_view MissingCloseBracket = u"Не хватает скобки: '')''";
inline constexpr std::u16string_view EmptyBrackets = u"Между скобок пусто.";
inline constexpr std::u16string_view MissingNumber = u"Не хватает числа.";
inline constexpr std::u16string_view TwoActions = u"Два действия подряд.";
inline constexpr std::u16string_view RootNeedsBracket = u"После корня нужна скобка.";
inline constexpr std::u16string_view TooLong = u"Пример слишком длинный.";

inline constexpr std::u16string_view OperandTooSmall = u"Число меньше чем  -9'999'999.";
inline constexpr std::u16string_view OperandTooLarge = u"Число больше чем 9'999'999.";
inline constexpr std::u16string_view DivisionByZero = u"На ноль делить нельзя.";
inline constexpr std::u16string_view ResultTooSmall =
    u"При вычислении получено число меньше чем  -9'999'999.";
inline constexpr std::u16string_view ResultTooLarge = u"При вычислении получено число больше чем 9'999'999.";
inline constexpr std::u16string_view BadNumber = u"Неверно записано число.";
inline constexpr std::u16string_view NoPower = u"Степень не вычисляется.";
inline constexpr std::u16string_view RootPrefix = u"Квадратный корень из ";
inline constexpr std::u16string_view RootSuffix = u" не вычисляется.";

inline constexpr std::u16string_view InternalError =
    u"Возникла ошибка. Отправьте пример на support@tambrel.example";

}  // namespace tambrel::messages
