// SPDX-License-Identifier: MIT
// The picture window Form1: its geometry in pixels, its window flags, the unseen Command2,
// and "X" as the only way to close it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include "tests/support/named_rows.h"
#include "window/picture_window.h"

namespace vimbo {
namespace {

using vimbo::test_support::PrintTo;

struct GeometryRow {
    const char* name;
    const char* control;
    QRect expected;  // pixels, 15 twips each
};

void PrintTo(const GeometryRow& row, std::ostream* out) {
    *out << row.name;
}

class PictureWindowGeometry : public ::testing::TestWithParam<GeometryRow> {};

TEST_P(PictureWindowGeometry, ControlSitsAtItsPlace) {
    const PictureWindow form1;
    const auto* const widget = form1.findChild<QWidget*>(QString::fromLatin1(GetParam().control));
    ASSERT_NE(widget, nullptr);
    EXPECT_EQ(widget->geometry(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Form1, PictureWindowGeometry,
    ::testing::Values(
        GeometryRow{"ImageAtTopLeftWithItsBorder", "Image1", QRect(0, 0, 689, 365)},
        GeometryRow{"CloseButtonOverTheTopLeftCorner", "Command1", QRect(16, 5, 31, 20)},
        // 365 pixels are 5475 twips; 1000 more is 6475 twips, 432 pixels.
        GeometryRow{"HiddenButtonBelowTheLowerEdge", "Command2", QRect(400, 432, 9, 13)}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PictureWindow, IsExactlyAsLargeAsItsImage) {
    const PictureWindow form1;
    const auto* const image1 = form1.findChild<QLabel*>(QStringLiteral("Image1"));
    ASSERT_NE(image1, nullptr);
    EXPECT_EQ(form1.size(), image1->size());
    EXPECT_EQ(form1.minimumSize(), form1.maximumSize());
}

TEST(PictureWindow, ImageShowsThePictureAtItsNaturalSizeInsideATwoPixelBorder) {
    const PictureWindow form1;
    const auto* const image1 = form1.findChild<QLabel*>(QStringLiteral("Image1"));
    ASSERT_NE(image1, nullptr);
    EXPECT_EQ(image1->frameWidth(), 2);
    EXPECT_EQ(image1->pixmap().size(), QSize(685, 361));
    EXPECT_EQ(image1->contentsRect().size(), QSize(685, 361));
}

TEST(PictureWindow, PictureIsA24BitBitmap) {
    QFile file(QStringLiteral(":/pictures/form1_picture.bmp"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray header = file.read(30);
    ASSERT_EQ(header.size(), 30);
    EXPECT_EQ(header.left(2), QByteArray("BM"));
    EXPECT_EQ(static_cast<unsigned char>(header[28]), 24u);  // bits a pixel
    const QImage picture(QStringLiteral(":/pictures/form1_picture.bmp"));
    EXPECT_EQ(picture.size(), QSize(685, 361));
}

TEST(PictureWindow, HasNoBorderNoTitleBarAndNoTaskbarButton) {
    const PictureWindow form1;
    EXPECT_TRUE(form1.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(form1.windowType(), Qt::Tool);
    EXPECT_TRUE(form1.isModal());
}

TEST(PictureWindow, OpensCentredOnTheScreen) {
    const PictureWindow form1;
    const QScreen* const screen = form1.screen();
    ASSERT_NE(screen, nullptr);
    const QPoint offset = form1.geometry().center() - screen->availableGeometry().center();
    EXPECT_LE(offset.manhattanLength(), 1) << offset.x() << "," << offset.y();
}

class ShownPictureWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        form1.show();
        // Asks the X server for the focus too: without a window manager nobody else gives it.
        form1.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form1));
    }
    QPushButton* button(const char* name) {
        return form1.findChild<QPushButton*>(QString::fromLatin1(name));
    }

    PictureWindow form1;
};

TEST_F(ShownPictureWindow, CaptionlessButtonHasTheFocusButCannotBeSeen) {
    QPushButton* const command2 = button("Command2");
    ASSERT_NE(command2, nullptr);
    EXPECT_EQ(QApplication::focusWidget(), command2);
    EXPECT_TRUE(command2->text().isEmpty());
    EXPECT_FALSE(form1.rect().intersects(command2->geometry()));
    EXPECT_TRUE(command2->visibleRegion().isEmpty());
}

TEST_F(ShownPictureWindow, TabMovesFromTheHiddenButtonToX) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), button("Command1"));
}

TEST_F(ShownPictureWindow, XClosesIt) {
    QPushButton* const close = button("Command1");
    ASSERT_NE(close, nullptr);
    EXPECT_EQ(close->text(), QStringLiteral("X"));
    QTest::mouseClick(close, Qt::LeftButton);
    EXPECT_FALSE(form1.isVisible());
}

TEST_F(ShownPictureWindow, EscapeLeavesItOpen) {
    QTest::keyClick(&form1, Qt::Key_Escape);
    EXPECT_TRUE(form1.isVisible());
}

TEST_F(ShownPictureWindow, EnterOnTheHiddenButtonLeavesItOpen) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_TRUE(form1.isVisible());
}

TEST(PictureWindow, ModalShowingReturnsOnceXIsClicked) {
    PictureWindow form1;
    bool wasShownModally = false;
    QTimer::singleShot(0, &form1, [&] {
        wasShownModally = form1.isVisible() && QApplication::activeModalWidget() == &form1;
        QTest::mouseClick(form1.findChild<QPushButton*>(QStringLiteral("Command1")),
                          Qt::LeftButton);
    });
    QTimer::singleShot(10000, &form1, [&] { form1.done(QDialog::Rejected); });  // not hang
    form1.exec();
    EXPECT_TRUE(wasShownModally);
    EXPECT_FALSE(form1.isVisible());
}

}  // namespace
}  // namespace vimbo
