// SPDX-License-Identifier: MIT
// The calculator's icon: both sizes, each in at most 16 colours.
#include <gtest/gtest.h>

#include <QImage>
#include <QString>

#include "tests/support/named_rows.h"
#include "window/window_icon.h"

namespace vimbo {
namespace {

using vimbo::test_support::PrintTo;

struct IconRow {
    const char* name;
    const char* resource;
    int size;
};

void PrintTo(const IconRow& row, std::ostream* out) {
    *out << row.name;
}

class IconImage : public ::testing::TestWithParam<IconRow> {};

TEST_P(IconImage, IsSquareWithSixteenColours) {
    const QImage image(QString::fromLatin1(GetParam().resource));
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(GetParam().size, GetParam().size));
    EXPECT_EQ(image.format(), QImage::Format_Indexed8);  // how Qt reads 4-bit palettes
    EXPECT_EQ(image.colorCount(), 16);
}

TEST_P(IconImage, IsOfferedByTheWindowIcon) {
    const QSize size(GetParam().size, GetParam().size);
    EXPECT_TRUE(CalculatorIcon().availableSizes().contains(size));
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, IconImage,
    ::testing::Values(IconRow{"Large", ":/pictures/vimbo-calculator-32.png", 32},
                      IconRow{"Small", ":/pictures/vimbo-calculator-16.png", 16}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vimbo
