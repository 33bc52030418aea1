// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/operand_text.h"
#include "tests/support/named_rows.h"

namespace {

using vimbo::test_support::PrintTo;

using vimbo::CountOccurrences;
using vimbo::IsPlainNumber;
using vimbo::ScanOperand;

constexpr bool kLeft = true;
constexpr bool kRight = false;

struct ScanCase {
    const char* name;
    const char* text;
    std::int32_t start;
    bool backward;
    std::int32_t boundary;
    const char* operand;
    bool percent;
    bool factorial;
    bool parenthesized;
};

// The operand as the evaluator cuts it out between the operator and the boundary.
std::string OperandOf(std::string_view text, std::int32_t start, bool backward,
                      std::int32_t boundary) {
    const std::int32_t first = backward ? boundary : start + 1;
    const std::int32_t length = backward ? start - boundary : boundary - start;
    return std::string(
        text.substr(static_cast<std::size_t>(first - 1), static_cast<std::size_t>(length)));
}

class ScanOperandRows : public testing::TestWithParam<ScanCase> {};

TEST_P(ScanOperandRows, FindsBoundaryAndFlags) {
    const ScanCase& c = GetParam();
    const vimbo::OperandScan scan = ScanOperand(c.text, c.start, c.backward);
    EXPECT_EQ(scan.boundary, c.boundary);
    EXPECT_EQ(OperandOf(c.text, c.start, c.backward, scan.boundary), c.operand);
    EXPECT_EQ(scan.endsWithPercent, c.percent);
    EXPECT_EQ(scan.endsWithFactorial, c.factorial);
    EXPECT_EQ(scan.isParenthesized, c.parenthesized);
}

std::string RowName(const testing::TestParamInfo<ScanCase>& info) {
    return info.param.name;
}

INSTANTIATE_TEST_SUITE_P(
    WorkedResults, ScanOperandRows,
    testing::Values(
        ScanCase{"ExponentRightwards", "2*1.5E-07", 2, kRight, 9, "1.5E-07", false, false, false},
        ScanCase{"ExponentLeftwards", "1.5E-07*2", 8, kLeft, 1, "1.5E-07", false, false, false},
        ScanCase{"PlusExponentLeftwards", "1E+20*2", 6, kLeft, 1, "1E+20", false, false, false},
        ScanCase{"LowerExponentRightwards", "2*1e-5", 2, kRight, 6, "1e-5", false, false, false},
        ScanCase{"LeadingMinusAtStart", "-3+5", 3, kLeft, 1, "-3", false, false, false},
        ScanCase{"BinaryMinusEndsLeft", "5-3*2", 4, kLeft, 3, "3", false, false, false},
        ScanCase{"MinusAfterOperator", "2*-3^2", 5, kLeft, 3, "-3", false, false, false},
        ScanCase{"MinusAfterParenthesis", "(-2)^2", 5, kLeft, 1, "(-2)", false, false, true},
        ScanCase{"SignOfRightOperand", "2^-3", 2, kRight, 4, "-3", false, false, false},
        ScanCase{"BinaryMinusEndsRight", "2*3-4", 2, kRight, 3, "3", false, false, false},
        ScanCase{"UnsignedExponentEndsRight", "2*3E5", 2, kRight, 3, "3", false, false, false},
        ScanCase{"ParenthesizedRight", "4*(3)", 2, kRight, 5, "(3)", false, false, true},
        ScanCase{"PercentLeft", "10%*3", 4, kLeft, 1, "10%", true, false, false},
        ScanCase{"FactorialRight", "3*5!", 2, kRight, 4, "5!", false, true, false},
        ScanCase{"PercentAndFactorial", "5%!*2", 4, kLeft, 1, "5%!", true, true, false},
        ScanCase{"LeadingPlusLeft", "+5*3", 3, kLeft, 2, "5", false, false, false},
        ScanCase{"ModLeftOperand", "7mod2", 2, kLeft, 1, "7", false, false, false},
        ScanCase{"ModRightOperand", "7mod2", 4, kRight, 5, "2", false, false, false},
        ScanCase{"OperatorAtEnd", "2*", 2, kRight, 2, "", false, false, false}),
    RowName);

INSTANTIATE_TEST_SUITE_P(
    EdgeCases, ScanOperandRows,
    testing::Values(
        ScanCase{"PlusAtStartBeforeExponent", "+2E-3*4", 6, kLeft, 2, "2E-3", false, false, false},
        ScanCase{"SecondMinusEndsRight", "2*--3", 2, kRight, 3, "-", false, false, false},
        ScanCase{"UnclosedParenthesis", "(-2^2", 4, kLeft, 1, "(-2", false, false, false},
        ScanCase{"LowerExponentLeftwards", "1.5e-07*2", 8, kLeft, 1, "1.5e-07", false, false,
                 false},
        ScanCase{"LowerPlusExponentLeft", "1e+20*2", 6, kLeft, 1, "1e+20", false, false, false},
        ScanCase{"LowerPlusExponentRight", "2*1e+20", 2, kRight, 7, "1e+20", false, false, false},
        ScanCase{"ExponentAtEndRight", "2*3E", 2, kRight, 3, "3", false, false, false},
        ScanCase{"LowerExponentAtEndRight", "2*3e", 2, kRight, 3, "3", false, false, false},
        ScanCase{"UnsignedExponentLeftwards", "3E5*2", 4, kLeft, 1, "3E5", false, false, false},
        ScanCase{"OperatorAtStart", "*2", 1, kLeft, 1, "", false, false, false},
        ScanCase{"MinusAfterMinusLeft", "2--3*4", 5, kLeft, 3, "-3", false, false, false},
        ScanCase{"MinusAfterSlashLeft", "2/-3*4", 5, kLeft, 3, "-3", false, false, false},
        ScanCase{"MinusAfterPlusLeft", "2+-3*4", 5, kLeft, 3, "-3", false, false, false},
        ScanCase{"MinusAfterLetterStops", "x-3*4", 4, kLeft, 3, "3", false, false, false},
        ScanCase{"MinusAfterClosingStops", "(2)-3*4", 6, kLeft, 5, "3", false, false, false},
        ScanCase{"PlusRightwardsStops", "2*3+4", 2, kRight, 3, "3", false, false, false},
        ScanCase{"GroupSeparatorKept", "1,000*2", 6, kLeft, 1, "1,000", false, false, false},
        ScanCase{"FactorialThenPercent", "5!%*2", 4, kLeft, 1, "5!%", true, true, false},
        ScanCase{"PercentInsideOnly", "5%3*2", 4, kLeft, 1, "5%3", false, false, false},
        ScanCase{"PercentAfterParenthesis", "2*(3)%", 2, kRight, 6, "(3)%", true, false, false},
        ScanCase{"FactorialsAfterPercent", "2*3%!!", 2, kRight, 6, "3%!!", true, true, false},
        ScanCase{"LoneOpeningParenthesis", "2*(", 2, kRight, 3, "(", false, false, false},
        ScanCase{"EmptyParentheses", "2*()", 2, kRight, 4, "()", false, false, true},
        ScanCase{"OtherCharacterStops", "2*3x", 2, kRight, 3, "3", false, false, false}),
    RowName);

// The scan must stay inside the text it is given, even when more characters follow in memory.
TEST(ScanOperandBounds, StaysInsideAView) {
    const std::string_view buffer = "55-3*2E+55";
    const std::string_view text = buffer.substr(3, 3);  // "3*2"
    EXPECT_EQ(ScanOperand(text, 2, kLeft).boundary, 1);
    EXPECT_EQ(ScanOperand(text, 2, kRight).boundary, 3);
}

TEST(ScanOperandBounds, LongOperandSpansTheWholeText) {
    const std::string text = "2*" + std::string(40000, '7');
    const vimbo::OperandScan scan = ScanOperand(text, 2, kRight);
    EXPECT_EQ(scan.boundary, 40002);
    EXPECT_FALSE(scan.endsWithPercent);
}

struct PlainCase {
    const char* name;
    const char* text;
    bool plain;
    std::size_t viewLength = std::string_view::npos;  // operands are views into longer texts
};

class PlainNumberRows : public testing::TestWithParam<PlainCase> {};

TEST_P(PlainNumberRows, DecidesWhetherTheTextIsANumber) {
    const std::string_view text =
        std::string_view(GetParam().text).substr(0, GetParam().viewLength);
    EXPECT_EQ(IsPlainNumber(text), GetParam().plain) << '"' << text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    IsPlainNumber, PlainNumberRows,
    testing::Values(
        PlainCase{"Empty", "", false}, PlainCase{"PointAlone", ".", false},
        PlainCase{"MinusAlone", "-", false}, PlainCase{"ExponentWithoutDigits", "1e", false},
        PlainCase{"Parenthesized", "(5)", false}, PlainCase{"ClosingParenthesis", "5)", false},
        PlainCase{"OpeningParenthesis", "(5", false}, PlainCase{"Digit", "5", true},
        PlainCase{"Negative", "-5", true}, PlainCase{"ExplicitPlus", "+5", true},
        PlainCase{"LeadingPoint", ".5", true}, PlainCase{"TrailingPoint", "5.", true},
        PlainCase{"NegativeExponent", "1.5E-07", true}, PlainCase{"LowerExponent", "1e5", true},
        PlainCase{"Grouped", "1,000", true}, PlainCase{"PositiveExponent", "1E+20", true},
        PlainCase{"Blanks", " 12.5 ", true}, PlainCase{"Tab", "\t7", true},
        PlainCase{"BlanksOnly", "  ", false}, PlainCase{"NegativeLeadingPoint", "-.5", true},
        PlainCase{"TwoGroups", "1,000,000.25", true},
        PlainCase{"LongMantissa", "1.23456789012346E+17", true},
        PlainCase{"TwoPoints", "1.2.3", false}, PlainCase{"TrailingComma", "1,", false},
        PlainCase{"CommaEndingAView", "5,5", false, 2},  // "5," with a digit after it
        PlainCase{"LeadingComma", ",1", false}, PlainCase{"DoubleComma", "1,,000", false},
        PlainCase{"CommaBeforePoint", "1,.5", false}, PlainCase{"SignOnlyExponent", "1e+", false},
        PlainCase{"ExponentWithoutMantissa", "e5", false},
        PlainCase{"PointBeforeExponent", ".e5", false},
        PlainCase{"FractionalExponent", "1e5.5", false}, PlainCase{"TwoExponents", "1E5E5", false},
        PlainCase{"InnerBlank", "1 2", false}, PlainCase{"BlankAfterSign", "- 5", false},
        PlainCase{"TwoSigns", "+-5", false}, PlainCase{"DoubleMinus", "--5", false},
        PlainCase{"TrailingSign", "5-", false}, PlainCase{"Percent", "5%", false},
        PlainCase{"Factorial", "5!", false}, PlainCase{"Expression", "2*3", false},
        PlainCase{"Letters", "abc", false}, PlainCase{"HexPrefix", "0x10", false}),
    [](const auto& info) { return std::string(info.param.name); });

// The evaluator looks at the single character beside a parenthesis and relies on this.
TEST(PlainNumberOneCharacter, AcceptsExactlyTheTenDigits) {
    for (int code = 0; code < 256; ++code) {
        const char c = static_cast<char>(code);
        EXPECT_EQ(IsPlainNumber(std::string_view(&c, 1)), c >= '0' && c <= '9') << code;
    }
}

struct CountCase {
    const char* name;
    const char* text;
    const char* character;
    std::int32_t count;
};

class CountRows : public testing::TestWithParam<CountCase> {};

TEST_P(CountRows, CountsOccurrences) {
    EXPECT_EQ(CountOccurrences(GetParam().text, GetParam().character), GetParam().count);
}

INSTANTIATE_TEST_SUITE_P(CountOccurrences, CountRows,
                         testing::Values(CountCase{"OpeningParentheses", "((1+2)*(3))", "(", 3},
                                         CountCase{"ClosingParentheses", "((1+2)*(3))", ")", 3},
                                         CountCase{"EmptyText", "", "(", 0},
                                         CountCase{"NoHit", "1+2", "(", 0},
                                         CountCase{"EmptyCharacter", "((", "", 0},
                                         CountCase{"ExactComparison", "1e5", "E", 0},
                                         CountCase{"HitsAtBothEnds", "(1+2)(", "(", 2}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
