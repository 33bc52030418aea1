// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <string>

#include "engine/errors.h"
#include "engine/factorial.h"
#include "engine/more_math.h"
#include "engine/number_text.h"
#include "tests/support/named_rows.h"

namespace {

using vimbo::test_support::PrintTo;

namespace mm = vimbo::MoreMath;
using vimbo::ErrorKind;
using vimbo::NumberText;

using Unary = double (*)(double);

std::string RowName(const auto& info) {
    return info.param.name;
}

struct TextCase {
    const char* name;
    Unary function;
    double x;
    const char* text;
};

class WrittenResult : public testing::TestWithParam<TextCase> {};

TEST_P(WrittenResult, WritesAsExpected) {
    EXPECT_EQ(NumberText(GetParam().function(GetParam().x)), GetParam().text);
}

// No snapping to exact values: the double arithmetic shows through.
INSTANTIATE_TEST_SUITE_P(
    Angles, WrittenResult,
    testing::Values(
        TextCase{"SinDeg180", mm::SinDeg, 180, "1.22464679914735E-16"},
        TextCase{"CosDeg90", mm::CosDeg, 90, "6.12323399573677E-17"},
        TextCase{"TanDeg90IsNoError", mm::TanDeg, 90, "1.63312393531954E+16"},
        TextCase{"SinGrad200", mm::SinGrad, 200, "1.22464679914735E-16"},
        TextCase{"SinDeg30", mm::SinDeg, 30, "0.5"}, TextCase{"TanDeg45", mm::TanDeg, 45, "1"},
        TextCase{"SinDeg90", mm::SinDeg, 90, "1"}, TextCase{"CosDeg60", mm::CosDeg, 60, "0.5"},
        TextCase{"SinGrad100", mm::SinGrad, 100, "1"},
        TextCase{"CosGrad400", mm::CosGrad, 400, "1"}, TextCase{"TanGrad50", mm::TanGrad, 50, "1"},
        TextCase{"SinDegNegative30", mm::SinDeg, -30, "-0.5"},
        TextCase{"ArcSinDeg1", mm::ArcSinDeg, 1, "90"},
        TextCase{"ArcCosDegMinus1", mm::ArcCosDeg, -1, "180"},
        TextCase{"ArcSinGrad1", mm::ArcSinGrad, 1, "100"},
        TextCase{"ArcCosGradMinus1", mm::ArcCosGrad, -1, "200"},
        TextCase{"ArcTanDeg1", mm::ArcTanDeg, 1, "45"},
        TextCase{"ArcTanGrad1", mm::ArcTanGrad, 1, "50"},
        TextCase{"ArcSinDegMinus1", mm::ArcSinDeg, -1, "-90"},
        TextCase{"ArcCosDeg1", mm::ArcCosDeg, 1, "0"},
        TextCase{"ArcSinDegHalf", mm::ArcSinDeg, 0.5, "30"},
        TextCase{"ArcCosDegHalf", mm::ArcCosDeg, 0.5, "60"},
        TextCase{"ArcCos0", mm::ArcCos, 0, "1.5707963267949"},
        TextCase{"ArcCosMinus1", mm::ArcCos, -1, "3.14159265358979"}),
    RowName<testing::TestParamInfo<TextCase>>);

INSTANTIATE_TEST_SUITE_P(
    Conversions, WrittenResult,
    testing::Values(TextCase{"DegToRad180", mm::DegToRad, 180, "3.14159265358979"},
                    TextCase{"RadToDegPi", mm::RadToDeg, 3.141592653589793, "180"},
                    TextCase{"DegToGrad90", mm::DegToGrad, 90, "100"},
                    TextCase{"GradToDeg100", mm::GradToDeg, 100, "90"},
                    TextCase{"RadToGradPi", mm::RadToGrad, 3.141592653589793, "200"},
                    TextCase{"GradToRad200", mm::GradToRad, 200, "3.14159265358979"}),
    RowName<testing::TestParamInfo<TextCase>>);

INSTANTIATE_TEST_SUITE_P(Logarithm, WrittenResult,
                         testing::Values(TextCase{"Log10Of1000", mm::Log10, 1000, "3"},
                                         TextCase{"Log10Of2", mm::Log10, 2, "0.301029995663981"},
                                         TextCase{"Log10Of1", mm::Log10, 1, "0"},
                                         TextCase{"Log10OfTenth", mm::Log10, 0.1, "-1"}),
                         RowName<testing::TestParamInfo<TextCase>>);

struct ExactCase {
    const char* name;
    Unary function;
    double x;
    double value;
};

class ExactResult : public testing::TestWithParam<ExactCase> {};

TEST_P(ExactResult, GivesTheDoubleOfTheStepsAsWritten) {
    EXPECT_EQ(GetParam().function(GetParam().x), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    LastBits, ExactResult,
    testing::Values(ExactCase{"SinDeg30", mm::SinDeg, 30, 0.49999999999999994},
                    ExactCase{"TanDeg45", mm::TanDeg, 45, 0.9999999999999999},
                    ExactCase{"ArcSinDegHalf", mm::ArcSinDeg, 0.5, 30.000000000000004},
                    ExactCase{"ArcCosDegHalf", mm::ArcCosDeg, 0.5, 59.99999999999999},
                    ExactCase{"Log10Of1000", mm::Log10, 1000, 2.9999999999999996},
                    ExactCase{"ArcSin0", mm::ArcSin, 0, 0.0},
                    ExactCase{"ArcCos0", mm::ArcCos, 0, 3.141592653589793 / 2},
                    ExactCase{"ArcSin1", mm::ArcSin, 1, 3.141592653589793 / 2},
                    ExactCase{"ArcSinMinus1", mm::ArcSin, -1, -3.141592653589793 / 2},
                    ExactCase{"ArcCos1", mm::ArcCos, 1, 0.0}),
    RowName<testing::TestParamInfo<ExactCase>>);

TEST(PiConstant, IsFourArctangentsOfOne) {
    EXPECT_EQ(mm::Pi(), 3.141592653589793);
    EXPECT_EQ(NumberText(mm::Pi()), "3.14159265358979");
}

struct ModCase {
    const char* name;
    double a;
    double b;
    double remainder;
};

class Remainder : public testing::TestWithParam<ModCase> {};

TEST_P(Remainder, HasTheSignOfTheDividend) {
    EXPECT_EQ(mm::FMod(GetParam().a, GetParam().b), GetParam().remainder);
}

INSTANTIATE_TEST_SUITE_P(
    FMod, Remainder,
    testing::Values(ModCase{"Positive", 7, 3, 1}, ModCase{"NegativeA", -7, 3, -1},
                    ModCase{"NegativeB", 7, -3, 1}, ModCase{"BothNegative", -7, -3, -1},
                    ModCase{"Fraction", 5.5, 2, 1.5}, ModCase{"Exact", 6, 3, 0},
                    ModCase{"SmallerDividend", 2, 5, 2}),
    RowName<testing::TestParamInfo<ModCase>>);

struct ErrorCase {
    const char* name;
    std::function<double()> call;
    ErrorKind kind;
};

class RaisedError : public testing::TestWithParam<ErrorCase> {};

TEST_P(RaisedError, RaisesTheNamedError) {
    try {
        const double r = GetParam().call();
        ADD_FAILURE() << "returned " << r;
    } catch (const vimbo::EngineError& e) {
        EXPECT_EQ(e.kind(), GetParam().kind);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Failures, RaisedError,
    testing::Values(
        ErrorCase{"ArcSinAboveOne", [] { return mm::ArcSin(1.5); }, ErrorKind::InvalidArgument},
        ErrorCase{"ArcSinBelowMinusOne", [] { return mm::ArcSin(-2); }, ErrorKind::InvalidArgument},
        ErrorCase{"ArcSinJustAboveOne", [] { return mm::ArcSin(1.0000000000000002); },
                  ErrorKind::InvalidArgument},
        ErrorCase{"ArcCosAboveOne", [] { return mm::ArcCos(2); }, ErrorKind::InvalidArgument},
        ErrorCase{"ArcCosBelowMinusOne", [] { return mm::ArcCos(-1.5); },
                  ErrorKind::InvalidArgument},
        ErrorCase{"ArcSinDegAboveOne", [] { return mm::ArcSinDeg(2); }, ErrorKind::InvalidArgument},
        ErrorCase{"ArcCosDegAboveOne", [] { return mm::ArcCosDeg(2); }, ErrorKind::InvalidArgument},
        ErrorCase{"ArcSinGradAboveOne", [] { return mm::ArcSinGrad(2); },
                  ErrorKind::InvalidArgument},
        ErrorCase{"ArcCosGradAboveOne", [] { return mm::ArcCosGrad(2); },
                  ErrorKind::InvalidArgument},
        // -x * x overflows before the root is taken.
        ErrorCase{"ArcSinHuge", [] { return mm::ArcSin(1e308); }, ErrorKind::Overflow},
        ErrorCase{"Log10OfZero", [] { return mm::Log10(0); }, ErrorKind::InvalidArgument},
        ErrorCase{"Log10OfNegative", [] { return mm::Log10(-1); }, ErrorKind::InvalidArgument},
        ErrorCase{"FModByZero", [] { return mm::FMod(7, 0); }, ErrorKind::DivisionByZero},
        ErrorCase{"FModZeroByZero", [] { return mm::FMod(0, 0); }, ErrorKind::InvalidOperation},
        ErrorCase{"FModQuotientOverflows", [] { return mm::FMod(1e308, 1e-308); },
                  ErrorKind::Overflow},
        ErrorCase{"DegToGradOverflows", [] { return mm::DegToGrad(1e308); }, ErrorKind::Overflow},
        ErrorCase{"GradToDegOverflows", [] { return mm::GradToDeg(1e308); }, ErrorKind::Overflow},
        ErrorCase{"DegToRadOverflows", [] { return mm::DegToRad(1e308); }, ErrorKind::Overflow},
        ErrorCase{"RadToDegOverflows", [] { return mm::RadToDeg(-1e308); }, ErrorKind::Overflow},
        ErrorCase{"SinDegOfHugeAngle", [] { return mm::SinDeg(1e308); }, ErrorKind::Overflow}),
    RowName<testing::TestParamInfo<ErrorCase>>);

struct SignCase {
    const char* name;
    double x;
    bool negative;
};

class Sign : public testing::TestWithParam<SignCase> {};

TEST_P(Sign, IsNegativeExactlyBelowZero) {
    EXPECT_EQ(vimbo::IsNegative(GetParam().x), GetParam().negative);
}

INSTANTIATE_TEST_SUITE_P(IsNegative, Sign,
                         testing::Values(SignCase{"Zero", 0.0, false},
                                         SignCase{"NegativeZero", -0.0, false},
                                         SignCase{"One", 1.0, false},
                                         SignCase{"MinusOne", -1.0, true},
                                         SignCase{"NegativeSubnormal", -5e-324, true},
                                         SignCase{"LowestDouble", -1.7976931348623157e308, true}),
                         RowName<testing::TestParamInfo<SignCase>>);

TEST(Negate, ZeroBecomesNegativeZeroWrittenAsZero) {
    const double r = vimbo::Negate(0.0);
    EXPECT_TRUE(std::signbit(r));
    EXPECT_EQ(NumberText(r), "0");
}

TEST(Negate, FlipsTheSign) {
    EXPECT_EQ(vimbo::Negate(2.5), -2.5);
    EXPECT_EQ(vimbo::Negate(-1e308), 1e308);
}

struct ExtremeCase {
    const char* name;
    Unary function;
};

class ExtremeInput : public testing::TestWithParam<ExtremeCase> {};

// An infinity or a not-a-number never leaves the library: each call is finite or raises.
TEST_P(ExtremeInput, GivesAFiniteValueOrRaises) {
    constexpr double kExtremes[] = {1e308,
                                    -1e308,
                                    5e-324,
                                    -5e-324,
                                    std::numeric_limits<double>::max(),
                                    std::numeric_limits<double>::lowest(),
                                    std::numeric_limits<double>::min(),
                                    1.0000000000000002,
                                    -0.9999999999999999};
    for (const double x : kExtremes) {
        try {
            const double r = GetParam().function(x);
            EXPECT_TRUE(std::isfinite(r)) << x << " gave " << r;
        } catch (const vimbo::EngineError&) {
            // raising is the other allowed outcome
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    EveryFunction, ExtremeInput,
    testing::Values(
        ExtremeCase{"DegToRad", mm::DegToRad}, ExtremeCase{"RadToDeg", mm::RadToDeg},
        ExtremeCase{"DegToGrad", mm::DegToGrad}, ExtremeCase{"GradToDeg", mm::GradToDeg},
        ExtremeCase{"RadToGrad", mm::RadToGrad}, ExtremeCase{"GradToRad", mm::GradToRad},
        ExtremeCase{"SinDeg", mm::SinDeg}, ExtremeCase{"CosDeg", mm::CosDeg},
        ExtremeCase{"TanDeg", mm::TanDeg}, ExtremeCase{"SinGrad", mm::SinGrad},
        ExtremeCase{"CosGrad", mm::CosGrad}, ExtremeCase{"TanGrad", mm::TanGrad},
        ExtremeCase{"ArcSin", mm::ArcSin}, ExtremeCase{"ArcCos", mm::ArcCos},
        ExtremeCase{"ArcSinDeg", mm::ArcSinDeg}, ExtremeCase{"ArcCosDeg", mm::ArcCosDeg},
        ExtremeCase{"ArcTanDeg", mm::ArcTanDeg}, ExtremeCase{"ArcSinGrad", mm::ArcSinGrad},
        ExtremeCase{"ArcCosGrad", mm::ArcCosGrad}, ExtremeCase{"ArcTanGrad", mm::ArcTanGrad},
        ExtremeCase{"Log10", mm::Log10}, ExtremeCase{"Factorial", vimbo::Factorial},
        ExtremeCase{"Negate", vimbo::Negate},
        ExtremeCase{"FModByThree", [](double x) { return mm::FMod(x, 3); }},
        ExtremeCase{"FModOfThree", [](double x) { return mm::FMod(3, x); }},
        ExtremeCase{"FModBySelf", [](double x) { return mm::FMod(x, x); }}),
    RowName<testing::TestParamInfo<ExtremeCase>>);

}  // namespace
