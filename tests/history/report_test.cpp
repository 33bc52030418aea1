// SPDX-License-Identifier: MIT
#include "history/report.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "tests/support/fake_controls.h"
#include "tests/support/fake_report_printer.h"
#include "tests/support/named_rows.h"
#include "tests/support/qt_print_to.h"

namespace vimbo::testing {
namespace {

using vimbo::test_support::PrintTo;

class FixedClock final : public Clock {
  public:
    explicit FixedClock(CalendarDate date) : date_(date) {}
    CalendarDate today() const override { return date_; }

  private:
    CalendarDate date_;
};

const std::string kTitle7December2026 =
    "PrintLine '               Vimbo Calculator Report 7/12/2026'";
const std::string kRule =
    "PrintLine '               ----------------------------------------------------'";

// The operations of PrintRichText on the first page, up to its first layout request.
const Log kTapeStart{"PrintLine ' '",          "PhysicalOffsetPixels h", "PixelsToTwips 0 h",
                     "PhysicalOffsetPixels v", "PixelsToTwips 0 v",      "PaperSizeTwips",
                     "PrintableSizeTwips",     "DeviceHandle",           "CurrentYTwips",
                     "FormatRange 0"};

Log Concat(std::initializer_list<Log> parts) {
    Log all;
    for (const Log& part : parts) {
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}

struct Report {
    explicit Report(CalendarDate today = CalendarDate{7, 12, 2026}) : clock(today) {}

    FakeWindow window;
    FixedClock clock;
    Log log;
    FakeReportPrinter printer{log};
    FakeTapeLayout layout{log};

    void Print() {
        WindowControls& controls = window.controls;
        PrintCommand(controls, clock, printer, layout);
    }
};

TEST(PrintCommand, EmptyTapeOpensNoJob) {
    Report report;
    report.Print();

    EXPECT_TRUE(report.log.empty());
    EXPECT_FALSE(report.printer.jobOpen);
    EXPECT_EQ(report.window.input.focusCount, 1);
    EXPECT_TRUE(report.window.input.caretMoves.empty());
    EXPECT_TRUE(report.window.window.pointerChanges.empty());
}

TEST(PrintCommand, OnePageTapeInOrder) {
    Report report;
    report.window.tape.text = "2+3\r\n=\r\n5\r\n****************\r\n";
    report.layout.nextIndices = {30};

    report.Print();

    const Log expected =
        Concat({{"SetPointSize 12", "PrintLine ' '", "PrintLine ' '", kTitle7December2026, kRule},
                kTapeStart,
                {"EndDocument", "ReleaseFormatCache"}});
    EXPECT_EQ(report.log, expected);
    EXPECT_EQ(report.printer.PageCount(), 1u);
    EXPECT_EQ(report.window.input.focusCount, 1);
    EXPECT_TRUE(report.window.input.caretMoves.empty());
}

TEST(PrintCommand, TapeIsNeverChanged) {
    Report report;
    const QString tape = "\r25 GT\r\n****************";
    report.window.tape.text = tape;
    report.layout.nextIndices = {static_cast<std::int32_t>(tape.size())};

    report.Print();

    EXPECT_EQ(report.window.tape.text, tape);
    EXPECT_TRUE(report.window.tape.writes.empty());
}

TEST(PrintCommand, HeaderAndTapeShareTheFirstPage) {
    Report report;
    report.window.tape.text = "1+1";
    report.layout.nextIndices = {3};

    report.Print();

    ASSERT_EQ(report.layout.requests.size(), 1u);
    EXPECT_EQ(report.layout.requests[0].hdc, report.printer.Page(1));
    // The fifth line of the page is PrintRichText's line holding a space.
    EXPECT_EQ(std::count(report.log.begin(), report.log.end(), "PrintLine ' '"), 3);
}

struct DateCase {
    const char* name;
    CalendarDate date;
    QString title;
};

class ReportTitle : public ::testing::TestWithParam<DateCase> {};

TEST_P(ReportTitle, DayMonthYearWithoutLeadingZeros) {
    const DateCase& row = GetParam();
    EXPECT_EQ(ReportTitleLine(row.date), row.title);

    Report report(row.date);
    report.window.tape.text = "x";
    report.layout.nextIndices = {1};
    report.Print();
    ASSERT_GE(report.log.size(), 4u);
    EXPECT_EQ(report.log[3], "PrintLine '" + row.title.toStdString() + "'");
}

INSTANTIATE_TEST_SUITE_P(
    PrintCommand, ReportTitle,
    ::testing::Values(DateCase{"FirstOfMarch2027",
                               {1, 3, 2027},
                               "               Vimbo Calculator Report 1/3/2027"},
                      DateCase{"ChristmasDay2026",
                               {25, 12, 2026},
                               "               Vimbo Calculator Report 25/12/2026"},
                      DateCase{"SeventhOfDecember2026",
                               {7, 12, 2026},
                               "               Vimbo Calculator Report 7/12/2026"},
                      DateCase{"TenthOfOctober2030",
                               {10, 10, 2030},
                               "               Vimbo Calculator Report 10/10/2030"},
                      DateCase{"FiveDigitYear",
                               {9, 1, 10000},
                               "               Vimbo Calculator Report 9/1/10000"}),
    [](const ::testing::TestParamInfo<DateCase>& info) { return info.param.name; });

struct FailureCase {
    const char* name;
    std::optional<std::size_t> printerFailsAt;  // index in the log
    std::optional<std::size_t> layoutFailsAt;   // FormatRange call
    Log expected;
};

class PrintCommandFailure : public ::testing::TestWithParam<FailureCase> {};

// The tape takes two pages: FormatRange answers 40, then 80 = the length.
TEST_P(PrintCommandFailure, StopsAtOnceAndReturnsQuietly) {
    const FailureCase& row = GetParam();
    Report report;
    report.window.tape.text = QString(80, u'7');
    report.layout.nextIndices = {40, 80};
    report.printer.failAtOperation = row.printerFailsAt;
    report.layout.failAtRequest = row.layoutFailsAt;

    report.Print();

    EXPECT_EQ(report.log, row.expected);
    EXPECT_EQ(report.window.input.focusCount, 1);
    EXPECT_TRUE(report.window.input.caretMoves.empty());
    EXPECT_EQ(report.window.window.pointerChanges, (std::vector<bool>{true, false}));
    EXPECT_TRUE(report.window.tape.writes.empty());
}

const Log kHeader{"SetPointSize 12", "PrintLine ' '", "PrintLine ' '", kTitle7December2026, kRule};

INSTANTIATE_TEST_SUITE_P(
    PrintCommand, PrintCommandFailure,
    ::testing::Values(
        FailureCase{"NoJobAtTheFirstLine", 1, std::nullopt, {"SetPointSize 12", "PrintLine ' '"}},
        FailureCase{"RefusedAtTheTitleLine",
                    3,
                    std::nullopt,
                    {"SetPointSize 12", "PrintLine ' '", "PrintLine ' '", kTitle7December2026}},
        FailureCase{"RefusedAtTheNewPage", 15, std::nullopt,
                    Concat({kHeader, kTapeStart, {"StartNewPage"}})},
        FailureCase{"LayoutFailsOnTheSecondPage", std::nullopt, 1,
                    Concat({kHeader,
                            kTapeStart,
                            {"StartNewPage", "PrintLine ' '", "DeviceHandle", "FormatRange 40"}})},
        FailureCase{"RefusedAtTheEnd", 19, std::nullopt,
                    Concat({kHeader,
                            kTapeStart,
                            {"StartNewPage", "PrintLine ' '", "DeviceHandle", "FormatRange 40",
                             "EndDocument"}})}),
    [](const ::testing::TestParamInfo<FailureCase>& info) { return info.param.name; });

// A printer that reports what no twip can hold ends the job at once, as a refusal does.
struct BadPageCase {
    const char* name;
    int dpiX, dpiY, offsetPixelsX;
    SizeTwips paper;
    Log expected;
};

class PrintCommandBadPage : public ::testing::TestWithParam<BadPageCase> {};

TEST_P(PrintCommandBadPage, EndsTheJobQuietly) {
    const BadPageCase& row = GetParam();
    Report report;
    report.window.tape.text = QStringLiteral("2+3");
    report.layout.nextIndices = {3};
    report.printer.dpiX = row.dpiX;
    report.printer.dpiY = row.dpiY;
    report.printer.offsetPixelsX = row.offsetPixelsX;
    report.printer.paper = row.paper;

    report.Print();

    EXPECT_EQ(report.log, row.expected);
    EXPECT_EQ(report.window.input.focusCount, 1);
    EXPECT_EQ(report.window.window.pointerChanges, (std::vector<bool>{true, false}));
    EXPECT_TRUE(report.window.tape.writes.empty());
}

const Log kUpToOffsetX = Concat({kHeader, {"PrintLine ' '", "PhysicalOffsetPixels h"}});

INSTANTIATE_TEST_SUITE_P(
    PrintCommand, PrintCommandBadPage,
    ::testing::Values(BadPageCase{"ZeroHorizontalResolution",
                                  0,
                                  1200,
                                  0,
                                  {11906, 16838},
                                  Concat({kUpToOffsetX, {"PixelsToTwips 0 h"}})},
                      BadPageCase{"ZeroVerticalResolution",
                                  1200,
                                  0,
                                  0,
                                  {11906, 16838},
                                  Concat({kUpToOffsetX,
                                          {"PixelsToTwips 0 h", "PhysicalOffsetPixels v",
                                           "PixelsToTwips 0 v"}})},
                      BadPageCase{"ZeroResolutionWithAnOffset",
                                  0,
                                  1200,
                                  50,
                                  {11906, 16838},
                                  Concat({kUpToOffsetX, {"PixelsToTwips 50 h"}})},
                      BadPageCase{"OffsetBeyondTheTwipRange",
                                  1,
                                  1200,
                                  2000000,
                                  {11906, 16838},
                                  Concat({kUpToOffsetX, {"PixelsToTwips 2000000 h"}})},
                      // A negative offset pushes the right edge of the widest paper past the range.
                      BadPageCase{"PaperEdgeBeyondTheTwipRange",
                                  1440,
                                  1200,
                                  -2000,
                                  {2147483647, 16838},
                                  Concat({kUpToOffsetX,
                                          {"PixelsToTwips -2000 h", "PhysicalOffsetPixels v",
                                           "PixelsToTwips 0 v", "PaperSizeTwips"}})}),
    [](const ::testing::TestParamInfo<BadPageCase>& info) { return info.param.name; });

TEST(PrintCommand, BusyPointerWhilePrinting) {
    Report report;
    report.window.tape.text = "x";
    report.layout.nextIndices = {1};

    report.Print();

    EXPECT_EQ(report.window.window.pointerChanges, (std::vector<bool>{true, false}));
}

}  // namespace
}  // namespace vimbo::testing
