// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "engine/errors.h"
#include "engine/factorial.h"
#include "engine/more_math.h"
#include "engine/number_text.h"
#include "tests/support/named_rows.h"

namespace {

using vimbo::test_support::PrintTo;

using vimbo::ErrorKind;
using vimbo::Factorial;
using vimbo::NumberText;

std::string RowName(const auto& info) {
    return info.param.name;
}

struct TextCase {
    const char* name;
    double x;
    const char* text;
};

class WholeFactorial : public testing::TestWithParam<TextCase> {};

TEST_P(WholeFactorial, IsTheProduct) {
    EXPECT_EQ(NumberText(Factorial(GetParam().x)), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Factorial, WholeFactorial,
                         testing::Values(TextCase{"Zero", 0, "1"},
                                         TextCase{"NegativeZero", -0.0, "1"},
                                         TextCase{"One", 1, "1"}, TextCase{"Five", 5, "120"},
                                         TextCase{"Ten", 10, "3628800"},
                                         TextCase{"Largest", 170, "7.25741561530799E+306"}),
                         RowName<testing::TestParamInfo<TextCase>>);

// Only about 13 significant digits are promised for fractions: the result rounds to the
// leading digits of Gamma(x + 1), within half a unit of the last digit given.
struct DigitsCase {
    const char* name;
    double x;
    double digits;
    double halfUnit;
};

class FractionDigits : public testing::TestWithParam<DigitsCase> {};

TEST_P(FractionDigits, RoundsToTheDigitsOfGamma) {
    EXPECT_NEAR(Factorial(GetParam().x), GetParam().digits, GetParam().halfUnit);
}

INSTANTIATE_TEST_SUITE_P(Factorial, FractionDigits,
                         testing::Values(DigitsCase{"Half", 0.5, 0.8862269254527, 5e-14},
                                         DigitsCase{"MinusHalf", -0.5, 1.7724538509055, 5e-14},
                                         DigitsCase{"MinusOneAndHalf", -1.5, -3.544907701811,
                                                    5e-13}),
                         RowName<testing::TestParamInfo<DigitsCase>>);

struct GammaCase {
    const char* name;
    double x;
};

class FractionGamma : public testing::TestWithParam<GammaCase> {};

TEST_P(FractionGamma, AgreesWithGammaOfXPlusOne) {
    const double x = GetParam().x;
    const double expected = std::tgamma(x + 1.0);
    EXPECT_NEAR(Factorial(x) / expected, 1.0, 1e-12) << "Gamma(x + 1) = " << expected;
}

INSTANTIATE_TEST_SUITE_P(
    Factorial, FractionGamma,
    testing::Values(GammaCase{"Quarter", 0.25}, GammaCase{"OneAndHalf", 1.5},
                    GammaCase{"TenPointOne", 10.1}, GammaCase{"HundredPointThree", 100.3},
                    GammaCase{"JustBelow170", 169.9}, GammaCase{"MinusQuarter", -0.25},
                    GammaCase{"MinusTwoAndHalf", -2.5}, GammaCase{"MinusTenAndHalf", -10.5},
                    GammaCase{"MinusHundredAndHalf", -100.5}, GammaCase{"Minus170AndHalf", -170.5},
                    GammaCase{"Subnormal", 5e-324},
                    // Above 170 the integral's start lies below x + 1 and is carried upwards.
                    GammaCase{"Above170", 170.5}, GammaCase{"NearTheLargestDouble", 170.6},
                    GammaCase{"JustAbove170", 170.01}),
    RowName<testing::TestParamInfo<GammaCase>>);

// Once the downward recurrence has underflowed the result stays 0, however far down x lies.
class UnderflowsToZero : public testing::TestWithParam<GammaCase> {};

TEST_P(UnderflowsToZero, IsZero) {
    const double r = Factorial(GetParam().x);
    EXPECT_EQ(r, 0.0);
    EXPECT_EQ(NumberText(r), "0");
}

INSTANTIATE_TEST_SUITE_P(Factorial, UnderflowsToZero,
                         testing::Values(GammaCase{"Minus180AndHalf", -180.5},
                                         GammaCase{"MinusBillionAndHalf", -1000000000.5},
                                         GammaCase{"LargestNegativeHalf", -4503599627370495.5}),
                         RowName<testing::TestParamInfo<GammaCase>>);

struct ErrorCase {
    const char* name;
    double x;
    ErrorKind kind;
};

class FactorialError : public testing::TestWithParam<ErrorCase> {};

TEST_P(FactorialError, Raises) {
    try {
        const double r = Factorial(GetParam().x);
        ADD_FAILURE() << "returned " << r;
    } catch (const vimbo::EngineError& e) {
        EXPECT_EQ(e.kind(), GetParam().kind);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Factorial, FactorialError,
    testing::Values(ErrorCase{"Whole171", 171, ErrorKind::Overflow},
                    ErrorCase{"AboveThe32BitCount", 2147483648.0, ErrorKind::Overflow},
                    ErrorCase{"HugeWhole", 1e308, ErrorKind::Overflow},
                    ErrorCase{"NegativeWhole", -3, ErrorKind::InvalidArgument},
                    ErrorCase{"MinusOne", -1, ErrorKind::InvalidArgument},
                    ErrorCase{"HugeNegativeWhole", -1e308, ErrorKind::InvalidArgument},
                    ErrorCase{"FractionBeyondDouble", 170.7, ErrorKind::Overflow},
                    ErrorCase{"FractionAbove171", 171.5, ErrorKind::Overflow},
                    ErrorCase{"LargeFraction", 4503599627370495.5, ErrorKind::Overflow}),
    RowName<testing::TestParamInfo<ErrorCase>>);

}  // namespace
