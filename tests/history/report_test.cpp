// SPDX-License-Identifier: MIT
#include "history/report.h"

#include <gtest/gtest.h>

#include "tests/support/fake_controls.h"
#include "tests/support/fake_report_printer.h"
#include "tests/support/named_rows.h"
#include "tests/support/qt_print_to.h"
#include "tests/support/report_fixtures.h"

namespace vimbo::testing {
namespace {

using vimbo::test_support::PrintTo;
using Step = FakeReportPrinter::Step;

struct Report {
    explicit Report(CalendarDate today = CalendarDate{7, 12, 2026}) : clock(today) {}

    FakeWindow window;
    FixedClock clock;
    FakeReportPrinter printer;

    void Print() {
        WindowControls& controls = window.controls;
        PrintCommand(controls, clock, printer, TapeFont());
    }
};

TEST(PrintCommand, EmptyTapeOpensNoJob) {
    Report report;
    report.Print();

    EXPECT_TRUE(report.printer.steps.empty());
    EXPECT_EQ(report.window.input.focusCount, 1);
    EXPECT_TRUE(report.window.input.caretMoves.empty());
    EXPECT_TRUE(report.window.window.pointerChanges.empty());
}

TEST(PrintCommand, TapeIsNeverChanged) {
    Report report;
    const QString tape = "\r25 GT\r\n****************";
    report.window.tape.text = tape;

    report.Print();

    EXPECT_EQ(report.window.tape.text, tape);
    EXPECT_TRUE(report.window.tape.writes.empty());
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

// At 72 dpi a tape line is 12 points high and the header's five lines 70 points: on paper
// 117 points high the tape's room (1000 to 1340 twips) takes one line, and none under the
// header; on paper 100 points high it takes none at all.
struct JobCase {
    const char* name;
    qreal paperHeight;  // points; the paper is as wide as A4
    std::optional<Step> refuse;
    int dotsPerMeter;
    std::vector<Step> steps;
};

class PrintCommandJob : public ::testing::TestWithParam<JobCase> {};

TEST_P(PrintCommandJob, PagesUntilTheTapeEndsOrTheFirstFailure) {
    const JobCase& row = GetParam();
    Report report;
    report.window.tape.text = QStringLiteral("1\r\n2");
    report.printer.refuse = row.refuse;
    report.printer.dotsPerMeter = row.dotsPerMeter;
    report.printer.layout.setPageSize(QPageSize(QSizeF(595, row.paperHeight), QPageSize::Point));

    report.Print();

    EXPECT_EQ(report.printer.steps, row.steps);
    EXPECT_EQ(report.window.input.focusCount, 1);
    EXPECT_TRUE(report.window.input.caretMoves.empty());
    EXPECT_EQ(report.window.window.pointerChanges, (std::vector<bool>{true, false}));
    EXPECT_TRUE(report.window.tape.writes.empty());
}

using enum FakeReportPrinter::Step;
constexpr int k72Dpi = 2835;  // dots per metre

INSTANTIATE_TEST_SUITE_P(
    PrintCommand, PrintCommandJob,
    ::testing::Values(
        JobCase{"OnePage", 842, std::nullopt, k72Dpi, {open, close}},
        JobCase{"HeaderFillsPageOne", 117, std::nullopt, k72Dpi, {open, newPage, newPage, close}},
        JobCase{"NoRoomForALineEndsTheJob", 100, std::nullopt, k72Dpi, {open, newPage, close}},
        JobCase{"NoPrinterOrARefusedJob", 842, open, k72Dpi, {open}},
        JobCase{"RefusedNewPage", 117, newPage, k72Dpi, {open, newPage}},
        JobCase{"RefusedEnd", 842, close, k72Dpi, {open, close}},
        JobCase{"NoResolution", 842, std::nullopt, 1, {open}},
        JobCase{"PaperBeyondAnyTwip", 2e8, std::nullopt, k72Dpi, {open}}),
    [](const ::testing::TestParamInfo<JobCase>& info) { return info.param.name; });

TEST(PrintCommand, BusyPointerWhilePrinting) {
    Report report;
    report.window.tape.text = "x";

    report.Print();

    EXPECT_EQ(report.window.window.pointerChanges, (std::vector<bool>{true, false}));
}

}  // namespace
}  // namespace vimbo::testing
