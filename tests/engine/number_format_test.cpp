// SPDX-License-Identifier: MIT
// The decimals pattern and the reading of a leading number.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "engine/engine.h"
#include "tests/support/named_rows.h"

namespace vimbo {
namespace {

using vimbo::test_support::PrintTo;

struct TextCase {
    const char* name;
    const char* value;
    const char* pattern;
    const char* expected;
};

class FormatTextTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(FormatTextTest, Formats) {
    const TextCase& c = GetParam();
    EXPECT_EQ(FormatByPattern(std::string_view(c.value), c.pattern), c.expected);
}

INSTANTIATE_TEST_SUITE_P(NoPattern, FormatTextTest,
                         ::testing::Values(TextCase{"NumberUnchanged", "0.333333333333333", "",
                                                    "0.333333333333333"},
                                           TextCase{"ExponentFormUnchanged", "1E+20", "", "1E+20"},
                                           TextCase{"ErrorUnchanged", "Error", "", "Error"},
                                           TextCase{"FractionUnchanged", "3/4", "", "3/4"},
                                           TextCase{"BlanksUnchanged", "  ", "", "  "}),
                         [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    TwoDecimals, FormatTextTest,
    ::testing::Values(
        TextCase{"TieRoundsUpOnDecimalDigits", "1.005", "0.00", "1.01"},
        TextCase{"TieRoundsUpWhereBinaryIsBelow", "2.675", "0.00", "2.68"},
        TextCase{"OneThird", "0.333333333333333", "0.00", "0.33"},
        TextCase{"WholeGetsTwoZeros", "2", "0.00", "2.00"},
        TextCase{"LargeExponentWrittenInFull", "1E+20", "0.00", "100000000000000000000.00"},
        TextCase{"FifteenDigitsThenZeros", "1.23456789012346E+17", "0.00", "123456789012346000.00"},
        TextCase{"TinyExponentIsZero", "1.5E-07", "0.00", "0.00"},
        TextCase{"BelowHalfHundredthIsZero", "0.0049", "0.00", "0.00"},
        TextCase{"HalfHundredthRoundsUp", "0.005", "0.00", "0.01"},
        TextCase{"CarryIntoUnits", "0.995", "0.00", "1.00"},
        TextCase{"CarryIntoNewDigit", "99.995", "0.00", "100.00"},
        TextCase{"OneDecimalPadded", "0.3", "0.00", "0.30"},
        TextCase{"NegativeValue", "-2.5", "0.00", "-2.50"},
        TextCase{"NegativeTieAwayFromZero", "-0.005", "0.00", "-0.01"},
        TextCase{"NegativeRoundingToZeroHasNoSign", "-0.004", "0.00", "0.00"},
        TextCase{"NegativeLargeExponent", "-1E+20", "0.00", "-100000000000000000000.00"},
        TextCase{"GroupSeparatorRead", "1,000", "0.00", "1000.00"},
        TextCase{"BlanksAroundRead", " 5 ", "0.00", "5.00"},
        TextCase{"DigitsBeyondFifteenRoundedFirst", "1.00499999999999999", "0.00", "1.01"},
        TextCase{"SyntaxErrorUnchanged", "Syntax error", "0.00", "Syntax error"},
        TextCase{"ErrorUnchanged", "Error", "0.00", "Error"},
        TextCase{"FractionUnchanged", "3/4", "0.00", "3/4"},
        TextCase{"NegativeFractionUnchanged", "-1 1/2", "0.00", "-1 1/2"},
        TextCase{"EmptyUnchanged", "", "0.00", ""},
        TextCase{"BeyondDoubleRangeIsError", "1E+400", "0.00", "Error"}),
    [](const auto& info) { return std::string(info.param.name); });

struct DoubleCase {
    const char* name;
    double value;
    const char* pattern;
    const char* expected;
};

class FormatDoubleTest : public ::testing::TestWithParam<DoubleCase> {};

TEST_P(FormatDoubleTest, Formats) {
    const DoubleCase& c = GetParam();
    EXPECT_EQ(FormatByPattern(c.value, c.pattern), c.expected);
}

constexpr double kInfinity = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Doubles, FormatDoubleTest,
    ::testing::Values(DoubleCase{"NumberTextWithoutPattern", 0.1 + 0.2, "", "0.3"},
                      DoubleCase{"ExponentFormWithoutPattern", 1e20, "", "1E+20"},
                      DoubleCase{"ZeroWithoutPattern", 0.0, "", "0"},
                      DoubleCase{"NegativeZeroWithoutPattern", -0.0, "", "0"},
                      DoubleCase{"SumOfHundredths", 0.33 + 0.33, "0.00", "0.66"},
                      DoubleCase{"SumNearWhole", 0.99 + 1.0, "0.00", "1.99"},
                      DoubleCase{"BinaryBelowTie", 1.005, "0.00", "1.01"},
                      DoubleCase{"BinaryBelowTieAgain", 2.675, "0.00", "2.68"},
                      DoubleCase{"ThirdOfOne", 1.0 / 3.0, "0.00", "0.33"},
                      DoubleCase{"LargeWrittenInFull", 1e20, "0.00", "100000000000000000000.00"},
                      DoubleCase{"ZeroWithPattern", 0.0, "0.00", "0.00"},
                      DoubleCase{"NegativeZeroWithPattern", -0.0, "0.00", "0.00"},
                      DoubleCase{"LargestDoubleWritten", 1.79769313486231e308, "",
                                 "1.79769313486231E+308"},
                      DoubleCase{"InfinityIsError", kInfinity, "", "Error"},
                      DoubleCase{"InfinityWithPatternIsError", kInfinity, "0.00", "Error"},
                      DoubleCase{"NegativeInfinityIsError", -kInfinity, "0.00", "Error"},
                      DoubleCase{"NotANumberIsError", std::nan(""), "", "Error"}),
    [](const auto& info) { return std::string(info.param.name); });

struct LeadingCase {
    const char* name;
    const char* text;
    double expected;
};

class LeadingNumberTest : public ::testing::TestWithParam<LeadingCase> {};

TEST_P(LeadingNumberTest, Reads) {
    const LeadingCase& c = GetParam();
    EXPECT_EQ(LeadingNumber(c.text), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Prefixes, LeadingNumberTest,
    ::testing::Values(
        LeadingCase{"Decimal", "12.50", 12.5}, LeadingCase{"ExponentForm", "1E+20", 1e20},
        LeadingCase{"LowerExponentLetter", "2e-3", 2e-3},
        LeadingCase{"FractionStopsAtSlash", "3/4", 3.0},
        LeadingCase{"CommaEndsNumber", "1,234.5", 1.0}, LeadingCase{"ErrorIsZero", "Error", 0.0},
        LeadingCase{"EmptyIsZero", "", 0.0}, LeadingCase{"BlanksInsideIgnored", " 1 2", 12.0},
        LeadingCase{"TabsAndLineFeedsIgnored", "\t-\n5", -5.0}, LeadingCase{"PlusSign", "+7", 7.0},
        LeadingCase{"NoLeadingDigit", "-.5", -0.5}, LeadingCase{"TrailingPoint", "5.", 5.0},
        LeadingCase{"SecondPointEnds", "1.2.3", 1.2},
        LeadingCase{"ExponentLetterWithoutDigits", "1e", 1.0},
        LeadingCase{"ExponentSignWithoutDigits", "1e+", 1.0},
        LeadingCase{"TextAfterExponent", "2E3x", 2000.0}, LeadingCase{"PointAloneIsZero", ".", 0.0},
        LeadingCase{"SignAloneIsZero", "-", 0.0}, LeadingCase{"TwoDecimalsZero", "0.00", 0.0},
        LeadingCase{"TotalFollowedByText", "25 GT", 25.0},
        LeadingCase{"CarriageReturnEndsNumber", "\r5", 0.0},
        LeadingCase{"RadixPrefixNotRead", "&H10", 0.0},
        LeadingCase{"UnderflowIsZero", "1e-999", 0.0},
        LeadingCase{"ManyZerosThenUnderflow", "0.000000001e-400", 0.0},
        LeadingCase{"OverflowIsInfinity", "1e999", kInfinity},
        LeadingCase{"NegativeOverflow", "-1e999", -kInfinity},
        LeadingCase{"LongDigitsOverflow", "1000e306", kInfinity}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vimbo
