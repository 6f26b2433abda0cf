// Examples that a careless reading of the step rules gets wrong: lost signs,
// brackets paired by position, powers eating a subtraction's minus, and
// the implicit product before a root.

#include <gtest/gtest.h>

#include "solve_case.h"

namespace tambrel::testing {
namespace {

struct MendCase {
    const char* name;
    std::string example;
    std::string answer;
    std::vector<std::string> dirC;  // empty: only the answer is checked
    std::vector<std::string> dirPr;
};

void PrintTo(const MendCase& c, std::ostream* os) { *os << c.example; }

class Mends : public ::testing::TestWithParam<MendCase> {};

TEST_P(Mends, AnswerAndSteps) {
    const MendCase& c = GetParam();
    const Outcome out = Solve(c.example);
    EXPECT_EQ(out.otvet, c.answer);
    EXPECT_TRUE(out.solved);
    EXPECT_EQ(out.box, "");
    if (!c.dirC.empty()) {
        EXPECT_EQ(out.dirC, c.dirC);
        EXPECT_EQ(out.dirPr, c.dirPr);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Examples, Mends,
    ::testing::Values(
        // A zero result gets its plus back.
        MendCase{
            "zero_product_after_minus", "5-0*3", "5", {" 1) 0*3= 0", " 2) 5+0= 5"}, {" 1) 5+0", " 2) 5"}},
        MendCase{
            "zero_quotient_after_minus", "5-2\\3", "5", {" 1)-2\\3= 0", " 2) 5+0= 5"}, {" 1) 5+0", " 2) 5"}},
        // Brackets paired by nesting.
        MendCase{"nested_lone_number_first",
                 "((-3)+2)*4",
                 "-4",
                 {" 1)-3+2= -1", " 2)-1*4= -4"},
                 {" 1) -1*4", " 2) -4"}},
        MendCase{"nested_lone_numbers_keep_plus", "((2)+5)/(3)", "2,333333", {}, {}},
        MendCase{"product_before_sum_inside",
                 "(1+(2)*3)",
                 "7",
                 {" 1) 2*3= 6", " 2) 1+6= 7"},
                 {" 1) (1+6)", " 2) 7"}},
        // Powers keep a subtraction's minus out of the base.
        MendCase{"square_after_minus", "5-3^2", "-4", {" 1) 3^2= 9", " 2) 5-9= -4"}, {" 1) 5-9", " 2) -4"}},
        MendCase{
            "root_power_after_minus", "5-4^0,5", "3", {" 1) 4^0,5= 2", " 2) 5-2= 3"}, {" 1) 5-2", " 2) 3"}},
        MendCase{"sign_is_the_base", "-3^2", "9", {}, {}},
        MendCase{"sign_after_bracket_is_the_base", "2*(-3^2)", "18", {}, {}},
        // A sign before a bracketed number goes with it.
        MendCase{"sign_before_bracketed_number", "-(2)+3", "1", {" 1)-2+3= 1"}, {" 1) 1"}},
        MendCase{"sign_before_bracketed_number_minus", "-(2)-3", "-5", {}, {}},
        MendCase{"signs_cancel", "-(-2)+3", "5", {" 1) 2+3= 5"}, {" 1) 5"}},
        MendCase{"sign_after_operator", "1*(-(2)+3)", "1", {}, {}},
        MendCase{"subtraction_before_bracket_is_not_a_sign", "(2)-(3)*4", "-10", {}, {}},
        MendCase{"sign_before_bracket_then_power", "-(2)^2", "-4", {}, {}},
        // A power base keeps its bracket.
        MendCase{
            "signed_bracket_base", "-(1+1)^2", "-4", {" 1) 1+1= 2", " 2) 2^2= 4"}, {" 1) -(2)^2", " 2) -4"}},
        MendCase{"negative_bracket_base",
                 "5-(1-3)^2",
                 "1",
                 {" 1) 1-3= -2", " 2)-2^2= 4", " 3) 5-4= 1"},
                 {" 1) 5-(-2)^2", " 2) 5-4", " 3) 1"}},
        MendCase{"positive_bracket_base_dropped", "2+3*(4-1)^2", "29", {}, {}},
        // A digit before a root multiplies it.
        MendCase{"digit_before_root", "2K(4)", "4", {" 1) K(4)=2", " 2) 2*2= 4"}, {" 1)  2*2", " 2) 4"}},
        MendCase{"comma_before_root", "1,K(4)", "2", {}, {}},
        MendCase{"bracket_before_root", "(2)K(4)", "4", {}, {}},
        // Blanks stand for nothing: a root step's remainder taken back
        // begins with one.
        MendCase{"root_remainder_taken_back", " 3+1", "4", {" 1) 3+1= 4"}, {" 1) 4"}},
        MendCase{"blanks_between", "2 + 3 * ( 4 - 1 )", "11", {}, {}}),
    [](const auto& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace tambrel::testing
