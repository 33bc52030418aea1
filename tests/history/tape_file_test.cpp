// SPDX-License-Identifier: MIT
// "Save tape…": the file as plain text, a file written whole or not at all, and the command's
// choices, on plain fakes; the PDF is compared with the printed report in pdf_report_test.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QWidget>
#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>

#include "history/save_tape.h"
#include "tests/support/fake_controls.h"
#include "tests/support/qt_print_to.h"
#include "tests/support/report_fixtures.h"

namespace vimbo::testing {
namespace {

const QString kTape =
    QStringLiteral("2+3\r\n=\r\n5\r\n****************\r\n\r25 GT\r\n****************");

QByteArray Contents(const QString& fileName) {
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(no file)");
}

class TapeFile : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        window_.tape.text = kTape;
    }
    std::optional<QString> save(const QString& fileName, TapeFileFormat format,
                                const ReportPaper& paper = {}) {
        return SaveTapeFile(fileName, format, window_.controls, FixedClock(), TapeFont(), paper);
    }

    QTemporaryDir dir_;
    FakeWindow window_;
};

TEST_F(TapeFile, TextHasOneTapeLineALine) {
    const QString fileName = dir_.filePath("tape.txt");
    ASSERT_EQ(save(fileName, TapeFileFormat::Text), std::nullopt);
    EXPECT_EQ(Contents(fileName), "2+3\n=\n5\n****************\n\n25 GT\n****************\n");
    EXPECT_EQ(window_.tape.text, kTape);
}

QString SystemReason(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

constexpr TapeFileFormat kPdf = TapeFileFormat::Pdf;
constexpr TapeFileFormat kText = TapeFileFormat::Text;

TEST_F(TapeFile, FailureSaysWhyAndLeavesNoFileAndAnOldOneAsItWas) {
    const QString kept = dir_.filePath("kept.txt");
    QFile old(kept);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
    old.close();
    ASSERT_TRUE(QDir(dir_.path()).mkdir("folder"));
    const auto paper = [](QSizeF points) {
        return ReportPaper{QPageLayout(QPageSize(points, QPageSize::Point), {}, {})};
    };
    const struct {
        const char* name;
        QString fileName;
        TapeFileFormat format;
        ReportPaper paper;
        QString reason;
        rlim_t sizeLimit = RLIM_INFINITY;  // beyond it a write fails as on a full disk
    } rows[] = {
        {"FolderThatIsGone", dir_.filePath("gone/tape.txt"), kText, {}, SystemReason(ENOENT)},
        {"PdfInFolderThatIsGone", dir_.filePath("gone/tape.pdf"), kPdf, {}, SystemReason(ENOENT)},
        {"UnderARegularFile", kept + "/tape.pdf", kPdf, {}, SystemReason(ENOTDIR)},
        {"AFolderItself", dir_.filePath("folder"), kText, {}, "Filename refers to a directory"},
        {"PageBeyondAnyTwip", kept, kPdf, paper({2e8, 2e8}),
         "the page is too large to lay the report out on"},
        {"PageWithNoRoomForALine", kept, kPdf, paper({595, 100}),
         "the page is too small to hold a line of the tape"},
        {"TextBeyondTheSizeLimit", kept, kText, {}, SystemReason(EFBIG), 10},
        {"PdfBeyondTheSizeLimit", kept, kPdf, paper({595, 842}), SystemReason(EFBIG), 10},
    };
    std::signal(SIGXFSZ, SIG_IGN);  // a write beyond the limit fails instead of killing
    rlimit unlimited{};
    getrlimit(RLIMIT_FSIZE, &unlimited);
    for (const auto& row : rows) {
        const rlimit limit{std::min(row.sizeLimit, unlimited.rlim_max), unlimited.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
        EXPECT_EQ(save(row.fileName, row.format, row.paper), row.reason) << row.name;
        setrlimit(RLIMIT_FSIZE, &unlimited);
    }
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files), QStringList({"kept.txt"}));
    EXPECT_EQ(Contents(kept), "old");
    EXPECT_EQ(window_.tape.text, kTape);
}

TEST_F(TapeFile, FileTypeFromTheNamesEnding) {
    EXPECT_EQ(TapeFileFormatOf("a/Tape.PDF"), TapeFileFormat::Pdf);
    EXPECT_EQ(TapeFileFormatOf("tape.txt"), TapeFileFormat::Text);
    EXPECT_EQ(TapeFileFormatOf("tape.pdf.odt"), std::nullopt);
    EXPECT_EQ(TapeFileFormatOf(QString()), std::nullopt);
}

// The file really written: the name's own ending, or the type filter's added.
TEST(TapeSaveTarget, NamesEndingOrTheFiltersType) {
    const struct {
        const char* name;
        QString chosen;
        TapeFileFormat filter;
        QString fileName;
        TapeFileFormat format;
    } rows[] = {
        {"NoEndingTakesThePdfFilters", "d/tape", kPdf, "d/tape.pdf", kPdf},
        {"NoEndingTakesTheTextFilters", "d/tape", kText, "d/tape.txt", kText},
        {"ItsOwnEndingWins", "d/tape.pdf", kText, "d/tape.pdf", kPdf},
        {"OwnEndingInAnyCase", "d/Tape.TXT", kPdf, "d/Tape.TXT", kText},
        {"AnotherEndingKept", "d/tape.odt", kPdf, "d/tape.odt.pdf", kPdf},
        {"EndingDotNotDoubled", "d/tape.", kText, "d/tape.txt", kText},
        {"DotInTheFolderOnly", "d/v1.pdf/tape", kPdf, "d/v1.pdf/tape.pdf", kPdf},
    };
    for (const auto& row : rows) {
        const TapeSaveTarget target = TapeSaveTargetFor(row.chosen, row.filter);
        EXPECT_EQ(target.fileName, row.fileName) << row.name;
        EXPECT_EQ(target.format, row.format) << row.name;
    }
}

// The replace question: once, for the name written, unless the dialog asked about it.
TEST_F(TapeFile, ReplaceQuestionForTheNameReallyWritten) {
    ASSERT_TRUE(QFile(dir_.filePath("tape.pdf")).open(QIODevice::WriteOnly));
    const QString tape = dir_.filePath("tape");
    const QString tapePdf = dir_.filePath("tape.pdf");
    const struct {
        const char* name;
        QString chosen;
        QString target;
        bool dialogAsked;
        bool question;
    } rows[] = {
        {"NewFile", dir_.filePath("new"), dir_.filePath("new.pdf"), false, false},
        {"EndingAddedMeetsAFile", tape, tapePdf, false, true},
        {"TypedWithItsEnding", tapePdf, tapePdf, false, true},
        {"PortalAskedAboutThatName", tapePdf, tapePdf, true, false},
        {"PortalAskedAboutAnotherName", tape, tapePdf, true, true},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(NeedsReplaceQuestion(row.chosen, row.target, row.dialogAsked), row.question)
            << row.name;
    }
}

// The command: nothing for an empty tape or a cancelled choice; a saved file is told, and
// its folder and type are what the dialog offers next.
TEST_F(TapeFile, CommandAsksOnlyForATapeAndTellsWhereItWent) {
    QWidget parent;
    int asked = 0;
    const QString fileName = dir_.filePath("tape.txt");
    const auto choose = [&](const std::optional<TapeSaveTarget>& chosen) {
        return [&asked, chosen](QWidget&, SaveDialogMemory&) {
            ++asked;
            return chosen;
        };
    };
    SaveDialogMemory memory;
    window_.tape.text.clear();
    SaveTapeCommand(parent, window_.controls, FixedClock(), TapeFont(), memory,
                    choose(TapeSaveTarget{fileName, kText}));
    EXPECT_EQ(asked, 0);
    window_.tape.text = kTape;
    SaveTapeCommand(parent, window_.controls, FixedClock(), TapeFont(), memory,
                    choose(std::nullopt));
    EXPECT_EQ(asked, 1);
    EXPECT_FALSE(QFile::exists(fileName));
    SaveTapeCommand(parent, window_.controls, FixedClock(), TapeFont(), memory,
                    choose(TapeSaveTarget{fileName, kText}));
    EXPECT_TRUE(QFile::exists(fileName));
    EXPECT_EQ(window_.log.last(), QStringLiteral("say Saved tape.txt"));
    EXPECT_EQ(memory.folder, QFileInfo(fileName).absolutePath());
    EXPECT_EQ(memory.format, kText);
}

}  // namespace
}  // namespace vimbo::testing
