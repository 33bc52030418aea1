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

// Each step: Up ("^", older) or Down ("v", newer), what the line holds then, and what comes
// back ("-" for nothing). An entry edited while shown keeps the edit while the user steps on.
TEST(InputRecall, StepsThroughInputsAndKeepsTheLineBeingTypedAndEdits) {
    InputRecall recall;
    EXPECT_EQ(recall.older(QStringLiteral("x")), std::nullopt);  // nothing recorded yet
    for (const char* input : {"1+1", "2*3", "2*3", "sqr(2)"}) {
        recall.record(QString::fromLatin1(input));
    }
    for (const char* step :
         {"v draft -", "^ draft sqr(2)", "^ sqr(2) 2*3", "^ 2*3 1+1", "^ 1+1 -", "v 1+1 2*3",
          "v 2*3 sqr(2)", "v sqr(2) draft", "v draft -", "^ draft sqr(2)", "^ sqr(9) 2*3",
          "v 2/3 sqr(9)", "^ sqr(9) 2/3", "v 2*3 sqr(9)", "^ sqr(9) 2*3"}) {
        const QStringList parts = QString::fromLatin1(step).split(u' ');
        const std::optional<QString> entry =
            parts[0] == u'^' ? recall.older(parts[1]) : recall.newer(parts[1]);
        EXPECT_EQ(entry.value_or(QStringLiteral("-")), parts[2]) << step;
    }
    recall.record(QStringLiteral("7"));  // stepping starts again from the newest, edits gone
    EXPECT_EQ(recall.entries(), QStringList({"1+1", "2*3", "sqr(2)", "7"}));
    for (const char* expected : {"7", "sqr(2)", "2*3"}) {
        EXPECT_EQ(recall.older(QString()), QLatin1String(expected));
    }
    recall.clear();
    EXPECT_EQ(recall.older(QString()), std::nullopt);
    EXPECT_EQ(recall.newer(QString()), std::nullopt);
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

// Each row: the text before the caret, the tape's value, the text after it, what goes in.
// An expression keeps its value, and a number never runs into a number, a point or a name.
TEST(InsertionBetween, KeepsTheInsertedValueAndItsNeighboursApart) {
    for (const char* row : {"|2+3||2+3",       " |-1.5E-07||-1.5E-07",
                            "10*|2+3||(2+3)",  "|2+3|*10|(2+3)",
                            "12|5||*5",        "|5|12|5*",
                            "1.|5||*5",        "|5|.5|5*",
                            "|5|pi|5*",        "ans |5||*5",
                            "|5| sqr(2)|5*",   "(1+2)|5||*5",
                            "7%|5||*5",        "10-|5||5",
                            "|5| mod 3|5",     "2^|5|-1|5",
                            "10-|-5||(-5)",    "1+|3/4||(3/4)",
                            "2*|1,000||1,000", "sin(|2(1+3)^2|)|(2(1+3)^2)",
                            "12|2+3|9|*(2+3)*"}) {
        const QStringList parts = QString::fromLatin1(row).split(u'|');
        EXPECT_EQ(InsertionBetween(parts[1], parts[0], parts[2]), parts[3]) << row;
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
        {"5\n- 3", "5+- 3"},                         // a sign and a blank
        {"10\t20\t30", "10+20+30"},                  // a row of cells
        {"1,234.50\r\n5%\r\n.5", "1,234.50+5%+.5"},  // grouped, per cent, a point
        {"2 \n 3", "2+3"},                           // blanks around the break
        {"\r\n\t 7 \t\r\n", "7"},                    // breaks at both ends
        {"100\n(20)", "100+(20)"},                   // never 100·20
        {"sin(30)\n(2)", "sin(30)+(2)"},             // values on two lines
        {"pi\nsqr(4)", "pi+sqr(4)"},                 // a constant, a function
        {"3!\n\tans", "3!+ans"},                     //
        {"+1\n+2", "1+2"},                           // "+1+2" would be an error
        {"2\n*3", "2*3"},                            // an operator: the break goes
        {"2\nmod 3", "2mod 3"},                      //
        {"lo\ng(100)", "log(100)"},                  // a break inside a name
        {"Net\t100", "Net100"},                      //
        {"\n\t\r\n", ""},                            // only breaks
        {" 6 * 7 ", " 6 * 7 "},                      // no break: as it is
        {"1\u20282", "1+2"},                         // Unicode's line separator
    };
    for (const auto& [pasted, line] : rows) {
        EXPECT_EQ(PastedIntoInput(pasted), line) << pasted.toStdString();
    }
}

// A number in the desktop locale's notation is read as the locale means it; a number in
// another notation stays as it is.
TEST(PastedIntoInput, ReadsNumbersInTheLocalesNotation) {
    const QLocale german(QLocale::German, QLocale::Germany);
    for (const char* row :
         {"1.234,50|1234.50", "1 234,50|1234.50", "1\u00a0234\u202f567,5|1234567.5", "1,5+1|1.5+1",
          "1.234.567|1234567", "0,5\n-2,25\n|0.5+-2.25", "3.14|3.14", "1,234.50|1,234.50"}) {
        const QStringList parts = QString::fromUtf8(row).split(u'|');
        EXPECT_EQ(PastedIntoInput(parts[0], german), parts[1]) << row;
    }
    const QLocale english(QLocale::English, QLocale::UnitedStates);  // the engine's notation
    EXPECT_EQ(PastedIntoInput(u"1,234.50\n1,5", english), QStringLiteral("1,234.50+1,5"));
}

TEST(ClearUndo, BringsBackWhatEachClearEmptiedUntilForgotten) {
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
    EXPECT_FALSE(clearUndo.canUndo());  // once

    // A second Clear by accident keeps the first; one of a line typed since comes back first.
    clearUndo.clear(w.controls, recall);
    clearUndo.clear(w.controls, recall);
    w.input.type(QStringLiteral("7"));
    clearUndo.clear(w.controls, recall);
    clearUndo.undo(w.controls, recall);
    EXPECT_EQ(shown(), QStringList({"7", "", "", ""}));
    clearUndo.undo(w.controls, recall);
    EXPECT_EQ(shown(), used);
    EXPECT_FALSE(clearUndo.canUndo());

    clearUndo.clear(w.controls, recall);
    clearUndo.forget();  // the tape or the grand total changed since
    EXPECT_FALSE(clearUndo.canUndo());
    clearUndo.undo(w.controls, recall);
    EXPECT_EQ(shown(), QStringList({"", "", "", ""}));
}

}  // namespace
}  // namespace vimbo
