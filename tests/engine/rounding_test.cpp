// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "engine/errors.h"
#include "engine/number_text.h"
#include "engine/rounding.h"
#include "tests/support/named_rows.h"

namespace {

using vimbo::test_support::PrintTo;

constexpr std::int32_t kMinPlaces = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMaxPlaces = std::numeric_limits<std::int32_t>::max();

struct RoundCase {
    const char* name;
    double value;
    std::int32_t places;
    double rounded;
};

class RoundedValue : public testing::TestWithParam<RoundCase> {};

TEST_P(RoundedValue, RoundsHalfAwayFromZero) {
    const RoundCase& c = GetParam();
    EXPECT_EQ(vimbo::RoundToPlaces(c.value, c.places), c.rounded);
}

INSTANTIATE_TEST_SUITE_P(RoundToPlaces, RoundedValue,
                         testing::Values(RoundCase{"HalfUp", 2.5, 0, 3.0},
                                         RoundCase{"NegativeHalfDown", -2.5, 0, -3.0},
                                         RoundCase{"OneHalf", 0.5, 0, 1.0},
                                         RoundCase{"NegativeOneHalf", -0.5, 0, -1.0},
                                         RoundCase{"JustBelowHalf", 0.49999999999999994, 0, 0.0},
                                         RoundCase{"EighthToHundredths", 0.125, 2, 0.13},
                                         RoundCase{"NegativeEighthToHundredths", -0.125, 2, -0.13},
                                         RoundCase{"ProductRoundsUpToHalf", 5.55, 1, 5.6},
                                         RoundCase{"PiToFourPlaces", 3.14159265358979, 4, 3.1416},
                                         RoundCase{"ProductJustBelowHalf", 1.005, 2, 1.0},
                                         RoundCase{"HalfToHundreds", 1250.0, -2, 1300.0},
                                         RoundCase{"DownToHundreds", 1234.5678, -2, 1200.0},
                                         RoundCase{"LargeValueUnchanged", 1e20, 2, 1e20},
                                         RoundCase{"TwoThirdsToHundredths", 2.0 / 3.0, 2, 0.67},
                                         RoundCase{"ZeroPlacesTruncatesSmallFraction", 7.3, 0, 7.0},
                                         RoundCase{"NegativeBelowHalfKeepsWhole", -7.3, 0, -7.0},
                                         RoundCase{"PlacesFarBeyondDigits", 12345.0, -10, 0.0},
                                         RoundCase{"SubnormalPowerOfTen", 5e307, -320, 0.0},
                                         RoundCase{"LargestPowerThatFits", 1.0, 308, 1.0},
                                         RoundCase{"Zero", 0.0, 5, 0.0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(RoundToPlaces, NegativeValueRoundingToZeroIsWrittenZero) {
    EXPECT_EQ(vimbo::NumberText(vimbo::RoundToPlaces(-0.4, 0)), "0");
}

struct FailureCase {
    const char* name;
    double value;
    std::int32_t places;
    vimbo::ErrorKind kind;
};

class RoundingFailure : public testing::TestWithParam<FailureCase> {};

TEST_P(RoundingFailure, RaisesInsteadOfInfinityOrNotANumber) {
    const FailureCase& c = GetParam();
    try {
        const double r = vimbo::RoundToPlaces(c.value, c.places);
        ADD_FAILURE() << "returned " << r;
    } catch (const vimbo::EngineError& e) {
        EXPECT_EQ(e.kind(), c.kind);
    }
}

INSTANTIATE_TEST_SUITE_P(
    RoundToPlaces, RoundingFailure,
    testing::Values(
        FailureCase{"PowerBeyondRange", 1.0, 400, vimbo::ErrorKind::Overflow},
        FailureCase{"ZeroTimesPowerBeyondRange", 0.0, 400, vimbo::ErrorKind::Overflow},
        FailureCase{"ProductBeyondRange", 1e300, 10, vimbo::ErrorKind::Overflow},
        FailureCase{"NegativeProductBeyondRange", -1e300, 10, vimbo::ErrorKind::Overflow},
        FailureCase{"QuotientBeyondRange", 1.795e308, -307, vimbo::ErrorKind::Overflow},
        FailureCase{"LargestPlaces", 1.0, kMaxPlaces, vimbo::ErrorKind::Overflow},
        FailureCase{"PowerUnderflowsToZero", 1.0, -324, vimbo::ErrorKind::InvalidOperation},
        FailureCase{"LargeValuePowerZero", 1e300, -324, vimbo::ErrorKind::InvalidOperation},
        FailureCase{"PowerFarBelowRange", 1.0, -400, vimbo::ErrorKind::InvalidOperation},
        FailureCase{"SmallestPlaces", 1.0, kMinPlaces, vimbo::ErrorKind::InvalidOperation}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
