// SPDX-License-Identifier: MIT
// The tape widget: the text kept exactly as set, and the line breaks it shows.
#include <gtest/gtest.h>

#include <QTextCursor>
#include <QTextDocument>
#include <vector>

#include "tests/support/named_rows.h"
#include "window/tape_view.h"

namespace vimbo {
namespace {

using vimbo::test_support::PrintTo;

struct ShownCase {
    const char* name;
    QString stored;
    QString shown;
};

class TapeShownTest : public ::testing::TestWithParam<ShownCase> {};

TEST_P(TapeShownTest, StoresExactlyAndShowsBreaks) {
    const ShownCase& c = GetParam();
    TapeView tape;
    tape.setWholeText(c.stored);
    EXPECT_EQ(tape.wholeText(), c.stored);
    EXPECT_EQ(tape.length(), c.stored.size());
    EXPECT_EQ(tape.toPlainText(), c.shown);
}

INSTANTIATE_TEST_SUITE_P(
    LineBreaks, TapeShownTest,
    ::testing::Values(ShownCase{"Empty", "", ""}, ShownCase{"CrLfIsOneBreak", "a\r\nb", "a\nb"},
                      ShownCase{"LoneCrIsABreak", "a\rb", "a\nb"},
                      ShownCase{"CrBeforeCrLfIsTwoBreaks", "a\r\r\nb", "a\n\nb"},
                      ShownCase{"LoneLfIsABreak", "a\nb", "a\nb"},
                      ShownCase{"LfCrIsTwoBreaks", "a\n\rb", "a\n\nb"},
                      ShownCase{"TrailingCrLf", "5\r\n", "5\n"},
                      ShownCase{"GrandTotalEntry", "x\r\n\r25 GT\r\n****************",
                                "x\n\n25 GT\n****************"},
                      ShownCase{"LengthCountsUtf16Units", QString::fromUcs4(U"\U0001F600") + "\r\n",
                                QString::fromUcs4(U"\U0001F600") + "\n"}),
    [](const auto& info) { return std::string(info.param.name); });

struct SequenceCase {
    const char* name;
    std::vector<QString> texts;  // whole texts set one after the other
};

class TapeSequenceTest : public ::testing::TestWithParam<SequenceCase> {};

// However the texts follow each other, the view shows what a fresh view of the last one shows.
TEST_P(TapeSequenceTest, ShowsLastTextAsIfSetOnce) {
    const SequenceCase& c = GetParam();
    TapeView tape;
    for (const QString& text : c.texts) {
        tape.setWholeText(text);
    }
    TapeView fresh;
    fresh.setWholeText(c.texts.back());
    EXPECT_EQ(tape.wholeText(), c.texts.back());
    EXPECT_EQ(tape.toPlainText(), fresh.toPlainText());
    EXPECT_EQ(tape.toPlainText(), DisplayText(c.texts.back()));
}

INSTANTIATE_TEST_SUITE_P(
    Replacements, TapeSequenceTest,
    ::testing::Values(SequenceCase{"CalculationEntry",
                                   {"2+3", "2+3\r\n=", "2+3\r\n=\r\n5",
                                    "2+3\r\n=\r\n5\r\n****************\r\n"}},
                      SequenceCase{"LfAfterStoredCrIsSameBreak", {"a\r", "a\r\nb"}},
                      SequenceCase{"CrAfterStoredCr", {"a\r", "a\r\r"}},
                      SequenceCase{"GrandTotalAfterEntry",
                                   {"5\r\n", "5\r\n\r5 GT", "5\r\n\r5 GT\r\n****************"}},
                      SequenceCase{"SameTextAgain", {"abc", "abc"}},
                      SequenceCase{"ShorterText", {"abc\r\n", "abc"}},
                      SequenceCase{"DifferentText", {"abc", "xyz\r\n"}},
                      SequenceCase{"PrefixChangedInMiddle", {"abc", "aXcd"}},
                      SequenceCase{"EmptiedThenWritten", {"abc", "", "d\re"}},
                      SequenceCase{"FirstTextOnEmpty", {"", "1\r\n"}}),
    [](const auto& info) { return std::string(info.param.name); });

struct AppendCase {
    const char* name;
    QString start;
    std::vector<QString> tails;  // appended one after the other
};

class TapeAppendTest : public ::testing::TestWithParam<AppendCase> {};

// Appending a tail is the whole-text replacement by the text and the tail, stored and shown.
TEST_P(TapeAppendTest, SameAsReplacingTheWholeText) {
    const AppendCase& c = GetParam();
    TapeView appended;
    TapeView replaced;
    appended.setWholeText(c.start);
    replaced.setWholeText(c.start);
    for (const QString& tail : c.tails) {
        const QString before = appended.wholeText();
        appended.appendWholeText(tail);
        replaced.setWholeText(replaced.wholeText() + tail);
        EXPECT_EQ(before + tail, appended.wholeText());  // an earlier copy is not changed
    }
    EXPECT_EQ(appended.wholeText(), replaced.wholeText());
    EXPECT_EQ(appended.length(), replaced.length());
    EXPECT_EQ(appended.toPlainText(), replaced.toPlainText());
    EXPECT_EQ(appended.toPlainText(), DisplayText(replaced.wholeText()));
}

INSTANTIATE_TEST_SUITE_P(
    Tails, TapeAppendTest,
    ::testing::Values(
        AppendCase{"OntoEmpty", "", {"2+3", "\r\n=", "\r\n5", "\r\n****************\r\n"}},
        AppendCase{"LfAfterStoredCr", "a\r", {"\nb"}},
        AppendCase{"CrAfterStoredCr", "a\r", {"\r", "\n"}},
        AppendCase{"EmptyTail", "abc", {"", "d"}},
        AppendCase{"GrandTotal", "5\r\n", {"\r5 GT", "\r\n****************"}}),
    [](const auto& info) { return std::string(info.param.name); });

// The tails of `entries` calculations, as the Equals action appends them.
std::vector<QString> EntryTails(int entries, const QString& expression = QStringLiteral("2+3")) {
    std::vector<QString> tails;
    for (int i = 0; i < entries; ++i) {
        tails.insert(tails.end(), {expression, QStringLiteral("\r\n="), QStringLiteral("\r\n5"),
                                   QStringLiteral("\r\n****************\r\n")});
    }
    return tails;
}

INSTANTIATE_TEST_SUITE_P(
    LongTapes, TapeAppendTest,
    ::testing::Values(AppendCase{"ManyEntries", "", EntryTails(25)},
                      AppendCase{"ManyEntriesAfterText", "1\r2\n3\r\n", EntryTails(12)},
                      AppendCase{"LongExpressions", "", EntryTails(6, QString(300, u'7'))},
                      AppendCase{"ManyBreaksInOneTail", "", {QString(40, u'\r'), "x"}}),
    [](const auto& info) { return std::string(info.param.name); });

// The document keeps a layout per paragraph it has shown: lines share paragraphs, so that a
// long tape does not cost a paragraph per line, while the lines shown stay the same.
TEST(TapeParagraphs, ManyLinesShareParagraphs) {
    TapeView tape;
    for (const QString& tail : EntryTails(50)) {
        tape.appendWholeText(tail);
    }
    EXPECT_EQ(tape.toPlainText().count(u'\n'), 200);
    EXPECT_LE(tape.document()->blockCount(), 200 / 4);
}

TEST(TapeSelection, AppendKeepsTheUserSelection) {
    TapeView tape;
    tape.setWholeText(QStringLiteral("first\r\n"));
    tape.selectAll();
    const QString selected = tape.textCursor().selectedText();
    tape.setWholeText(QStringLiteral("first\r\nsecond\r\n"));
    EXPECT_EQ(tape.textCursor().selectedText(), selected);
    tape.appendWholeText(QStringLiteral("third\r\n"));
    EXPECT_EQ(tape.textCursor().selectedText(), selected);
}

}  // namespace
}  // namespace vimbo
