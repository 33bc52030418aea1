// SPDX-License-Identifier: MIT
#include "history/qt_tape_layout.h"

#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>

#include "tests/support/fake_controls.h"
#include "tests/support/named_rows.h"
#include "tests/support/qt_print_to.h"

namespace vimbo::testing {
namespace {

using vimbo::test_support::PrintTo;

constexpr int kDpi = 300;

QFont TapeFont() {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(9.75);
    return font;
}

// A white page of 8 x 10 inches at 300 dpi, standing in for the printer.
class Page {
  public:
    Page() : image_(8 * kDpi, 10 * kDpi, QImage::Format_RGB32) {
        const int dotsPerMeter = qRound(kDpi / 0.0254);
        image_.setDotsPerMeterX(dotsPerMeter);
        image_.setDotsPerMeterY(dotsPerMeter);
        image_.fill(Qt::white);
        painter_.begin(&image_);
    }

    QPainter* device() { return &painter_; }
    const QImage& Finish() {
        painter_.end();
        return image_;
    }

    // Twips of one line of the tape's font, as the page measures it.
    static double LineTwips() {
        const QImage probe = Page().Finish();
        return QFontMetricsF(TapeFont(), &probe).height() * 1440.0 / kDpi;
    }

  private:
    QImage image_;
    QPainter painter_;
};

FormatRangeRequest Request(QPainter* device, std::int32_t cpMin, RectTwips rc) {
    FormatRangeRequest request;
    request.hdc = request.hdcTarget = device;
    request.rc = rc;
    request.rcPage = RectTwips{0, 0, 8 * 1440, 10 * 1440};
    request.chrg = CharRange{cpMin, -1};
    return request;
}

// 1000 twips from the left and the top, 6 inches wide, `lines` and a half high.
RectTwips Lines(double lines) {
    return RectTwips{1000, 1000, 1000 + 6 * 1440,
                     1000 + static_cast<std::int32_t>((lines + 0.5) * Page::LineTwips())};
}

struct AllFitsCase {
    const char* name;
    QString text;
    std::int32_t length;
};

class TapeLayoutAllFits : public ::testing::TestWithParam<AllFitsCase> {};

TEST_P(TapeLayoutAllFits, ReturnsTheLength) {
    const AllFitsCase& row = GetParam();
    FakeTape tape;
    tape.text = row.text;
    QtTapeLayout layout(tape, TapeFont());
    Page page;

    EXPECT_EQ(layout.FormatRange(Request(page.device(), 0, Lines(20))), row.length);
    EXPECT_EQ(tape.length(), row.length);
}

INSTANTIATE_TEST_SUITE_P(
    TapeLayout, TapeLayoutAllFits,
    ::testing::Values(AllFitsCase{"CalculationEntry", "2+3\r\n=\r\n5\r\n****************\r\n", 29},
                      AllFitsCase{"GrandTotalEntry", "\r25 GT\r\n****************", 24},
                      AllFitsCase{"NoBreakAtTheEnd", "1+1", 3},
                      AllFitsCase{"OnlyBreaks", "\r\n\r\r\n", 5},
                      AllFitsCase{"SurrogatePairCountsTwo", QString::fromUtf8("\xF0\x9D\x9C\x8B=3"),
                                  4},
                      AllFitsCase{"ParagraphSeparatorCountsOne",
                                  QStringLiteral("a") + QChar::ParagraphSeparator + "b", 3}),
    [](const ::testing::TestParamInfo<AllFitsCase>& info) { return info.param.name; });

struct SplitCase {
    const char* name;
    QString text;
    std::int32_t cpMin;
    int linesThatFit;
    std::int32_t next;
};

class TapeLayoutSplit : public ::testing::TestWithParam<SplitCase> {};

TEST_P(TapeLayoutSplit, ReturnsTheFirstCharacterNotDrawn) {
    const SplitCase& row = GetParam();
    FakeTape tape;
    tape.text = row.text;
    QtTapeLayout layout(tape, TapeFont());
    Page page;

    EXPECT_EQ(layout.FormatRange(Request(page.device(), row.cpMin, Lines(row.linesThatFit))),
              row.next);
}

INSTANTIATE_TEST_SUITE_P(
    TapeLayout, TapeLayoutSplit,
    ::testing::Values(SplitCase{"CrLfCountsTwo", "ab\r\ncd\r\nef", 0, 2, 8},
                      SplitCase{"LoneCrCountsOne", "ab\rcd\ref", 0, 2, 6},
                      SplitCase{"LoneLfBreaksToo", "ab\ncd\nef", 0, 1, 3},
                      SplitCase{"EmptyLinesOfCrLf", "\r\n\r\nx", 0, 1, 2},
                      SplitCase{"TwoEmptyLinesOfCrLf", "\r\n\r\nx", 0, 2, 4},
                      SplitCase{"GrandTotalOpensWithAnEmptyLine", "\r25 GT\r\n**\r\n", 0, 1, 1},
                      SplitCase{"GrandTotalLine", "\r25 GT\r\n**\r\n", 0, 2, 8},
                      SplitCase{"CrLfThenLoneCr", "a\r\n\rb", 0, 2, 4},
                      SplitCase{"SurrogatePairBeforeTheBreak",
                                QString::fromUtf8("\xF0\x9D\x9C\x8B\r\nx\r\ny"), 0, 1, 4},
                      SplitCase{"FromALaterLine", "ab\r\ncd\r\nef\r\ngh", 4, 2, 12},
                      SplitCase{"FromTheLastLine", "ab\r\ncd\r\nef", 8, 1, 10},
                      SplitCase{"ParagraphSeparatorIsNoNewParagraph",
                                QStringLiteral("a") + QChar::ParagraphSeparator + "b\r\nc\r\nd", 0,
                                3, 8}),
    [](const ::testing::TestParamInfo<SplitCase>& info) { return info.param.name; });

struct NoRoomCase {
    const char* name;
    std::int32_t height;
};

class TapeLayoutNoRoom : public ::testing::TestWithParam<NoRoomCase> {};

TEST_P(TapeLayoutNoRoom, MakesNoProgress) {
    FakeTape tape;
    tape.text = "ab\r\ncd";
    QtTapeLayout layout(tape, TapeFont());
    Page page;

    const RectTwips rc{1000, 1000, 9000, 1000 + GetParam().height};
    EXPECT_EQ(layout.FormatRange(Request(page.device(), 4, rc)), 4);
}

INSTANTIATE_TEST_SUITE_P(TapeLayout, TapeLayoutNoRoom,
                         ::testing::Values(NoRoomCase{"NoHeight", 0},
                                           NoRoomCase{"NegativeHeight", -500},
                                           NoRoomCase{"LessThanALine", 20}),
                         [](const ::testing::TestParamInfo<NoRoomCase>& info) {
                             return info.param.name;
                         });

// A token with no space in it (a long expression) still breaks at the rectangle's width.
TEST(TapeLayout, WrapsALongLineToTheWidthOfTheRectangle) {
    FakeTape tape;
    tape.text = QString(400, u'7') + "\r\n=";
    QtTapeLayout layout(tape, TapeFont());
    Page page;
    const RectTwips oneInchWide{1000, 1000, 2440, Lines(1).bottom};

    std::vector<std::int32_t> starts{0};
    while (starts.back() < tape.length() && starts.size() < 100) {
        starts.push_back(layout.FormatRange(Request(page.device(), starts.back(), oneInchWide)));
    }

    ASSERT_EQ(starts.back(), tape.length());
    EXPECT_GT(starts.size(), 4u) << "400 digits take several one-inch lines";
    EXPECT_TRUE(std::is_sorted(starts.begin(), starts.end()));
    EXPECT_EQ(std::adjacent_find(starts.begin(), starts.end()), starts.end()) << "no repeats";
    EXPECT_EQ(starts[starts.size() - 2], 402) << "the last line is the '='";
}

TEST(TapeLayout, LaysTheTextOutOncePerJob) {
    FakeTape tape;
    tape.text = "a\r\nb\r\nc\r\nd";
    QtTapeLayout layout(tape, TapeFont());
    Page page;

    EXPECT_EQ(layout.FormatRange(Request(page.device(), 0, Lines(1))), 3);
    EXPECT_EQ(layout.FormatRange(Request(page.device(), 3, Lines(1))), 6);
    EXPECT_EQ(layout.FormatRange(Request(page.device(), 6, Lines(1))), 9);
    EXPECT_EQ(tape.reads, 1);

    layout.ReleaseFormatCache();
    tape.text = "x";
    EXPECT_EQ(layout.FormatRange(Request(page.device(), 0, Lines(1))), 1);
    EXPECT_EQ(tape.reads, 2);
}

TEST(TapeLayout, WithoutADeviceIsAFailure) {
    FakeTape tape;
    tape.text = "1";
    QtTapeLayout layout(tape, TapeFont());

    EXPECT_THROW(layout.FormatRange(Request(nullptr, 0, Lines(1))), PrinterError);
}

bool HasInk(const QImage& image, const QRect& area) {
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (image.pixel(x, y) != qRgb(255, 255, 255)) {
                return true;
            }
        }
    }
    return false;
}

// Twips to this page's pixels.
int Px(std::int32_t twips) {
    return twips * kDpi / 1440;
}

TEST(TapeLayout, DrawsOnlyTheLinesThatFitInTheRectangle) {
    FakeTape tape;
    tape.text = "8888\r\n8888\r\n8888";
    QtTapeLayout layout(tape, TapeFont());
    Page page;
    const RectTwips rc = Lines(2);

    ASSERT_EQ(layout.FormatRange(Request(page.device(), 0, rc)), 12);
    const QImage& image = page.Finish();

    const QRect inside(QPoint(Px(rc.left), Px(rc.top)), QPoint(Px(rc.right), Px(rc.bottom)));
    EXPECT_TRUE(HasInk(image, inside));
    EXPECT_FALSE(HasInk(image, QRect(0, 0, image.width(), inside.top() - 1))) << "above";
    EXPECT_FALSE(HasInk(image, QRect(0, 0, inside.left() - 1, image.height()))) << "left";
    EXPECT_FALSE(HasInk(
        image, QRect(0, inside.bottom() + 1, image.width(), image.height() - inside.bottom() - 1)))
        << "below: the third line is not drawn";
}

}  // namespace
}  // namespace vimbo::testing
