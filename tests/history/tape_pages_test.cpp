// SPDX-License-Identifier: MIT
#include "history/tape_pages.h"

#include <gtest/gtest.h>

#include "tests/support/fake_controls.h"
#include "tests/support/fake_report_printer.h"
#include "tests/support/named_rows.h"
#include "tests/support/qt_print_to.h"

namespace vimbo::testing {
namespace {

using vimbo::test_support::PrintTo;

struct Job {
    explicit Job(std::int32_t length) { tape.text = QString(length, u'x'); }

    FakeTape tape;
    Log log;
    FakeReportPrinter printer{log};
    FakeTapeLayout layout{log};

    void Print() { PrintRichText(printer, tape, layout, 1000, 1000, 1000, 1000); }

    // The operations after the first layout request.
    Log AfterFirstRequest() const {
        const auto first = std::find(log.begin(), log.end(), "FormatRange 0");
        return first == log.end() ? Log{} : Log(first + 1, log.end());
    }
};

const Log kNextPage{"StartNewPage", "PrintLine ' '", "DeviceHandle"};
const Log kEnd{"EndDocument", "ReleaseFormatCache"};

Log Concat(std::initializer_list<Log> parts) {
    Log all;
    for (const Log& part : parts) {
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}

struct PagesCase {
    const char* name;
    std::int32_t length;
    std::vector<std::int32_t> nextIndices;
    Log afterFirstRequest;
    std::size_t pages;
};

class PrintRichTextPages : public ::testing::TestWithParam<PagesCase> {};

TEST_P(PrintRichTextPages, PageAfterPageUntilTheEnd) {
    const PagesCase& row = GetParam();
    Job job(row.length);
    job.layout.nextIndices = row.nextIndices;

    job.Print();

    EXPECT_EQ(job.AfterFirstRequest(), row.afterFirstRequest);
    EXPECT_EQ(job.printer.PageCount(), row.pages);
    EXPECT_FALSE(job.printer.jobOpen);
}

INSTANTIATE_TEST_SUITE_P(
    PrintRichText, PrintRichTextPages,
    ::testing::Values(
        PagesCase{"OnePage", 30, {30}, kEnd, 1},
        PagesCase{"IndexPastTheLengthEndsToo", 30, {31}, kEnd, 1},
        PagesCase{"ThreePages",
                  100,
                  {40, 80, 100},
                  Concat({kNextPage, {"FormatRange 40"}, kNextPage, {"FormatRange 80"}, kEnd}),
                  3},
        PagesCase{"EndsExactlyAtAPageBottomWithNoEmptyPage",
                  100,
                  {50, 100},
                  Concat({kNextPage, {"FormatRange 50"}, kEnd}),
                  2},
        PagesCase{"FullPageTakingNoLineEndsTheDocument", 100, {0}, kEnd, 1},
        PagesCase{"LaterPageTakingNoLineEndsTheDocument",
                  100,
                  {40, 40},
                  Concat({kNextPage, {"FormatRange 40"}, kEnd}),
                  2}),
    [](const ::testing::TestParamInfo<PagesCase>& info) { return info.param.name; });

TEST(PrintRichText, OpensTheJobWithALineHoldingASpace) {
    Job job(5);
    job.layout.nextIndices = {5};

    job.Print();

    ASSERT_FALSE(job.log.empty());
    EXPECT_EQ(job.log.front(), "PrintLine ' '");
}

TEST(PrintRichText, EveryPageHasItsOwnDeviceAndTheSameRequest) {
    Job job(100);
    job.layout.nextIndices = {40, 80, 100};

    job.Print();

    ASSERT_EQ(job.layout.requests.size(), 3u);
    for (std::size_t page = 1; page <= 3; ++page) {
        const FormatRangeRequest& request = job.layout.requests[page - 1];
        EXPECT_EQ(request.hdc, job.printer.Page(page)) << "page " << page;
        EXPECT_EQ(request.hdcTarget, job.printer.Page(page)) << "page " << page;
        EXPECT_EQ(request.chrg.cpMax, -1);
    }
    EXPECT_EQ(job.layout.requests[1].rc, job.layout.requests[2].rc);
    EXPECT_EQ(job.layout.requests[1].rcPage, job.layout.requests[2].rcPage);
}

struct RectangleCase {
    const char* name;
    int offsetPixelsX, offsetPixelsY, dpiX, dpiY;
    SizeTwips paper, printable;
    RectTwips rc, rcPage;
};

class PrintRichTextRectangles : public ::testing::TestWithParam<RectangleCase> {};

TEST_P(PrintRichTextRectangles, FromMarginsOffsetsAndPaper) {
    const RectangleCase& row = GetParam();
    Job job(100);
    job.layout.nextIndices = {50, 100};
    job.printer.offsetPixelsX = row.offsetPixelsX;
    job.printer.offsetPixelsY = row.offsetPixelsY;
    job.printer.dpiX = row.dpiX;
    job.printer.dpiY = row.dpiY;
    job.printer.paper = row.paper;
    job.printer.printable = row.printable;

    job.Print();

    ASSERT_EQ(job.layout.requests.size(), 2u);
    // The second page shows the rectangle as computed; only the first makes room above.
    EXPECT_EQ(job.layout.requests[1].rc, row.rc);
    EXPECT_EQ(job.layout.requests[1].rcPage, row.rcPage);
    EXPECT_EQ(job.layout.requests[0].rc, row.rc) << "a single line stays above the margin";
}

INSTANTIATE_TEST_SUITE_P(PrintRichText, PrintRichTextRectangles,
                         ::testing::Values(RectangleCase{"NoOffsets",
                                                         0,
                                                         0,
                                                         1200,
                                                         1200,
                                                         {11906, 16838},
                                                         {11906, 16838},
                                                         {1000, 1000, 10906, 15838},
                                                         {0, 0, 11906, 16838}},
                                           RectangleCase{"WholeTwipOffsets",
                                                         50,
                                                         100,
                                                         600,
                                                         600,
                                                         {12240, 15840},
                                                         {11520, 14880},
                                                         {880, 760, 11120, 14600},
                                                         {0, 0, 11520, 14880}},
                                           RectangleCase{"FractionRoundsToNearest",
                                                         1,
                                                         1,
                                                         1200,
                                                         1200,
                                                         {12240, 15840},
                                                         {12238, 15838},
                                                         {999, 999, 11239, 14839},
                                                         {0, 0, 12238, 15838}},
                                           // 2.5 twips per pixel: 2.5 goes down to 2, 7.5 up to 8.
                                           RectangleCase{"HalfTwipGoesToEven",
                                                         1,
                                                         3,
                                                         576,
                                                         576,
                                                         {12240, 15840},
                                                         {12230, 15830},
                                                         {998, 992, 11238, 14832},
                                                         {0, 0, 12230, 15830}},
                                           RectangleCase{"AxesUseTheirOwnResolution",
                                                         60,
                                                         60,
                                                         600,
                                                         300,
                                                         {12240, 15840},
                                                         {12000, 15360},
                                                         {856, 712, 11096, 14552},
                                                         {0, 0, 12000, 15360}}),
                         [](const ::testing::TestParamInfo<RectangleCase>& info) {
                             return info.param.name;
                         });

struct HeaderCase {
    const char* name;
    int headerLines;  // printed before PrintRichText, each 288 twips high
    int offsetPixelsY;
    std::int32_t firstPageTop;
};

class PrintRichTextBelowHeader : public ::testing::TestWithParam<HeaderCase> {};

TEST_P(PrintRichTextBelowHeader, FirstPageStartsBelowWhatIsPrinted) {
    const HeaderCase& row = GetParam();
    Job job(100);
    job.layout.nextIndices = {50, 100};
    job.printer.dpiY = 1440;
    job.printer.offsetPixelsY = row.offsetPixelsY;
    for (int i = 0; i < row.headerLines; ++i) {
        job.printer.PrintLine(QStringLiteral("header"));
    }

    job.Print();

    ASSERT_EQ(job.layout.requests.size(), 2u);
    EXPECT_EQ(job.layout.requests[0].rc.top, row.firstPageTop);
    EXPECT_EQ(job.layout.requests[1].rc.top, 1000 - row.offsetPixelsY);
    EXPECT_EQ(job.layout.requests[0].rc.bottom, job.layout.requests[1].rc.bottom);
}

INSTANTIATE_TEST_SUITE_P(
    PrintRichText, PrintRichTextBelowHeader,
    ::testing::Values(
        // The report's four header lines and the line holding a space: 5 * 288 twips.
        HeaderCase{"ReportHeaderPushesTheTapeDown", 4, 0, 1440},
        HeaderCase{"ReportHeaderBelowAnUnprintableBorder", 4, 300, 1440},
        HeaderCase{"OneLineStaysAboveTheMargin", 0, 0, 1000},
        HeaderCase{"ThreeLinesJustAboveTheMargin", 2, 200, 864}),
    [](const ::testing::TestParamInfo<HeaderCase>& info) { return info.param.name; });

// A first page whose room under the header takes no line goes on to the next page rather
// than giving up the tape.
TEST(PrintRichText, FirstPageFullOfHeaderContinuesOnTheNextPage) {
    Job job(100);
    job.layout.nextIndices = {0, 100};
    for (int i = 0; i < 4; ++i) {
        job.printer.PrintLine(QStringLiteral("header"));
    }

    job.Print();

    EXPECT_EQ(job.AfterFirstRequest(), Concat({kNextPage, {"FormatRange 0"}, kEnd}));
}

TEST(PrintRichText, LengthIsTakenOnceBeforeTheFirstPage) {
    Job job(100);
    job.layout.nextIndices = {40, 100};
    job.tape.reads = 0;

    job.Print();

    EXPECT_EQ(job.tape.reads, 1);
}

}  // namespace
}  // namespace vimbo::testing
