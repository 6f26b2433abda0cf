#pragma once

#include <string>
#include <vector>

#include "decimal.h"
#include "notebook.h"

namespace tambrel::notebook {

// One action as the pupil writes it: on its sign in the example, with the
// numbers that stand on either side of that sign.
struct PupilAction {
    int number = 0;   // its number in «Список действий:»
    long sign = -1;   // position in the example of its sign, a power's "^" or a root's "K"; -1 unknown
    char16_t op = 0;  // '+', '-', '*', '/', '\\', '^' or 'K'
    Decimal left;
    Decimal right;    // a root's number
    Decimal carried;  // the result the program carries on with
};

// The example line: the example in school signs, each action's number over
// its sign.
Block ExampleLine(std::u16string_view example, const std::vector<PupilAction>& actions);

// The action's line and, under it, its written work.
void WriteAction(const PupilAction& action, std::vector<Block>& blocks);

// The written work of the methods, on magnitudes; each block starts at
// column 0 and leaves column 0 to the sign.
Block ColumnSum(const Decimal& top, const Decimal& bottom, bool subtract);
Block ColumnProduct(const Decimal& a, const Decimal& b);
// Division «уголком» of a whole divisor: until the remainder is 0, or the
// quotient has seven significant digits, or, for a division with a
// remainder, at the last whole place. The quotient and the remainder as
// the column leaves them.
struct LongDivision {
    Block column;
    Decimal quotient;
    Decimal remainder;
};
LongDivision DivideInColumn(const Decimal& dividend, const Decimal& divisor, bool withRemainder);

}  // namespace tambrel::notebook
