// SPDX-License-Identifier: MIT
// The Equals action and the Enter hook, on plain fakes of the controls.
#include <gtest/gtest.h>

#include <vector>

#include "tests/support/fake_controls.h"
#include "tests/support/named_rows.h"
#include "tests/support/qt_print_to.h"
#include "tests/window/equals_helpers.h"
#include "window/equals_action.h"
#include "window/input_editing.h"

namespace vimbo {
namespace {

using vimbo::test_support::PrintTo;

using testing::Evaluate;
using testing::FakeWindow;
using testing::kEntryEnd;

TEST(EqualsOrder, StepsRunInTheirOrder) {
    FakeWindow w;
    w.input.type(QStringLiteral("2+3"));
    EqualsAction(w.controls);
    const QStringList expected{
        "txtdec = ",   "busy",      "events",    "txtOutput = 5", "default pointer",
        "events",      "list1 set", "list1 set", "list1 set",     "list1 set",
        "txtInput = ", "Text1 = 5", "focus",     "caret 0",       "say Result 5",
    };
    EXPECT_EQ(w.log, expected);
}

TEST(EqualsOrder, TapeIsReplacedWholeFourTimes) {
    FakeWindow w;
    w.tape.setWholeText(QStringLiteral("old\r\n"));
    w.tape.writes.clear();
    Evaluate(w, QStringLiteral("2+3"), 0);
    const QStringList expected{
        "old\r\n2+3",
        "old\r\n2+3\r\n=",
        "old\r\n2+3\r\n=\r\n5",
        "old\r\n2+3\r\n=\r\n5\r\n****************\r\n",
    };
    EXPECT_EQ(w.tape.writes, expected);
}

TEST(EqualsOrder, TwoDecimalsPatternComesFromCheckBox) {
    FakeWindow w;
    Evaluate(w, QStringLiteral("2+3"), 1);
    EXPECT_EQ(w.log.first(), QStringLiteral("txtdec = 0.00"));
    EXPECT_EQ(w.decimalsPattern.text(), QStringLiteral("0.00"));
}

TEST(EqualsEmptyInput, OnlyTheFocusMoves) {
    FakeWindow w;
    w.decimalsPattern.setText(QStringLiteral("0.00"));
    w.output.setText(QStringLiteral("7"));
    w.grandTotal.setText(QStringLiteral("7"));
    w.tape.setWholeText(QStringLiteral("tape"));
    w.log.clear();
    Evaluate(w, QString(), 0);
    EXPECT_EQ(w.log, QStringList({"focus", "caret 0"}));
    EXPECT_EQ(w.decimalsPattern.text(), QStringLiteral("0.00"));
    EXPECT_EQ(w.window.rounds, 0);
}

TEST(EqualsTape, TwoEntriesToTheCharacter) {
    FakeWindow w;
    Evaluate(w, QStringLiteral("2+3"), 0);
    Evaluate(w, QStringLiteral("4*5"), 0);
    EXPECT_EQ(w.tape.wholeText(), "2+3\r\n=\r\n5" + kEntryEnd + "4*5\r\n=\r\n20" + kEntryEnd);
}

TEST(EqualsTape, BlanksAreRecorded) {
    FakeWindow w;
    Evaluate(w, QStringLiteral("   "), 0);
    EXPECT_EQ(w.tape.wholeText(), "   \r\n=\r\nError" + kEntryEnd);
}

struct Step {
    const char* input;
    int check;
};

struct FlowCase {
    const char* name;
    std::vector<Step> steps;
    const char* output;
    const char* total;
};

class EqualsFlowTest : public ::testing::TestWithParam<FlowCase> {};

TEST_P(EqualsFlowTest, ShowsResultAndTotal) {
    const FlowCase& c = GetParam();
    FakeWindow w;
    for (const Step& step : c.steps) {
        Evaluate(w, QString::fromUtf8(step.input), step.check);
    }
    EXPECT_EQ(w.output.text(), QString::fromUtf8(c.output));
    EXPECT_EQ(w.grandTotal.text(), QString::fromUtf8(c.total));
    EXPECT_EQ(w.input.text(), QString());
    EXPECT_EQ(w.input.caret, 0);
    EXPECT_TRUE(w.input.hasFocus);
}

INSTANTIATE_TEST_SUITE_P(
    Results, EqualsFlowTest,
    ::testing::Values(
        FlowCase{"TwoDecimalsOnNewWindow", {{"2+3", 1}}, "5.00", "5.00"},
        FlowCase{"PlainResultsAdd", {{"2+3", 0}, {"4*5", 0}}, "20", "25"},
        FlowCase{"ThirdsShownRounded", {{"1/3", 1}, {"1/3", 1}, {"1/3", 1}}, "0.33", "0.99"},
        FlowCase{"WholeResultGetsTwoDecimals",
                 {{"1/3", 1}, {"1/3", 1}, {"1/3", 1}, {"2", 1}},
                 "2.00",
                 "2.99"},
        FlowCase{"OptionClearedAppliesToTotal",
                 {{"1/3", 1}, {"1/3", 1}, {"1/3", 1}, {"1", 0}},
                 "1",
                 "1.99"},
        FlowCase{"AnsSeesFormattedOutput", {{"1/3", 1}, {"ans*3", 1}}, "0.99", "1.32"},
        FlowCase{"BlanksGiveErrorAndZeroTotal", {{"   ", 0}}, "Error", "0"},
        FlowCase{"BlanksWithOptionGiveZeroTotal", {{"   ", 1}}, "Error", "0.00"},
        FlowCase{"ErrorUnchangedUnderPattern", {{"1/0", 1}}, "Error", "0.00"},
        FlowCase{"SyntaxErrorUnchangedUnderPattern", {{"2)", 1}}, "Syntax error", "0.00"},
        FlowCase{"SyntaxErrorWithoutPattern", {{"2)", 0}}, "Syntax error", "0"},
        FlowCase{"FractionAddsWholePart", {{"0.75>frac", 0}}, "3/4", "3"},
        FlowCase{"FractionUnchangedUnderPattern", {{"0.75>frac", 1}}, "3/4", "3.00"},
        FlowCase{"SumOfTenths", {{"0.1+0.2", 0}}, "0.3", "0.3"},
        FlowCase{"LargePowerExponentForm", {{"10^20", 0}}, "1E+20", "1E+20"},
        FlowCase{"LargePowerInFull",
                 {{"10^20", 1}},
                 "100000000000000000000.00",
                 "100000000000000000000.00"},
        FlowCase{"SineInDegrees", {{"sin(30)", 0}}, "0.5", "0.5"},
        FlowCase{"SineInDegreesTwoDecimals", {{"sin(30)", 1}}, "0.50", "0.50"},
        FlowCase{"NegativeRoundingToZero", {{"-0.001", 1}}, "0.00", "0.00"}),
    [](const auto& info) { return std::string(info.param.name); });

struct EditedTotalCase {
    const char* name;
    const char* total;
    const char* input;
    const char* expectedTotal;
};

class EditedTotalTest : public ::testing::TestWithParam<EditedTotalCase> {};

TEST_P(EditedTotalTest, ReadsTotalAsEdited) {
    const EditedTotalCase& c = GetParam();
    FakeWindow w;
    w.grandTotal.setText(QString::fromUtf8(c.total));
    Evaluate(w, QString::fromUtf8(c.input), 0);
    EXPECT_EQ(w.grandTotal.text(), QString::fromUtf8(c.expectedTotal));
}

INSTANTIATE_TEST_SUITE_P(
    GrandTotal, EditedTotalTest,
    ::testing::Values(EditedTotalCase{"EditedNumber", "100", "5", "105"},
                      EditedTotalCase{"CommaEndsEditedNumber", "1,000", "5", "6"},
                      EditedTotalCase{"TextReadsAsZero", "abc", "5", "5"},
                      EditedTotalCase{"ErrorTotalStartsOver", "Error", "5", "5"},
                      EditedTotalCase{"TotalBeyondRangeIsError", "1e999", "5", "Error"},
                      EditedTotalCase{"NegativeTotalBeyondRangeIsError", "-1e999", "5", "Error"},
                      EditedTotalCase{"SumBeyondRangeIsError", "1.7E+308", "1.7E+308", "Error"},
                      EditedTotalCase{"OppositeLargeValuesCancel", "-1.7E+308", "1.7E+308", "0"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(EqualsGrandTotal, ErrorTotalKeepsTapeAndOutput) {
    FakeWindow w;
    w.grandTotal.setText(QStringLiteral("1e999"));
    Evaluate(w, QStringLiteral("2+3"), 0);
    EXPECT_EQ(w.grandTotal.text(), QStringLiteral("Error"));
    EXPECT_EQ(w.output.text(), QStringLiteral("5"));
    EXPECT_EQ(w.tape.wholeText(), "2+3\r\n=\r\n5" + kEntryEnd);
}

struct EnterCase {
    const char* name;
    const char* input;
    bool consumed;
    const char* output;
};

class EnterInInputTest : public ::testing::TestWithParam<EnterCase> {};

TEST_P(EnterInInputTest, DecidesAndRuns) {
    const EnterCase& c = GetParam();
    FakeWindow w;
    w.input.type(QString::fromUtf8(c.input));
    EXPECT_EQ(EnterInInput(w.controls), c.consumed);
    EXPECT_EQ(w.output.text(), QString::fromUtf8(c.output));
}

INSTANTIATE_TEST_SUITE_P(EnterHook, EnterInInputTest,
                         ::testing::Values(EnterCase{"OnExpressionRunsEquals", "2+3", true, "5"},
                                           EnterCase{"OnBlanksRunsEquals", " ", true, "Error"},
                                           EnterCase{"OnEmptyLinePassesThrough", "", false, ""}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vimbo
