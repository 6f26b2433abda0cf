// Examples solved step by step: both lists item by item, the answer and the
// final state of the input box.

#include <gtest/gtest.h>

#include "solve_case.h"

namespace tambrel::testing {
namespace {

struct StepCase {
    const char* name;
    std::string example;
    std::vector<std::string> dirC;
    std::vector<std::string> dirPr;
    std::string answer;
};

void PrintTo(const StepCase& c, std::ostream* os) { *os << c.example; }

class Steps : public ::testing::TestWithParam<StepCase> {};

TEST_P(Steps, ListsEveryActionAndRemainder) {
    const StepCase& c = GetParam();
    const Outcome out = Solve(c.example);
    EXPECT_EQ(out.dirC, c.dirC);
    EXPECT_EQ(out.dirPr, c.dirPr);
    EXPECT_EQ(out.otvet, c.answer);
    EXPECT_TRUE(out.solved);
    EXPECT_EQ(out.primer, c.example) << "the input box keeps the example";
    EXPECT_EQ(out.box, "");
}

INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, Steps,
    ::testing::Values(
        StepCase{
            "multiplication_first", "2+3*4", {" 1) 3*4= 12", " 2) 2+12= 14"}, {" 1) 2+12", " 2) 14"}, "14"},
        StepCase{"bracket_power_product_sum",
                 "2+3*(4-1)^2",
                 {" 1) 4-1= 3", " 2) 3^2= 9", " 3) 3*9= 27", " 4) 2+27= 29"},
                 {" 1) 2+3*3^2", " 2) 2+3*9", " 3) 2+27", " 4) 29"},
                 "29"},
        StepCase{"root_and_implicit_product",
                 "K(16)-2(3+1)",
                 {" 1) 3+1= 4", " 2) K(16)=4", " 3)-2*4= -8", " 4) 4-8= -4"},
                 {" 1) K(16)-2*4", " 2)  4-2*4", " 3) 4-8", " 4) -4"},
                 "-4"},
        StepCase{"root_of_a_sum", "K(2+2)", {" 1) 2+2= 4", " 2) K(4)=2"}, {" 1) K(4)", " 2)  2"}, "2"},
        StepCase{"last_bracket_first",
                 "(1+2)*(3+4)",
                 {" 1) 3+4= 7", " 2) 1+2= 3", " 3) 3*7= 21"},
                 {" 1) (1+2)*7", " 2) 3*7", " 3) 21"},
                 "21"},
        StepCase{"negative_in_bracket_as_right_operand",
                 "5-2*(-3)",
                 {" 1)-2*-3= 6", " 2) 5+6= 11"},
                 {" 1) 5+6", " 2) 11"},
                 "11"},
        StepCase{"subtracting_a_negative", "1-(-3)", {" 1) 1--3= 4"}, {" 1) 4"}, "4"},
        StepCase{"list_left_operand_has_point", "2,5*2", {" 1) 2.5*2= 5"}, {" 1) 5"}, "5"},
        StepCase{"list_left_operand_without_zero", ",5+1,5", {" 1) .5+1,5= 2"}, {" 1) 2"}, "2"},
        StepCase{"lone_comma_reads_zero", ",+1", {" 1) 0+1= 1"}, {" 1) 1"}, "1"},
        StepCase{"sign_pair_collapsed", "2--3", {" 1) 2+3= 5"}, {" 1) 5"}, "5"},
        StepCase{"bracket_at_start", "(2)+3", {" 1) 2+3= 5"}, {" 1) 5"}, "5"},
        StepCase{"minus_after_bracket_is_sign", "(-3)+2", {" 1)-3+2= -1"}, {" 1) -1"}, "-1"},
        StepCase{
            "no_star_between_closing", "(1+(2))*3", {" 1) 1+2= 3", " 2) 3*3= 9"}, {" 1) 3*3", " 2) 9"}, "9"},
        StepCase{"implicit_after_bracket", "(2)3", {" 1) 2*3= 6"}, {" 1) 6"}, "6"},
        StepCase{"powers_left_first", "2^3^2", {" 1) 2^3= 8", " 2) 8^2= 64"}, {" 1) 8^2", " 2) 64"}, "64"},
        StepCase{"leading_minus_is_the_base", "-3^2", {" 1)-3^2= 9"}, {" 1) 9"}, "9"},
        StepCase{"bracketed_base_keeps_sign_outside", "-(2)^2", {" 1) 2^2= 4"}, {" 1) -4"}, "-4"},
        StepCase{"negative_exponent", "2^(-1)", {" 1) 2^-1= 0,5"}, {" 1) 0,5"}, "0,5"},
        StepCase{"integer_division", "7\\2", {" 1) 7\\2= 3"}, {" 1) 3"}, "3"},
        StepCase{"integer_division_truncates", "-7\\2", {" 1)-7\\2= -3"}, {" 1) -3"}, "-3"},
        StepCase{"integer_division_rounds_halves_even", "6,5\\2,5", {" 1) 6.5\\2,5= 3"}, {" 1) 3"}, "3"},
        StepCase{"seven_digits", "1/3", {" 1) 1/3= 0,3333333"}, {" 1) 0,3333333"}, "0,3333333"},
        StepCase{"roots_read_back_with_seven_digits",
                 "K(2)*K(2)",
                 {" 1) K(2)=1,414214", " 2) K(2)=1,414214", " 3) 1.414214*1,414214= 2,000001"},
                 {" 1)  K(2)*1,414214", " 2)  1,414214*1,414214", " 3) 2,000001"},
                 "2,000001"},
        StepCase{
            "range_edge_is_in_range", "9999999,4+0", {" 1) 9999999+0= 9999999"}, {" 1) 9999999"}, "9999999"},
        StepCase{"lone_number", "5", {}, {}, "5"},
        StepCase{"lone_number_kept_as_typed", "007", {}, {}, "007"},
        StepCase{"leading_sign_passes", "-5", {}, {}, "-5"}, StepCase{"plus_dropped", "+5", {}, {}, "5"},
        StepCase{"bracketed_number", "(5)", {}, {}, "5"},
        StepCase{"negative_bracketed_number", "(-5)", {}, {}, "-5"},
        StepCase{"minus_before_bracketed_number", "-(5)", {}, {}, "-5"},
        StepCase{"double_minus_removed", "-(-5)", {}, {}, "5"},
        StepCase{"minus_zero_is_zero", "-(0)", {}, {}, "0"},
        StepCase{"inner_bracket_unwrapped_once", "((3))", {}, {}, "(3)"},
        StepCase{"ill_formed_lone_number_answered_unchanged", "1,2,3", {}, {}, "1,2,3"}),
    [](const auto& row) { return std::string(row.param.name); });

struct StopCase {
    const char* name;
    std::string example;
    std::string message;
    std::vector<std::string> dirC;  // steps done before the stop
};

void PrintTo(const StopCase& c, std::ostream* os) { *os << c.example; }

class Stops : public ::testing::TestWithParam<StopCase> {};

TEST_P(Stops, EndWithMessageAndKeepSteps) {
    const StopCase& c = GetParam();
    const Outcome out = Solve(c.example);
    EXPECT_EQ(out.otvet, c.message);
    EXPECT_EQ(out.dirC, c.dirC);
    EXPECT_EQ(out.dirPr.size(), c.dirC.size());
    EXPECT_FALSE(out.solved) << "a message leaves the example Changed";
    EXPECT_EQ(out.primer, c.example);
    EXPECT_EQ(out.caret, 0) << "caret not moved";
    EXPECT_EQ(out.box, "");
}

const std::string Less = "Число меньше чем  -9'999'999.";
const std::string More = "Число больше чем 9'999'999.";
const std::string ResultLess = "При вычислении получено число меньше чем  -9'999'999.";
const std::string ResultMore = "При вычислении получено число больше чем 9'999'999.";
const std::string Zero = "На ноль делить нельзя.";
const std::string BadNumber = "Неверно записано число.";
const std::string NoPower = "Степень не вычисляется.";

INSTANTIATE_TEST_SUITE_P(
    Messages, Stops,
    ::testing::Values(
        StopCase{"root_of_negative", "K(-4)", "Квадратный корень из -4 не вычисляется.", {}},
        StopCase{"root_of_negative_fraction", "K(-2,5)", "Квадратный корень из -2.5 не вычисляется.", {}},
        StopCase{
            "root_of_negative_result", "K(1-5)", "Квадратный корень из -4 не вычисляется.", {" 1) 1-5= -4"}},
        StopCase{"integer_division_by_small", "7\\0,4", Zero, {}},
        StopCase{"division_by_zero", "5/0", Zero, {}},
        StopCase{"division_by_computed_zero", "5/(2-2)", Zero, {" 1) 2-2= 0"}},
        StopCase{"result_too_large", "9999999+1", ResultMore, {}},
        StopCase{"operand_too_large", "10000000+1", More, {}},
        StopCase{"rounded_operand_too_large", "9999999,6+0", More, {}},
        StopCase{"operand_too_small", "(-10000000)+1", Less, {}},
        StopCase{"result_too_small", "-9999999-1", ResultLess, {}},
        StopCase{"both_out_of_range_small_first", "10000000*(-10000000)", Less, {}},
        StopCase{"huge_literal", "1" + std::string(60, '0') + "+1", More, {}},
        StopCase{"huge_root_argument", "K(1" + std::string(60, '0') + ")", More, {}},
        StopCase{"huge_power", "2^200", ResultMore, {}},
        StopCase{"huge_negative_power", "(-2)^201", ResultLess, {}},
        StopCase{"tiny_divisor", "1/0," + std::string(30, '0') + "1", ResultMore, {}},
        StopCase{"two_commas", "1,2,3+1", BadNumber, {}},
        StopCase{"two_commas_after_a_step", "2*3+1,2,3", BadNumber, {" 1) 2*3= 6"}},
        StopCase{"sign_and_comma", "-,+1", BadNumber, {}},
        StopCase{"two_commas_in_root", "K(1,2,3)", BadNumber, {}},
        StopCase{"negative_base_fractional_power", "(-8)^(1/3)", NoPower, {" 1) 1/3= 0,3333333"}},
        StopCase{"zero_to_negative_power", "0^(-1)", Zero, {}}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(ExponentForm, ResultThatCannotBeReadBackEndsInTheBox) {
    for (const std::string example : {"1/30000+1", "1/30000*2", "1/30000"}) {
        const Outcome out = Solve(example);
        EXPECT_EQ(out.dirC, std::vector<std::string>{" 1) 1/30000= 3,333333E-05"}) << example;
        ASSERT_EQ(out.dirPr.size(), 1u);
        EXPECT_EQ(out.dirPr[0], " 1) 3,333333E-05" + example.substr(7)) << example;
        EXPECT_EQ(out.box, Box) << example;
        EXPECT_EQ(out.otvet, "") << example;
        EXPECT_FALSE(out.solved);
    }
}

TEST(InternalError, NumberInTwoBracketPairsNextToAnAction) {
    for (const std::string example : {"((2))+1", "-(-(2))+1"}) {
        const Outcome out = Solve(example);
        EXPECT_EQ(out.box, Box) << example;
        EXPECT_EQ(out.otvet, "");
        EXPECT_TRUE(out.dirC.empty());
        EXPECT_FALSE(out.solved);
    }
}

TEST(InternalError, BracketHoldingMoreThanTheOperand) {
    // Foreign characters come in through the box's context menu or the
    // console; the bracket next to the action is then not a lone number.
    for (const std::string example : {"(1z2)*(3)", "2*(3z)", "(1\t2)+1"}) {
        const Outcome out = Solve(example);
        EXPECT_EQ(out.box, Box) << example;
        EXPECT_FALSE(out.solved) << example;
    }
}

TEST(InternalError, BoxTitledWithWindowCaption) {
    PlainWindow window;
    Solve("((2))+1", 0, &window);
    EXPECT_EQ(Utf16ToUtf8(window.boxTitle), "Тамбрель");
}

TEST(ReplaceWithAnswer, AnswerGoesIntoPrimerWithCaretAtEnd) {
    PlainWindow window;
    const Outcome out = Solve("2+2", 1, &window);
    EXPECT_EQ(out.primer, "4");
    EXPECT_EQ(out.caret, 1);
    EXPECT_EQ(out.otvet, "4");
    EXPECT_TRUE(out.solved) << "Solved after the change handler marked it Changed";
    EXPECT_EQ(window.primerChanges, 1);

    const Outcome longer = Solve("1/3", 1);
    EXPECT_EQ(longer.primer, "0,3333333");
    EXPECT_EQ(longer.caret, 9);
}

TEST(ReplaceWithAnswer, OnlyTheValueOneReplaces) {
    for (const int value : {0, 2, -1}) {
        const Outcome out = Solve("2*3", value);
        EXPECT_EQ(out.primer, "2*3") << value;
        EXPECT_EQ(out.otvet, "6");
    }
}

TEST(ReplaceWithAnswer, MessagesLeavePrimerAlone) {
    PlainWindow window;
    const Outcome out = Solve("5/0", 1, &window);
    EXPECT_EQ(out.primer, "5/0");
    EXPECT_EQ(window.primerChanges, 0);
}

TEST(StepNumbers, TwoDigitStepsKeepTheirLabels) {
    std::string example = "1";
    for (int i = 0; i < 12; ++i) example += "+1";
    const Outcome out = Solve(example);
    ASSERT_EQ(out.dirC.size(), 12u);
    EXPECT_EQ(out.dirC[9], " 10) 10+1= 11");
    EXPECT_EQ(out.dirPr[11], " 12) 13");
    EXPECT_EQ(out.otvet, "13");
}

}  // namespace
}  // namespace tambrel::testing
