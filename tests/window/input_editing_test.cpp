// SPDX-License-Identifier: MIT
// Keypad tokens, Backspace, Clear and the decimals option's click, on plain fakes.
#include <gtest/gtest.h>

#include <QSet>

#include "tests/support/fake_controls.h"
#include "tests/support/named_rows.h"
#include "tests/support/qt_print_to.h"
#include "window/control_table.h"
#include "window/equals_action.h"
#include "window/input_editing.h"

namespace vimbo {
namespace {

using vimbo::test_support::PrintTo;

using testing::FakeWindow;

TEST(InsertToken, AppendsAtEndWhateverTheCaret) {
    FakeWindow w;
    w.input.type(QStringLiteral("12"));
    w.input.caret = 0;
    InsertToken(w.controls, QStringLiteral("3"));
    EXPECT_EQ(w.input.text(), QStringLiteral("123"));
    EXPECT_EQ(w.input.caret, 3);
    EXPECT_TRUE(w.input.hasFocus);
}

TEST(InsertToken, LeavesSelectedTextAndClearsSelection) {
    FakeWindow w;
    w.input.type(QStringLiteral("1+2"));
    w.input.caret = 0;
    w.input.selectionLength = 2;
    InsertToken(w.controls, QStringLiteral("Log("));
    EXPECT_EQ(w.input.text(), QStringLiteral("1+2Log("));
    EXPECT_EQ(w.input.selectionLength, 0);
    EXPECT_EQ(w.input.caret, 7);
}

TEST(InsertToken, FocusThenCaret) {
    FakeWindow w;
    InsertToken(w.controls, QStringLiteral("7"));
    EXPECT_EQ(w.log, QStringList({"txtInput = 7", "focus", "caret 1", "say Input 7"}));
}

TEST(AppendToInput, DoesNotTouchTheFocus) {
    FakeWindow w;
    w.input.type(QStringLiteral("1"));
    AppendToInput(w.controls, QStringLiteral("+"));
    EXPECT_EQ(w.log, QStringList({"txtInput = 1+"}));
}

struct BackspaceCase {
    const char* name;
    QString input;
    QString expected;
};

class BackspaceTest : public ::testing::TestWithParam<BackspaceCase> {};

TEST_P(BackspaceTest, DropsLastCharacter) {
    const BackspaceCase& c = GetParam();
    FakeWindow w;
    w.input.type(c.input);
    w.input.caret = 0;
    BackspaceAction(w.controls);
    EXPECT_EQ(w.input.text(), c.expected);
    EXPECT_EQ(w.input.caret, c.expected.size());
    EXPECT_TRUE(w.input.hasFocus);
    // Told after the focus is back, and only when something went.
    EXPECT_EQ(w.log.last(), c.input.isEmpty() ? "caret 0" : "say Input " + c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Editing, BackspaceTest,
    ::testing::Values(BackspaceCase{"EmptyStaysEmpty", "", ""},
                      BackspaceCase{"OneCharacterGoes", "12", "1"},
                      BackspaceCase{"LastOnly", "x", ""},
                      BackspaceCase{"FunctionTokenLosesParenthesis", "Log(", "Log"},
                      BackspaceCase{"ReciprocalTokenLosesParenthesis", "1/(", "1/"},
                      BackspaceCase{"CharacterBeyondBmpGoesWhole",
                                    QStringLiteral("1") + QString::fromUcs4(U"\U0001F600"), "1"},
                      BackspaceCase{"OnlyCharacterBeyondBmpGoesWhole",
                                    QString::fromUcs4(U"\U0001F600"), ""},
                      BackspaceCase{"AccentedLetterGoes", QString::fromUtf8("2\u00E9"), "2"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(BackspaceEmpty, OnlyTheFocusMoves) {
    FakeWindow w;
    BackspaceAction(w.controls);
    EXPECT_EQ(w.log, QStringList({"focus", "caret 0"}));
}

TEST(Clear, EmptiesInOrderAndResetsAngleMode) {
    FakeWindow w;
    w.input.type(QStringLiteral("1+"));
    w.output.setText(QStringLiteral("5.00"));
    w.grandTotal.setText(QStringLiteral("5.00"));
    w.tape.setWholeText(QStringLiteral("2+3\r\n=\r\n5.00\r\n****************\r\n"));
    w.decimalsPattern.setText(QStringLiteral("0.00"));
    w.twoDecimals.checked = true;
    w.log.clear();
    ClearAction(w.controls);
    const QStringList expected{"txtInput = ", "txtOutput = ", "lblDRG = DEG", "Text1 = ",
                               "list1 set",   "focus",        "caret 0",      "say Cleared "};
    EXPECT_EQ(w.log, expected);  // also shows that txtdec is not written
    EXPECT_EQ(w.tape.wholeText(), QString());
    EXPECT_EQ(w.decimalsPattern.text(), QStringLiteral("0.00"));
    EXPECT_TRUE(w.twoDecimals.checked);
}

TEST(Clear, SetsAngleModeFromAnyValue) {
    FakeWindow w;
    w.angleMode.setMode(AngleMode::Radians);
    ClearAction(w.controls);
    EXPECT_EQ(w.angleMode.mode(), AngleMode::Degrees);
}

TEST(Clear, NextTotalStartsFromZeroAndAnsIsZero) {
    FakeWindow w;
    w.input.type(QStringLiteral("2+3"));
    EqualsAction(w.controls);
    ClearAction(w.controls);
    w.input.type(QStringLiteral("ans+1"));
    EqualsAction(w.controls);
    EXPECT_EQ(w.output.text(), QStringLiteral("1"));
    EXPECT_EQ(w.grandTotal.text(), QStringLiteral("1"));
}

TEST(DecimalsOptionClick, OnlyFocusMoves) {
    FakeWindow w;
    w.input.type(QStringLiteral("12"));
    w.input.caret = 1;
    DecimalsOptionClick(w.controls);
    EXPECT_EQ(w.log, QStringList({"focus"}));
    EXPECT_EQ(w.input.caret, 1);
    EXPECT_EQ(w.input.text(), QStringLiteral("12"));
}

TEST(DecimalsOptionClick, ReformatsNothingUntilNextEquals) {
    FakeWindow w;
    w.input.type(QStringLiteral("1/3"));
    EqualsAction(w.controls);
    w.twoDecimals.checked = true;
    DecimalsOptionClick(w.controls);
    EXPECT_EQ(w.output.text(), QStringLiteral("0.333333333333333"));
    w.input.type(QStringLiteral("1/3"));
    EqualsAction(w.controls);
    EXPECT_EQ(w.output.text(), QStringLiteral("0.33"));
}

struct TokenCase {
    const char* control;
    const char* token;
};

class KeypadTokenTest : public ::testing::TestWithParam<TokenCase> {};

TEST_P(KeypadTokenTest, AppendsItsToken) {
    const TokenCase& c = GetParam();
    FakeWindow w;
    w.input.type(QStringLiteral("1"));
    InsertToken(w.controls, KeypadToken(QString::fromLatin1(c.control)));
    EXPECT_EQ(w.input.text(), QStringLiteral("1") + QString::fromLatin1(c.token));
}

INSTANTIATE_TEST_SUITE_P(
    Keypad, KeypadTokenTest,
    ::testing::Values(
        TokenCase{"cmdNum0", "0"}, TokenCase{"cmdNum1", "1"}, TokenCase{"cmdNum2", "2"},
        TokenCase{"cmdNum3", "3"}, TokenCase{"cmdNum4", "4"}, TokenCase{"cmdNum5", "5"},
        TokenCase{"cmdNum6", "6"}, TokenCase{"cmdNum7", "7"}, TokenCase{"cmdNum8", "8"},
        TokenCase{"cmdNum9", "9"}, TokenCase{"cmdDecPoint", "."}, TokenCase{"cmdPlus", "+"},
        TokenCase{"cmdMinusOrNeg", "-"}, TokenCase{"cmdTimes", "*"}, TokenCase{"cmdDividedBy", "/"},
        TokenCase{"cmdOpenPar", "("}, TokenCase{"cmdClosedPar", ")"}, TokenCase{"cmdPercent", "%"},
        TokenCase{"cmdPi", "Pi"}, TokenCase{"cmdRecip", "1/("}, TokenCase{"cmdLog", "Log("},
        TokenCase{"cmdLn", "Ln("}, TokenCase{"cmdSqr", "Sqr("}, TokenCase{"cmdInt", "Int("},
        TokenCase{"cmdRound", ">RoundTo("}),
    [](const auto& info) { return std::string(info.param.control); });

TEST(KeypadTable, HoldsExactlyTheKeypadButtons) {
    QSet<QString> names;
    for (const WindowControl* key : KeypadKeys()) {
        names.insert(QString::fromLatin1(key->name));
    }
    EXPECT_EQ(names.size(), 25);
    EXPECT_EQ(static_cast<int>(KeypadKeys().size()), 25);
    for (const char* other : {"cmdEquals", "cmdClear", "cmdBackspace", "Command1", "Command2",
                              "Command3", "txtInput"}) {
        EXPECT_TRUE(KeypadToken(QString::fromLatin1(other)).isEmpty()) << other;
    }
}

struct SequenceCase {
    const char* name;
    std::vector<const char*> keys;
    const char* output;
};

class KeypadSequenceTest : public ::testing::TestWithParam<SequenceCase> {};

TEST_P(KeypadSequenceTest, EvaluatesBuiltExpression) {
    const SequenceCase& c = GetParam();
    FakeWindow w;
    for (const char* key : c.keys) {
        InsertToken(w.controls, KeypadToken(QString::fromLatin1(key)));
    }
    EqualsAction(w.controls);
    EXPECT_EQ(w.output.text(), QString::fromLatin1(c.output));
}

INSTANTIATE_TEST_SUITE_P(
    Keypad, KeypadSequenceTest,
    ::testing::Values(
        SequenceCase{"ReciprocalLeftOpen", {"cmdRecip", "cmdNum4"}, "0.25"},
        SequenceCase{"PiTimesTwo", {"cmdPi", "cmdTimes", "cmdNum2"}, "6.28318530717958"},
        SequenceCase{"SquareRootLeftOpen", {"cmdSqr", "cmdNum9"}, "3"},
        SequenceCase{
            "RoundCommand", {"cmdNum2", "cmdDividedBy", "cmdNum3", "cmdRound", "cmdNum2"}, "0.67"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vimbo
