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

// Each step is Up (older) or Down (newer) with what the line holds then; "-" for nothing.
TEST(InputRecall, StepsThroughInputsAndKeepsTheLineBeingTypedAndEdits) {
    InputRecall recall;
    EXPECT_EQ(recall.older(QStringLiteral("x")), std::nullopt);  // nothing recorded yet
    for (const char* input : {"1+1", "2*3", "2*3", "sqr(2)"}) {
        recall.record(QString::fromLatin1(input));
    }
    const struct {
        bool up;
        const char* holds;
        const char* expected;
    } steps[] = {{false, "draft", "-"},
                 {true, "draft", "sqr(2)"},
                 {true, "sqr(2)", "2*3"},
                 {true, "2*3", "1+1"},
                 {true, "1+1", "-"},
                 {false, "1+1", "2*3"},
                 {false, "2*3", "sqr(2)"},
                 {false, "sqr(2)", "draft"},
                 {false, "draft", "-"},
                 {true, "draft", "sqr(2)"},
                 // An edited entry keeps its edit while the user steps on, and an edit taken
                 // back shows the entry again.
                 {true, "sqr(9)", "2*3"},
                 {false, "2/3", "sqr(9)"},
                 {true, "sqr(9)", "2/3"},
                 {false, "2*3", "sqr(9)"},
                 {true, "sqr(9)", "2*3"}};
    for (const auto& step : steps) {
        const QString holds = QLatin1String(step.holds);
        const std::optional<QString> entry = step.up ? recall.older(holds) : recall.newer(holds);
        EXPECT_EQ(entry.value_or(QStringLiteral("-")), QLatin1String(step.expected)) << step.holds;
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

// What goes in at the caret, between the text before and after it, for a value of the tape.
TEST(InsertionBetween, KeepsTheInsertedValueAndItsNeighboursApart) {
    const struct {
        const char* value;
        const char* before;
        const char* after;
        const char* inserted;
    } rows[] = {
        {"2+3", "", "", "2+3"},                   // an empty line: as it is
        {"-1.5E-07", " ", "", "-1.5E-07"},        // blanks are empty too
        {"2+3", "10*", "", "(2+3)"},              // an expression keeps its value
        {"2+3", "", "*10", "(2+3)"},              //
        {"5", "12", "", "*5"},                    // never 125
        {"5", "", "12", "5*"},                    // never 512
        {"5", "1.", "", "*5"},                    // never 1.5
        {"5", "", ".5", "5*"},                    //
        {"5", "", "pi", "5*"},                    // never 53.14…
        {"5", "ans ", "", "*5"},                  //
        {"5", "", " sqr(2)", "5*"},               // a function
        {"5", "(1+2)", "", "*5"},                 //
        {"5", "7%", "", "*5"},                    //
        {"5", "10-", "", "5"},                    // beside operators: bare
        {"5", "", " mod 3", "5"},                 // mod is an operator
        {"5", "2^", "-1", "5"},                   //
        {"-5", "10-", "", "(-5)"},                // a sign in front: grouped
        {"3/4", "1+", "", "(3/4)"},               // a fraction is an expression
        {"1,000", "2*", "", "1,000"},             // a grouped number is a number
        {"2(1+3)^2", "sin(", ")", "(2(1+3)^2)"},  //
        {"2+3", "12", "9", "*(2+3)*"},            // between two numbers
    };
    for (const auto& row : rows) {
        EXPECT_EQ(InsertionBetween(QLatin1String(row.value), QString::fromLatin1(row.before),
                                   QString::fromLatin1(row.after)),
                  QLatin1String(row.inserted))
            << row.before << "|" << row.value << "|" << row.after;
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

// A number in the desktop locale's notation is read as the locale means it.
TEST(PastedIntoInput, ReadsNumbersInTheLocalesNotation) {
    const QLocale german(QLocale::German, QLocale::Germany);
    const QLocale french(QLocale::French, QLocale::France);
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    const struct {
        const QLocale& locale;
        const char* pasted;
        const char* line;
    } rows[] = {
        {german, "1.234,50", "1234.50"},
        {german, "1 234,50", "1234.50"},
        {german, "1\u00a0234\u00a0567,5", "1234567.5"},
        {german, "1,5+1", "1.5+1"},
        {german, "1.234.567", "1234567"},
        {german, "0,5\n-2,25\n", "0.5+-2.25"},
        {german, "3.14", "3.14"},          // not German grouping: as it is
        {german, "1,234.50", "1,234.50"},  // another notation: as it is
        {german, "12,5%", "12.5%"},
        {french, "1\u202f234,5", "1234.5"},
        {english, "1,234.50", "1,234.50"},  // the engine's own notation
        {english, "1,5", "1,5"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(PastedIntoInput(QString::fromUtf8(row.pasted), row.locale),
                  QString::fromUtf8(row.line))
            << row.pasted << " in " << row.locale.name().toStdString();
    }
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
