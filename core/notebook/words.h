#pragma once

#include <string_view>

namespace tambrel::notebook::words {

// Every text and sign the notebook writes, in the school's Russian.
inline constexpr char16_t Minus = u'−';
inline constexpr char16_t Plus = u'+';
inline constexpr char16_t Times = u'·';
inline constexpr char16_t Divided = u':';
inline constexpr char16_t WholeDivided = u'\\';
inline constexpr char16_t ColumnTimes = u'×';
inline constexpr char16_t Root = u'√';
inline constexpr std::u16string_view Equals = u" = ";
inline constexpr std::u16string_view About = u" ≈ ";
inline constexpr char16_t Comma = u',';

// What the notebook shows before any solving: how to get one.
inline constexpr std::u16string_view NoSolvingYet =
    u"Решите пример (Enter или «=»), и здесь появится его решение, как в тетради.";

inline constexpr std::u16string_view Answer = u"Ответ: ";
inline constexpr std::u16string_view FullStop = u".";
inline constexpr std::u16string_view Unfinished = u"Пример не удалось решить до конца.";
// "17 \ 5 = 3 (ост. 2)"
inline constexpr std::u16string_view RemainderOpen = u" (ост. ";
inline constexpr std::u16string_view RemainderClose = u")";
// "√16 = 4, так как 4 · 4 = 16"
inline constexpr std::u16string_view Because = u", так как ";
// "Округляем до целых: 6,5 ≈ 6; 2,5 ≈ 2."
inline constexpr std::u16string_view RoundToWhole = u"Округляем до целых: ";
inline constexpr std::u16string_view ListSeparator = u"; ";

// The short line that gives the sign when the column worked without them:
// "Знак: −, как у числа с большим модулем."
inline constexpr std::u16string_view Sign = u"Знак: ";
inline constexpr std::u16string_view SignOfBoth = u", как у обоих чисел.";
inline constexpr std::u16string_view SignOfLarger = u", как у числа с большим модулем.";
inline constexpr std::u16string_view MinusByMinus = u", минус на минус даёт плюс.";
inline constexpr std::u16string_view MinusByPlus = u", минус на плюс даёт минус.";
inline constexpr std::u16string_view OddPower = u", минус в нечётной степени даёт минус.";

}  // namespace tambrel::notebook::words
