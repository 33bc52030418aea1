// SPDX-License-Identifier: MIT
// The report through the real Qt back end into a PDF file, read back with poppler-utils.
#include <gtest/gtest.h>

#include <QFile>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <vector>

#include "history/default_printer.h"
#include "history/grand_total.h"
#include "history/tape_file.h"
#include "tests/support/fake_controls.h"
#include "tests/support/named_rows.h"
#include "tests/support/qt_print_to.h"
#include "tests/support/report_fixtures.h"

namespace vimbo::testing {
namespace {

using vimbo::test_support::PrintTo;

const QString kTitle = QStringLiteral("Vimbo Calculator Report 7/12/2026");
const QString kRule = QString(52, u'-');

// Distinct calculations with a grand total after every tenth, as the window writes them.
// The expressions are wide enough to run under the header should they start too high.
void FillTape(FakeWindow& window, int entries) {
    double total = 0;
    for (int i = 1; i <= entries; ++i) {
        const QString expression = QStringLiteral("1000000+%1*3").arg(i);
        const QString result = QString::number(1000000 + i * 3);
        window.tape.text += expression + "\r\n=\r\n" + result + "\r\n****************\r\n";
        total += 1000000 + i * 3;
        window.grandTotal.setText(QString::number(total, 'g', 15));
        if (i % 10 == 0) {
            WindowControls& controls = window.controls;
            GrandTotalCommand(controls);
        }
    }
}

QString RunTool(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0) {
        ADD_FAILURE() << program.toStdString()
                      << " failed: " << process.readAllStandardError().toStdString();
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

QStringList NonBlankLines(const QString& text) {
    QStringList lines;
    for (const QString& line : text.split(QRegularExpression("\r\n|\r|\n"))) {
        if (!line.trimmed().isEmpty()) {
            lines << line.trimmed();
        }
    }
    return lines;
}

struct Word {
    int page;
    double xMin, yMin, xMax, yMax;
    QString text;
};

std::vector<Word> Words(const QString& bboxHtml) {
    std::vector<Word> words;
    int page = 0;
    static const QRegularExpression tag(
        R"re(<page |<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
    for (auto match = tag.globalMatch(bboxHtml); match.hasNext();) {
        const QRegularExpressionMatch m = match.next();
        if (m.captured(0).startsWith("<page")) {
            ++page;
            continue;
        }
        words.push_back(Word{page, m.captured(1).toDouble(), m.captured(2).toDouble(),
                             m.captured(3).toDouble(), m.captured(4).toDouble(), m.captured(5)});
    }
    return words;
}

class PdfReport : public ::testing::Test {
  protected:
    void SetUp() override {
        pdfinfo_ = QStandardPaths::findExecutable("pdfinfo");
        pdftotext_ = QStandardPaths::findExecutable("pdftotext");
        if (pdfinfo_.isEmpty() || pdftotext_.isEmpty()) {
            GTEST_SKIP() << "poppler-utils (pdfinfo, pdftotext) not installed";
        }
        ASSERT_TRUE(dir_.isValid());
        pdf_ = dir_.filePath("report.pdf");
    }

    void Print(FakeWindow& window) {
        QPrinter printer(QPrinter::HighResolution);
        Print(window, printer);
    }

    void Print(FakeWindow& window, QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf_);
        WindowControls& controls = window.controls;
        PrintTapeOnPrinter(printer, controls, FixedClock(), TapeFont());
    }

    int Pages() {
        const QRegularExpression pages(R"(Pages:\s+(\d+))");
        return pages.match(RunTool(pdfinfo_, {pdf_})).captured(1).toInt();
    }

    std::vector<Word> PrintedWords() { return Words(RunTool(pdftotext_, {"-bbox", pdf_, "-"})); }

    // How far, in points, the top of a word that pdftotext reports lies below the top of its
    // line: Qt puts the baseline an ascent below the line's top, poppler the word's top the
    // font's own ascent above the baseline, and poppler versions read that ascent differently.
    double WordTopBelowLineTop(const QFont& font, int dpi) {
        const QString pdf = dir_.filePath("line.pdf");
        QPrinter printer(QPrinter::HighResolution);
        printer.setResolution(dpi);
        printer.setFullPage(true);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        constexpr qreal kLineTop = 1000;  // device pixels
        QPainter painter(&printer);
        painter.setFont(font);
        painter.drawText(QPointF(0, kLineTop + QFontMetricsF(font, &printer).ascent()), "Line");
        painter.end();
        const std::vector<Word> words = Words(RunTool(pdftotext_, {"-bbox", pdf, "-"}));
        return words.empty() ? 0 : words.front().yMin - kLineTop * 72 / dpi;
    }

    // The printed lines of each page, top to bottom: words on one baseline joined by a space,
    // placed where their first word is.
    std::vector<std::vector<Word>> PrintedLines() {
        std::vector<std::vector<Word>> pages(static_cast<std::size_t>(Pages()));
        const Word* previous = nullptr;
        for (const Word& word : PrintedWords()) {
            std::vector<Word>& lines = pages.at(static_cast<std::size_t>(word.page - 1));
            if (previous != nullptr && previous->page == word.page &&
                std::abs(previous->yMin - word.yMin) < 0.5) {
                lines.back().text += u' ' + word.text;
            } else {
                lines.push_back(word);
            }
            previous = &word;
        }
        return pages;
    }

    std::vector<QStringList> PageLines() {
        std::vector<QStringList> pages;
        for (const std::vector<Word>& lines : PrintedLines()) {
            pages.emplace_back();
            std::ranges::for_each(lines, [&](const Word& line) { pages.back() << line.text; });
        }
        return pages;
    }

    QString pdfinfo_, pdftotext_;
    QTemporaryDir dir_;
    QString pdf_;
};

TEST_F(PdfReport, LongTapeOverSeveralPagesWithTheHeaderOnPageOneOnly) {
    FakeWindow window;
    FillTape(window, 150);
    const QString tape = window.tape.text;

    Print(window);

    const std::vector<QStringList> pages = PageLines();
    ASSERT_GE(pages.size(), 5u) << "150 entries take several pages";
    ASSERT_GE(pages[0].size(), 3);
    EXPECT_EQ(pages[0][0], kTitle);
    EXPECT_EQ(pages[0][1], kRule);
    EXPECT_EQ(pages[0][2], "1000000+1*3");
    for (std::size_t page = 1; page < pages.size(); ++page) {
        EXPECT_FALSE(pages[page].join(u' ').contains("Vimbo Calculator")) << "page " << page + 1;
        EXPECT_FALSE(pages[page].contains(kRule)) << "page " << page + 1;
        EXPECT_GT(pages[page].size(), 20) << "page " << page + 1 << " is full of tape";
    }
    EXPECT_EQ(window.tape.text, tape) << "printing leaves the tape as it was";
}

TEST_F(PdfReport, EveryTapeLineOnceAndInOrder) {
    FakeWindow window;
    FillTape(window, 150);

    Print(window);

    QStringList printed;
    for (const QStringList& page : PageLines()) {
        printed << page;
    }
    ASSERT_GE(printed.size(), 2);
    EXPECT_EQ(printed.takeFirst(), kTitle);
    EXPECT_EQ(printed.takeFirst(), kRule);
    EXPECT_EQ(printed, NonBlankLines(window.tape.text));
}

TEST_F(PdfReport, NothingIsOverprinted) {
    FakeWindow window;
    FillTape(window, 150);

    Print(window);

    const std::vector<Word> words = PrintedWords();
    ASSERT_GT(words.size(), 600u);
    // Neighbouring lines may touch; overprinted words share more than a sliver.
    constexpr double kSliver = 1.0;  // points
    int overlaps = 0;
    for (std::size_t i = 0; i < words.size(); ++i) {
        for (std::size_t j = i + 1; j < words.size() && words[j].page == words[i].page; ++j) {
            const Word& a = words[i];
            const Word& b = words[j];
            const double width = std::min(a.xMax, b.xMax) - std::max(a.xMin, b.xMin);
            const double height = std::min(a.yMax, b.yMax) - std::max(a.yMin, b.yMin);
            if (width > kSliver && height > kSliver) {
                ADD_FAILURE() << "page " << a.page << ": '" << a.text.toStdString() << "' over '"
                              << b.text.toStdString() << "'";
                if (++overlaps > 5) {
                    return;
                }
            }
        }
    }
}

// A printer's sheet, its unprintable border in points, and its resolution.
struct Paper {
    const char* name;
    QPageSize::PageSizeId size;
    QMarginsF border;
    int dpi;
};

class PdfReportPlacement : public PdfReport, public ::testing::WithParamInterface<Paper> {};

// Every line where the report's rules put it: the header from the printable area's top-left
// corner; the tape 1000 twips from the paper's edges (the printable area's offsets taken to
// whole twips, a half to the even one), on page one under the header's five lines; each page
// holding as many tape lines, blank ones included, as fit above the bottom margin.
TEST_P(PdfReportPlacement, LinesStandWhereTheMarginsPutThem) {
    const Paper& paper = GetParam();
    FakeWindow window;
    FillTape(window, 150);
    QPrinter printer(QPrinter::HighResolution);
    printer.setResolution(paper.dpi);
    ASSERT_TRUE(printer.setPageLayout(QPageLayout(QPageSize(paper.size), QPageLayout::Portrait,
                                                  paper.border, QPageLayout::Point)));
    Print(window, printer);

    // Points from the paper's top-left corner.
    const double pointsPerPixel = 72.0 / paper.dpi;
    const QRect printable = printer.pageLayout().paintRectPixels(paper.dpi);
    const QPointF origin = QPointF(printable.topLeft()) * pointsPerPixel;
    const auto twips = [&](double pixels) { return std::nearbyint(pixels * 1440 / paper.dpi); };
    const double paperTwips =
        std::nearbyint(printer.pageLayout().fullRect(QPageLayout::Point).height() * 20);
    const double left = origin.x() + (1000 - twips(printable.left())) / 20;
    const double top = origin.y() + (1000 - twips(printable.top())) / 20;
    const double bottom = origin.y() + (paperTwips - 1000 - twips(printable.top())) / 20;
    QFont headerFont;
    headerFont.setPointSize(12);
    const QFontMetricsF header(headerFont, &printer);
    const double firstTop = std::max(top, origin.y() + twips(5 * header.lineSpacing()) / 20);
    const double headerWordTop = WordTopBelowLineTop(headerFont, paper.dpi);
    const double tapeWordTop = WordTopBelowLineTop(TapeFont(), paper.dpi);
    // The tape's lines are a font high, rounded up to whole pixels.
    const double pitch = std::ceil(QFontMetricsF(TapeFont(), &printer).height()) * pointsPerPixel;
    constexpr double kTolerance = 0.02;  // points; a twip is 0.05

    std::vector<std::vector<Word>> pages = PrintedLines();
    ASSERT_GE(pages.size(), 2u);
    ASSERT_GE(pages[0].size(), 3u);
    for (const int i : {0, 1}) {  // the title and the rule, the third and fourth lines
        const Word& line = pages[0][static_cast<std::size_t>(i)];
        EXPECT_NEAR(line.xMin,
                    origin.x() + header.horizontalAdvance(QString(15, u' ')) * pointsPerPixel,
                    kTolerance);
        EXPECT_NEAR(line.yMin - headerWordTop,
                    origin.y() + (2 + i) * header.lineSpacing() * pointsPerPixel, kTolerance);
    }
    pages[0].erase(pages[0].begin(), pages[0].begin() + 2);
    const QStringList tape = window.tape.text.split(QRegularExpression("\r\n|\r|\n"));
    qsizetype pageStart = 0;  // the tape line that opens the page
    for (std::size_t page = 0; page < pages.size(); ++page) {
        const double pageTop = page == 0 ? firstTop : top;
        const auto fits = static_cast<qsizetype>(std::floor((bottom - pageTop) / pitch));
        SCOPED_TRACE(page + 1);
        EXPECT_FALSE(pages[page].empty());
        for (const Word& line : pages[page]) {
            const double k = (line.yMin - tapeWordTop - pageTop) / pitch;
            EXPECT_NEAR(line.xMin, left, kTolerance);
            EXPECT_NEAR(k, std::round(k), kTolerance / pitch);
            EXPECT_EQ(tape.value(pageStart + std::lround(k)), line.text);
            EXPECT_LT(std::lround(k), fits);
        }
        pageStart += fits;
    }
    EXPECT_GE(pageStart, tape.size() - 1) << "every tape line is printed";
}

INSTANTIATE_TEST_SUITE_P(
    PdfReport, PdfReportPlacement,
    ::testing::Values(Paper{"A4WithoutBorder", QPageSize::A4, {}, 1200},
                      Paper{"LetterWithQuarterInchBorder", QPageSize::Letter,
                            QMarginsF(18, 18, 18, 18), 1200},
                      // 13 and 17 pixels at 320 dpi are 58.5 and 76.5 twips.
                      Paper{"HalfTwipOffsetsGoToEven", QPageSize::A4, QMarginsF(3, 4, 5, 6), 320}),
    [](const ::testing::TestParamInfo<Paper>& info) { return info.param.name; });

TEST_F(PdfReport, DocumentIsTitledAsThePrintJob) {
    FakeWindow window;
    FillTape(window, 3);

    Print(window);

    const QRegularExpression title(R"(^Title:\s+(.*)$)", QRegularExpression::MultilineOption);
    EXPECT_EQ(title.match(RunTool(pdfinfo_, {pdf_})).captured(1), "Vimbo Calculator Report");
}

TEST_F(PdfReport, EmptyTapeWritesNoFile) {
    FakeWindow window;

    Print(window);

    EXPECT_FALSE(QFile::exists(pdf_));
    EXPECT_EQ(window.input.focusCount, 1);
}

TEST_F(PdfReport, UnwritableFileReturnsQuietly) {
    FakeWindow window;
    FillTape(window, 3);
    pdf_ = dir_.filePath("no/such/folder/report.pdf");

    Print(window);

    EXPECT_FALSE(QFile::exists(pdf_));
    EXPECT_EQ(window.input.focusCount, 1);
    EXPECT_EQ(window.window.pointerChanges, (std::vector<bool>{true, false}));
}

// Saved as a PDF, the tape is the printed report: the same words at the same places on the
// same pages.
TEST_F(PdfReport, SavedPdfIsThePrintedReport) {
    FakeWindow window;
    FillTape(window, 90);
    Print(window);
    const std::vector<Word> printed = PrintedWords();
    ASSERT_GT(printed.back().page, 1);

    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    pdf_ = dir_.filePath("saved.pdf");
    WindowControls& controls = window.controls;
    ASSERT_EQ(SaveTapeFile(pdf_, TapeFileFormat::Pdf, controls, FixedClock(), TapeFont(),
                           ReportPaper{printer.pageLayout(), printer.resolution()}),
              std::nullopt);
    const std::vector<Word> saved = PrintedWords();
    ASSERT_EQ(saved.size(), printed.size());
    for (std::size_t i = 0; i < saved.size(); ++i) {
        EXPECT_EQ(saved[i].text, printed[i].text) << i;
        EXPECT_EQ(saved[i].page, printed[i].page) << i;
        EXPECT_NEAR(saved[i].xMin, printed[i].xMin, 0.01) << i;
        EXPECT_NEAR(saved[i].yMin, printed[i].yMin, 0.01) << i;
    }
}

}  // namespace
}  // namespace vimbo::testing
