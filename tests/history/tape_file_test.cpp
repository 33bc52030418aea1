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

// A file size limit while it lasts: writes beyond it fail as on a full disk, even for root.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) : ignored_(std::signal(SIGXFSZ, SIG_IGN)) {
        getrlimit(RLIMIT_FSIZE, &old_);
        const rlimit limit{bytes, old_.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, ignored_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

  private:
    rlimit old_{};
    void (*ignored_)(int);
};

QString SystemReason(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

TEST_F(TapeFile, FailureSaysWhyAndLeavesNoFileAndAnOldOneAsItWas) {
    const QString kept = dir_.filePath("kept.txt");
    QFile old(kept);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
    old.close();
    ASSERT_TRUE(QDir(dir_.path()).mkdir("folder"));
    // A sheet beyond any printer's measure: the report fails once the file is open.
    const ReportPaper tooLarge{
        QPageLayout(QPageSize(QSizeF(2e8, 2e8), QPageSize::Point), QPageLayout::Portrait, {})};
    const ReportPaper tooLow{
        QPageLayout(QPageSize(QSizeF(595, 100), QPageSize::Point), QPageLayout::Portrait, {})};
    const ReportPaper a4{QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, {})};
    const struct {
        const char* name;
        QString fileName;
        TapeFileFormat format;
        ReportPaper paper;
        QString reason;
        rlim_t sizeLimit = RLIM_INFINITY;
    } rows[] = {
        {"FolderThatIsGone",
         dir_.filePath("gone/tape.txt"),
         TapeFileFormat::Text,
         {},
         SystemReason(ENOENT)},
        {"PdfInFolderThatIsGone",
         dir_.filePath("gone/tape.pdf"),
         TapeFileFormat::Pdf,
         {},
         SystemReason(ENOENT)},
        {"UnderARegularFile", kept + "/tape.pdf", TapeFileFormat::Pdf, {}, SystemReason(ENOTDIR)},
        {"AFolderItself",
         dir_.filePath("folder"),
         TapeFileFormat::Text,
         {},
         "Filename refers to a directory"},
        {"ReportFailsOverAnOldFile", kept, TapeFileFormat::Pdf, tooLarge,
         "the page is too large to lay the report out on"},
        {"PageWithNoRoomForALine", kept, TapeFileFormat::Pdf, tooLow,
         "the page is too small to hold a line of the tape"},
        {"TextBeyondTheSizeLimit", kept, TapeFileFormat::Text, {}, SystemReason(EFBIG), 10},
        {"PdfBeyondTheSizeLimit", kept, TapeFileFormat::Pdf, a4, SystemReason(EFBIG), 10},
    };
    for (const auto& row : rows) {
        std::optional<FileSizeLimit> limit;
        if (row.sizeLimit != RLIM_INFINITY) {
            limit.emplace(row.sizeLimit);
        }
        EXPECT_EQ(save(row.fileName, row.format, row.paper), row.reason) << row.name;
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
        {"NoEndingTakesThePdfFilters", "d/tape", TapeFileFormat::Pdf, "d/tape.pdf",
         TapeFileFormat::Pdf},
        {"NoEndingTakesTheTextFilters", "d/tape", TapeFileFormat::Text, "d/tape.txt",
         TapeFileFormat::Text},
        {"ItsOwnEndingWins", "d/tape.pdf", TapeFileFormat::Text, "d/tape.pdf", TapeFileFormat::Pdf},
        {"OwnEndingInAnyCase", "d/Tape.TXT", TapeFileFormat::Pdf, "d/Tape.TXT",
         TapeFileFormat::Text},
        {"AnotherEndingKept", "d/tape.odt", TapeFileFormat::Pdf, "d/tape.odt.pdf",
         TapeFileFormat::Pdf},
        {"EndingDotNotDoubled", "d/tape.", TapeFileFormat::Text, "d/tape.txt",
         TapeFileFormat::Text},
        {"DotInTheFolderOnly", "d/v1.pdf/tape", TapeFileFormat::Pdf, "d/v1.pdf/tape.pdf",
         TapeFileFormat::Pdf},
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
    const auto path = [this](const char* name) { return dir_.filePath(name); };
    const struct {
        const char* name;
        QString chosen;
        QString target;
        bool dialogAsked;
        bool question;
    } rows[] = {
        {"NewFile", path("new"), path("new.pdf"), false, false},
        {"EndingAddedMeetsAFile", path("tape"), path("tape.pdf"), false, true},
        {"TypedWithItsEnding", path("tape.pdf"), path("tape.pdf"), false, true},
        {"PortalAskedAboutThatName", path("tape.pdf"), path("tape.pdf"), true, false},
        {"PortalAskedAboutAnotherName", path("tape"), path("tape.pdf"), true, true},
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
        return [&asked, chosen](QWidget&, const SaveDialogMemory&) {
            ++asked;
            return chosen;
        };
    };
    SaveDialogMemory memory;
    const auto command = [&](const TapeFileChooser& chooser) {
        SaveTapeCommand(parent, window_.controls, FixedClock(), TapeFont(), memory, chooser);
    };
    window_.tape.text.clear();
    command(choose(TapeSaveTarget{fileName, TapeFileFormat::Text}));
    EXPECT_EQ(asked, 0);
    window_.tape.text = kTape;
    command(choose(std::nullopt));
    EXPECT_EQ(asked, 1);
    EXPECT_FALSE(QFile::exists(fileName));
    command(choose(TapeSaveTarget{fileName, TapeFileFormat::Text}));
    EXPECT_TRUE(QFile::exists(fileName));
    EXPECT_EQ(window_.log.last(), QStringLiteral("say Saved tape.txt"));
    EXPECT_EQ(memory.folder, QFileInfo(fileName).absolutePath());
    EXPECT_EQ(memory.format, TapeFileFormat::Text);
}

}  // namespace
}  // namespace vimbo::testing
