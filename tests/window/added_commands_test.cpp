// SPDX-License-Identifier: MIT
// What the added keys and menus work with, on plain values and fakes: the recalled inputs with
// the line being typed, what a tape line inserts, what a paste leaves on the one input line,
// and the undo of Clear.
#include <gtest/gtest.h>

#include <initializer_list>
#include <utility>

#include "tests/support/fake_controls.h"
#include "tests/support/qt_print_to.h"
#include "window/clear_undo.h"
#include "window/input_recall.h"
#include "window/pasted_text.h"
#include "window/tape_line.h"

namespace vimbo {
namespace {

// Each step is Up (older, with what the line holds then) or Down (newer); "-" for nothing.
TEST(InputRecall, StepsThroughInputsAndKeepsTheLineBeingTyped) {
    InputRecall recall;
    EXPECT_EQ(recall.older(QStringLiteral("x")), std::nullopt);  // nothing recorded yet
    for (const char* input : {"1+1", "2*3", "2*3", "sqr(2)"}) {
        recall.record(QString::fromLatin1(input));
    }
    const struct {
        bool up;
        const char* expected;
    } steps[] = {{false, "-"}, {true, "sqr(2)"}, {true, "2*3"},     {true, "1+1"},
                 {true, "-"},  {false, "2*3"},   {false, "sqr(2)"}, {false, "draft"},
                 {false, "-"}, {true, "sqr(2)"}};
    for (const auto& step : steps) {
        const std::optional<QString> entry =
            step.up ? recall.older(QStringLiteral("draft")) : recall.newer();
        EXPECT_EQ(entry.value_or(QStringLiteral("-")), QLatin1String(step.expected));
    }
    recall.record(QStringLiteral("7"));  // stepping starts again from the newest
    EXPECT_EQ(recall.older(QString()), QStringLiteral("7"));
    recall.clear();
    EXPECT_EQ(recall.older(QString()), std::nullopt);
    EXPECT_EQ(recall.newer(), std::nullopt);
}

// Each row: what is given, what comes out.
using TextRows = std::initializer_list<std::pair<QString, QString>>;

TEST(TapeLineInsertion, AWholeExpressionOrNumberOrNothing) {
    const TextRows rows = {
        {"2(1+3)^2", "2(1+3)^2"},
        {"-1.42857142857143E-11", "-1.42857142857143E-11"},
        {"25 GT", "25"},
        {"****************1+1", "1+1"},
        {"=", ""},
        {"****************", ""},
        {"", ""},
        {"Error", ""},
        {"Syntax error", ""},
    };
    for (const auto& [line, inserted] : rows) {
        EXPECT_EQ(TapeLineInsertion(line), inserted) << line.toStdString();
    }
}

TEST(ShownLineAt, FindsTheLineAroundAPosition) {
    // The view breaks lines inside a paragraph with line separators.
    const QString block = QStringLiteral("2+3\u2028=\u20285");
    const struct {
        qsizetype position;
        const char* line;
    } rows[] = {{0, "2+3"}, {3, "2+3"}, {4, "="}, {5, "="}, {6, "5"}, {7, "5"}, {99, "5"}};
    for (const auto& row : rows) {
        EXPECT_EQ(ShownLineAt(block, row.position), QLatin1String(row.line)) << row.position;
    }
    EXPECT_EQ(ShownLineAt(QStringLiteral("a\nb"), 2), QStringLiteral("b"));
}

TEST(PastedIntoInput, NoLineBreakOrTabReachesTheLine) {
    const TextRows rows = {
        {"215.12\n", "215.12"},                      // a spreadsheet cell
        {"1\n2.5\n-3\n", "1+2.5+-3"},                // a column of cells
        {"10\t20\t30", "10+20+30"},                  // a row of cells
        {"1,234.50\r\n5%\r\n.5", "1,234.50+5%+.5"},  // grouped, per cent, a point
        {"2 \n 3", "2+3"},                           // blanks around the break
        {"\r\n\t 7 \t\r\n", "7"},                    // breaks at both ends
        {"lo\ng(100)", "lo g(100)"},                 // a break inside a name
        {"Net\t100", "Net 100"},                     // a label before a number
        {"sin(30)\n(2)", "sin(30) (2)"},             // expressions on two lines
        {"\n\t\r\n", ""},                            // only breaks
        {" 6 * 7 ", " 6 * 7 "},                      // no break: as it is
        {"1\u20282", "1+2"},                         // Unicode's line separator
    };
    for (const auto& [pasted, line] : rows) {
        EXPECT_EQ(PastedIntoInput(pasted), line) << pasted.toStdString();
    }
}

TEST(ClearUndo, BringsBackWhatClearEmptiedOnce) {
    testing::FakeWindow w;
    InputRecall recall;
    ClearUndo clearUndo;
    clearUndo.clear(w.controls, recall);
    EXPECT_FALSE(clearUndo.canUndo());  // nothing emptied: Ctrl+Z stays the input line's own

    const QStringList used{"9-", "20", "25", "2+3\r\n=\r\n5\r\n****************\r\n"};
    const auto shown = [&w] {
        return QStringList{w.input.text(), w.output.text(), w.grandTotal.text(), w.tape.text};
    };
    w.input.type(used[0]);
    w.output.setText(used[1]);
    w.grandTotal.setText(used[2]);
    w.tape.text = used[3];
    recall.record(QStringLiteral("2+3"));
    clearUndo.clear(w.controls, recall);
    EXPECT_EQ(shown(), QStringList({"", "", "", ""}));
    EXPECT_TRUE(recall.entries().isEmpty());
    clearUndo.undo(w.controls, recall);
    EXPECT_EQ(shown(), used);
    EXPECT_EQ(recall.entries(), QStringList({"2+3"}));
    EXPECT_EQ(w.input.caret, 2);
    EXPECT_EQ(w.log.last(), QStringLiteral("say ClearUndone "));
    EXPECT_FALSE(clearUndo.canUndo());  // one step only
}

}  // namespace
}  // namespace vimbo
