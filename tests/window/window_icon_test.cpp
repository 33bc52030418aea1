// SPDX-License-Identifier: MIT
// The calculator's icon: every size from 16 to 256 pixels, each in at most 16 colours, given
// to the program's windows once the first of them has been drawn.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QString>
#include <QTest>
#include <QWidget>
#include <QWindow>
#include <algorithm>

#include "window/window_icon.h"

namespace vimbo {
namespace {

// The sizes of the icon theme's fixed-size folders the package installs into.
constexpr int kSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

class IconImage : public ::testing::TestWithParam<int> {};

TEST_P(IconImage, IsSquareWithSixteenColours) {
    const int size = GetParam();
    const QImage image(QStringLiteral(":/pictures/vimbo-calculator-%1.png").arg(size));
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(size, size));
    EXPECT_EQ(image.format(), QImage::Format_Indexed8);  // how Qt reads 4-bit palettes
    EXPECT_EQ(image.colorCount(), 16);
}

TEST_P(IconImage, IsOfferedByTheWindowIcon) {
    const QSize size(GetParam(), GetParam());
    EXPECT_TRUE(CalculatorIcon().availableSizes().contains(size));
    // Asked for exactly this size, the icon gives its own picture, not a scaled neighbour.
    const QImage picture = CalculatorIcon().pixmap(size).toImage();
    const QImage file(QStringLiteral(":/pictures/vimbo-calculator-%1.png").arg(GetParam()));
    // Premultiplied, so that the transparent pixels compare equal whatever colour they hide.
    EXPECT_EQ(picture.convertToFormat(QImage::Format_ARGB32_Premultiplied),
              file.convertToFormat(QImage::Format_ARGB32_Premultiplied));
}

INSTANTIATE_TEST_SUITE_P(Sizes, IconImage, ::testing::ValuesIn(kSizes),
                         [](const auto& info) { return std::to_string(info.param) + "px"; });

TEST(CalculatorIcon, OffersNoOtherSize) {
    EXPECT_EQ(CalculatorIcon().availableSizes().size(), static_cast<qsizetype>(std::size(kSizes)));
}

TEST(WindowIconAfterFirstPaint, EveryWindowGetsTheIconOnceTheFirstHasBeenDrawn) {
    QApplication::setWindowIcon(QIcon());
    SetWindowIconAfterFirstPaint();
    QWidget first;
    QWidget later;
    QCoreApplication::processEvents();
    EXPECT_TRUE(QApplication::windowIcon().isNull()) << "set before any window was drawn";

    first.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&first));
    ASSERT_TRUE(QTest::qWaitFor([] { return !QApplication::windowIcon().isNull(); }));
    EXPECT_EQ(QApplication::windowIcon().availableSizes(), CalculatorIcon().availableSizes());
    EXPECT_EQ(first.windowHandle()->icon().availableSizes(), CalculatorIcon().availableSizes());
    later.show();
    EXPECT_EQ(later.windowHandle()->icon().availableSizes(), CalculatorIcon().availableSizes());
    QApplication::setWindowIcon(QIcon());
}

}  // namespace
}  // namespace vimbo
