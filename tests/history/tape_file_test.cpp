// SPDX-License-Identifier: MIT
// "Save tape…": the file as plain text, a file written whole or not at all, and the command's
// choices, on plain fakes; the PDF is compared with the printed report in pdf_report_test.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QWidget>

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

TEST_F(TapeFile, FailureLeavesNoFileAndAnOldOneAsItWas) {
    const QString kept = dir_.filePath("kept.txt");
    QFile old(kept);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
    old.close();
    ASSERT_TRUE(QDir(dir_.path()).mkdir("folder"));
    // A sheet beyond any printer's measure: the report fails once the file is open.
    const ReportPaper tooLarge{
        QPageLayout(QPageSize(QSizeF(2e8, 2e8), QPageSize::Point), QPageLayout::Portrait, {})};
    const struct {
        const char* name;
        QString fileName;
        TapeFileFormat format;
        ReportPaper paper;
    } rows[] = {
        {"FolderThatIsGone", dir_.filePath("gone/tape.txt"), TapeFileFormat::Text, {}},
        {"PdfInFolderThatIsGone", dir_.filePath("gone/tape.pdf"), TapeFileFormat::Pdf, {}},
        {"AFolderItself", dir_.filePath("folder"), TapeFileFormat::Text, {}},
        {"ReportFailsOverAnOldFile", kept, TapeFileFormat::Pdf, tooLarge},
    };
    for (const auto& row : rows) {
        const std::optional<QString> failure = save(row.fileName, row.format, row.paper);
        ASSERT_TRUE(failure.has_value()) << row.name;
        EXPECT_FALSE(failure->isEmpty()) << row.name;
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

// The command: nothing for an empty tape or a cancelled choice; a saved file is told.
TEST_F(TapeFile, CommandAsksOnlyForATapeAndTellsWhereItWent) {
    QWidget parent;
    int asked = 0;
    const QString fileName = dir_.filePath("tape.txt");
    const auto choose = [&](const QString& chosen) {
        return [&asked, chosen](QWidget&) {
            ++asked;
            return chosen;
        };
    };
    window_.tape.text.clear();
    SaveTapeCommand(parent, window_.controls, FixedClock(), TapeFont(), choose(fileName));
    EXPECT_EQ(asked, 0);
    window_.tape.text = kTape;
    SaveTapeCommand(parent, window_.controls, FixedClock(), TapeFont(), choose(QString()));
    EXPECT_EQ(asked, 1);
    EXPECT_FALSE(QFile::exists(fileName));
    SaveTapeCommand(parent, window_.controls, FixedClock(), TapeFont(), choose(fileName));
    EXPECT_TRUE(QFile::exists(fileName));
    EXPECT_EQ(window_.log.last(), QStringLiteral("say Saved tape.txt"));
}

}  // namespace
}  // namespace vimbo::testing
