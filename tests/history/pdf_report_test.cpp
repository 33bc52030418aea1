// SPDX-License-Identifier: MIT
// The report through the real Qt back end into a PDF file, read back with poppler-utils.
#include <gtest/gtest.h>

#include <QFile>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cmath>
#include <vector>

#include "history/default_printer.h"
#include "history/grand_total.h"
#include "tests/support/fake_controls.h"
#include "tests/support/qt_print_to.h"

namespace vimbo::testing {
namespace {

class FixedClock final : public Clock {
  public:
    CalendarDate today() const override { return CalendarDate{7, 12, 2026}; }
};

const QString kTitle = QStringLiteral("Vimbo Calculator Report 7/12/2026");
const QString kRule = QString(52, u'-');

QFont TapeFont() {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(9.75);
    return font;
}

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

    // The printed lines of each page, top to bottom: words on one baseline joined by a space.
    std::vector<QStringList> PageLines() {
        std::vector<QStringList> pages(static_cast<std::size_t>(Pages()));
        const Word* previous = nullptr;
        for (const Word& word : PrintedWords()) {
            QStringList& lines = pages.at(static_cast<std::size_t>(word.page - 1));
            if (previous != nullptr && previous->page == word.page &&
                std::abs(previous->yMin - word.yMin) < 0.5) {
                lines.back() += u' ' + word.text;
            } else {
                lines << word.text;
            }
            previous = &word;
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

}  // namespace
}  // namespace vimbo::testing
