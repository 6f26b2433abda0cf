// Reading and writing numbers in single precision, independent of locale.

#include <gtest/gtest.h>

#include <limits>

#include "number_text.h"
#include "solve_case.h"

namespace tambrel::testing {
namespace {

struct Rendering {
    float value;
    std::string plain;
    std::string list;
};

TEST(NumberText, PlainAndListRenderings) {
    const Rendering cases[] = {
        {12.0f, "12", " 12"},
        {2.5f, "2,5", " 2.5"},
        {1.0f / 3.0f, "0,3333333", " .3333333"},
        {2.0f / 3.0f, "0,6666667", " .6666667"},
        {100.0f / 3.0f, "33,33333", " 33.33333"},
        {1234567.8f, "1234568", " 1234568"},
        {0.0001f, "0,0001", " .0001"},
        {1.0f / 30000.0f, "3,333333E-05", " 3.333333E-05"},
        {-0.5f, "-0,5", "-.5"},
        {0.5f, "0,5", " .5"},
        {7.0f, "7", " 7"},
        {-2.0f, "-2", "-2"},
        {0.0f, "0", " 0"},
        {-0.0f, "0", " 0"},
        {9999999.0f, "9999999", " 9999999"},
        {-9999999.0f, "-9999999", "-9999999"},
        {1000000.0f, "1000000", " 1000000"},
        {100.0f, "100", " 100"},
        {0.00001f, "1E-05", " 1E-05"},
        {-0.00001234f, "-1,234E-05", "-1.234E-05"},
        {1e-30f, "1E-30", " 1E-30"},
        {1.5e20f, "1,5E+20", " 1.5E+20"},
        // Ties on the float's exact value go to the even digit.
        {1234567.5f, "1234568", " 1234568"},
        {1234568.5f, "1234568", " 1234568"},
        {8388607.5f, "8388608", " 8388608"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Utf16ToUtf8(NumberText(c.value)), c.plain) << c.value;
        EXPECT_EQ(Utf16ToUtf8(ListNumberText(c.value)), c.list) << c.value;
    }
}

TEST(NumberText, NeverWritesNanOrInfinity) {
    for (const float v : {std::numeric_limits<float>::infinity(), -std::numeric_limits<float>::infinity(),
                          std::numeric_limits<float>::quiet_NaN()}) {
        const std::string plain = Utf16ToUtf8(NumberText(v));
        const std::string list = Utf16ToUtf8(ListNumberText(v));
        EXPECT_EQ(plain.find_first_of("aAfFnN"), std::string::npos) << plain;
        EXPECT_EQ(list.find_first_of("aAfFnN"), std::string::npos) << list;
    }
}

TEST(ReadNumber, WellFormedTexts) {
    const std::pair<std::u16string, float> cases[] = {{u"12", 12.0f},
                                                      {u"2,5", 2.5f},
                                                      {u",5", 0.5f},
                                                      {u"0,5", 0.5f},
                                                      {u"-,5", -0.5f},
                                                      {u"5,", 5.0f},
                                                      {u",", 0.0f},
                                                      {u"-7", -7.0f},
                                                      {u"007", 7.0f},
                                                      {u"9999999,4", 9999999.0f},
                                                      {u"9999999,6", 10000000.0f},
                                                      {u"0,3333333", 0.3333333f},
                                                      {u"16777217", 16777216.0f}};
    for (const auto& [text, value] : cases) {
        const auto read = ReadNumber(text);
        ASSERT_TRUE(read.has_value()) << Utf16ToUtf8(text);
        EXPECT_EQ(*read, value) << Utf16ToUtf8(text);
    }
}

TEST(ReadNumber, RoundsCorrectlyToFloat) {
    // 0,1 lies between two floats; the nearer one is 0.1f.
    EXPECT_EQ(ReadNumber(u"0,1"), 0.1f);
    // Halfway between 1 and the next float, rounded to even (1).
    EXPECT_EQ(ReadNumber(u"1,000000059604644775390625"), 1.0f);
    EXPECT_EQ(ReadNumber(u"1,000000059604644775390626"), 1.00000012f);
}

TEST(ReadNumber, OutOfFloatRange) {
    const std::u16string huge = u"1" + std::u16string(50, u'0');
    EXPECT_EQ(ReadNumber(huge), std::numeric_limits<float>::infinity());
    EXPECT_EQ(ReadNumber(u"-" + huge), -std::numeric_limits<float>::infinity());
    EXPECT_EQ(ReadNumber(u"0," + std::u16string(60, u'0') + u"1"), 0.0f);
}

TEST(ReadNumber, IllFormedTexts) {
    for (const std::u16string text :
         {u"", u"-", u"-,", u"1,2,3", u",,", u"1-2", u"--1", u"1E-05", u"(4)", u" 1", u"1.5", u"+1"})
        EXPECT_FALSE(ReadNumber(text).has_value()) << Utf16ToUtf8(text);
}

TEST(ReadNumber, SevenDigitsSurviveTheRoundTrip) {
    const float third = 1.0f / 3.0f;
    EXPECT_EQ(ReadNumber(NumberText(third)), 0.3333333f);
    EXPECT_NE(ReadNumber(NumberText(third)), third);
}

}  // namespace
}  // namespace tambrel::testing
