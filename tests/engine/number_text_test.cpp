// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "engine/errors.h"
#include "engine/number_text.h"
#include "tests/support/named_rows.h"

namespace {

using vimbo::test_support::PrintTo;

struct WrittenCase {
    const char* name;
    double value;
    const char* text;
};

class WrittenForm : public testing::TestWithParam<WrittenCase> {};

TEST_P(WrittenForm, WritesFifteenDigitText) {
    EXPECT_EQ(vimbo::NumberText(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    NumberText, WrittenForm,
    testing::Values(
        WrittenCase{"Zero", 0.0, "0"}, WrittenCase{"NegativeZero", -0.0, "0"},
        WrittenCase{"Whole", 3.0, "3"}, WrittenCase{"Half", 0.5, "0.5"},
        WrittenCase{"Negative", -2.25, "-2.25"},
        WrittenCase{"PointOnePlusPointTwo", 0.1 + 0.2, "0.3"},
        WrittenCase{"SineOfThirty", 0.49999999999999994, "0.5"},
        WrittenCase{"TenThousandth", 0.0001, "0.0001"},
        WrittenCase{"HundredThousandth", 0.00001, "1E-05"},
        WrittenCase{"FifteenDigitsWhole", 100000000000000.0, "100000000000000"},
        WrittenCase{"TenToFifteen", 1e15, "1E+15"}, WrittenCase{"TenToTwenty", 1e20, "1E+20"},
        WrittenCase{"SmallMantissa", 1.5e-7, "1.5E-07"},
        WrittenCase{"LongMantissa", 123456789012345678.0, "1.23456789012346E+17"},
        WrittenCase{"Pi", 3.141592653589793, "3.14159265358979"},
        WrittenCase{"TwoThirds", 2.0 / 3.0, "0.666666666666667"},
        WrittenCase{"RoundsUpToNextPower", 99999999999999.99, "100000000000000"},
        WrittenCase{"CarryIntoExponentForm", 999999999999999.9, "1E+15"},
        WrittenCase{"ExactTieGoesToEven", 1234567890123425.0, "1.23456789012342E+15"},
        WrittenCase{"ThreeDigitExponent", 1e-300, "1E-300"},
        WrittenCase{"LargestDouble", std::numeric_limits<double>::max(), "1.79769313486232E+308"},
        WrittenCase{"Subnormal", 5e-324, "4.94065645841247E-324"},
        WrittenCase{"NegativeExponentForm", -1.22464679914735e-16, "-1.22464679914735E-16"},
        WrittenCase{"Factorial170", 7.257415615307994e306, "7.25741561530799E+306"}),
    [](const auto& info) { return std::string(info.param.name); });

struct ReadCase {
    const char* name;
    const char* text;
    double value;
};

class ReadForm : public testing::TestWithParam<ReadCase> {};

TEST_P(ReadForm, ReadsValue) {
    EXPECT_EQ(vimbo::ReadNumberText(GetParam().text), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    NumberText, ReadForm,
    testing::Values(ReadCase{"Plain", "5", 5.0}, ReadCase{"Negative", "-5", -5.0},
                    ReadCase{"ExplicitPlus", "+5", 5.0}, ReadCase{"LeadingPoint", ".5", 0.5},
                    ReadCase{"TrailingPoint", "5.", 5.0}, ReadCase{"Exponent", "1.5E-07", 1.5e-7},
                    ReadCase{"LowerExponent", "1e5", 1e5}, ReadCase{"Grouped", "1,000", 1000.0},
                    ReadCase{"Blanks", " 12.5 ", 12.5}, ReadCase{"UnderflowIsZero", "1e-400", 0.0},
                    ReadCase{"SubnormalKept", "1e-310", 1e-310},
                    ReadCase{"WrittenPi", "3.14159265358979", 3.14159265358979}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ReadFormOverflow, RaisesOverflowBeyondTheDoubleRange) {
    for (const char* text : {"1e309", "-1E+400", "1e99999999999999999999", "999e306"}) {
        try {
            vimbo::ReadNumberText(text);
            ADD_FAILURE() << text << " did not raise";
        } catch (const vimbo::EngineError& e) {
            EXPECT_EQ(e.kind(), vimbo::ErrorKind::Overflow) << text;
        }
    }
}

struct NotFiniteCase {
    const char* name;
    double value;
    vimbo::ErrorKind kind;
};

class WrittenFormNotFinite : public testing::TestWithParam<NotFiniteCase> {};

TEST_P(WrittenFormNotFinite, RaisesInsteadOfReadingPastTheDigits) {
    try {
        const std::string text = vimbo::NumberText(GetParam().value);
        ADD_FAILURE() << "wrote " << text;
    } catch (const vimbo::EngineError& e) {
        EXPECT_EQ(e.kind(), GetParam().kind);
    }
}

INSTANTIATE_TEST_SUITE_P(
    NumberText, WrittenFormNotFinite,
    testing::Values(NotFiniteCase{"Infinity", std::numeric_limits<double>::infinity(),
                                  vimbo::ErrorKind::Overflow},
                    NotFiniteCase{"NegativeInfinity", -std::numeric_limits<double>::infinity(),
                                  vimbo::ErrorKind::Overflow},
                    NotFiniteCase{"QuietNaN", std::numeric_limits<double>::quiet_NaN(),
                                  vimbo::ErrorKind::InvalidOperation},
                    NotFiniteCase{"NegativeNaN", -std::numeric_limits<double>::quiet_NaN(),
                                  vimbo::ErrorKind::InvalidOperation}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(NumberTextRoundTrip, WrittenTextReadsBackToTheSameText) {
    for (double v : {1.0 / 3.0, 2.0 / 7.0, 1e-5, 12345.678901234567, 6.02214076e23}) {
        const std::string text = vimbo::NumberText(v);
        EXPECT_EQ(vimbo::NumberText(vimbo::ReadNumberText(text)), text) << v;
    }
}

}  // namespace
