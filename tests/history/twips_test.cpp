// SPDX-License-Identifier: MIT
#include "history/twips.h"

#include <gtest/gtest.h>

#include <QPrinter>
#include <QTemporaryDir>
#include <limits>

#include "history/report_printer.h"

namespace vimbo {
namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

struct WholeCase {
    const char* name;
    double twips;
    std::int32_t whole;
};

class WholeTwips : public ::testing::TestWithParam<WholeCase> {};

TEST_P(WholeTwips, RoundsToNearestEven) {
    EXPECT_EQ(ToWholeTwips(GetParam().twips), GetParam().whole);
}

INSTANTIATE_TEST_SUITE_P(Twips, WholeTwips,
                         ::testing::Values(WholeCase{"HalfDown", 2.5, 2},
                                           WholeCase{"HalfUp", 7.5, 8},
                                           WholeCase{"NegativeHalf", -2.5, -2},
                                           WholeCase{"Nearest", 999.6, 1000},
                                           WholeCase{"Largest", 2147483647.4, 2147483647},
                                           WholeCase{"Smallest", -2147483648.0, -2147483647 - 1}),
                         [](const auto& info) { return std::string(info.param.name); });

struct BeyondCase {
    const char* name;
    double twips;
};

class TwipsBeyondRange : public ::testing::TestWithParam<BeyondCase> {};

TEST_P(TwipsBeyondRange, RaisesInsteadOfWrapping) {
    EXPECT_THROW(ToWholeTwips(GetParam().twips), PrinterError);
}

INSTANTIATE_TEST_SUITE_P(
    Twips, TwipsBeyondRange,
    ::testing::Values(BeyondCase{"Infinity", kInfinity}, BeyondCase{"NegativeInfinity", -kInfinity},
                      BeyondCase{"NaN", std::numeric_limits<double>::quiet_NaN()},
                      BeyondCase{"HalfAboveLargestRoundsOut", 2147483647.5},
                      BeyondCase{"BelowSmallest", -2147483649.0},
                      BeyondCase{"PixelsTimesTwipsPerInch", 2147483647.0 * 1440.0}),
    [](const auto& info) { return std::string(info.param.name); });

// A printer that reports no resolution, as a broken driver may.
TEST(DeviceTwips, ZeroResolutionIsAPrinterFailure) {
    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(QStringLiteral("report.pdf")));
    printer.setResolution(0);
    ASSERT_EQ(printer.logicalDpiX(), 0);
    EXPECT_THROW(DeviceTwips{printer}, PrinterError);
}

}  // namespace
}  // namespace vimbo
