// SPDX-License-Identifier: MIT
// The window's flows on the real widgets: typing, Enter, the keypad and the option.
#include <QClipboard>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTimer>

#include "tests/support/named_rows.h"
#include "window_fixture.h"

namespace vimbo {
namespace {

using vimbo::test_support::PrintTo;

using testing::WindowFixture;

const QString kEntryEnd = QStringLiteral("\r\n****************\r\n");

using WindowOpening = WindowFixture;

TEST_F(WindowOpening, InputHasFocusAndEverythingIsEmpty) {
    EXPECT_EQ(QApplication::focusWidget(), input());
    EXPECT_EQ(input()->text(), QString());
    EXPECT_EQ(output()->text(), QString());
    EXPECT_EQ(total()->text(), QString());
    EXPECT_EQ(control<QLineEdit>("txtdec")->text(), QString());
    EXPECT_EQ(tape()->wholeText(), QString());
    EXPECT_EQ(control<QLabel>("lblDRG")->text(), QStringLiteral("DEG"));
    EXPECT_FALSE(option()->isChecked());
}

using EqualsFlow = WindowFixture;

TEST_F(EqualsFlow, TwoEvaluationsOnTheTape) {
    evaluate(QStringLiteral("2+3"));
    EXPECT_EQ(output()->text(), QStringLiteral("5"));
    EXPECT_EQ(total()->text(), QStringLiteral("5"));
    evaluate(QStringLiteral("4*5"));
    EXPECT_EQ(output()->text(), QStringLiteral("20"));
    EXPECT_EQ(total()->text(), QStringLiteral("25"));
    EXPECT_EQ(tape()->wholeText(), "2+3\r\n=\r\n5" + kEntryEnd + "4*5\r\n=\r\n20" + kEntryEnd);
    EXPECT_EQ(tape()->toPlainText(),
              QStringLiteral("2+3\n=\n5\n****************\n4*5\n=\n20\n****************\n"));
}

TEST_F(EqualsFlow, EqualsButtonEvaluates) {
    type(QStringLiteral("7*6"));
    click("cmdEquals");
    EXPECT_EQ(output()->text(), QStringLiteral("42"));
    EXPECT_EQ(input()->text(), QString());
    EXPECT_EQ(QApplication::focusWidget(), input());
}

TEST_F(EqualsFlow, KeypadEnterOnNumberPadEvaluates) {
    type(QStringLiteral("1+1"));
    QTest::keyClick(input(), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(output()->text(), QStringLiteral("2"));
}

TEST_F(EqualsFlow, GrandTotalsWithTheOption) {
    click("Check1");
    const QStringList totals{"0.33", "0.66", "0.99"};
    for (const QString& expected : totals) {
        evaluate(QStringLiteral("1/3"));
        EXPECT_EQ(output()->text(), QStringLiteral("0.33"));
        EXPECT_EQ(total()->text(), expected);
    }
    click("Check1");  // cleared: nothing is reformatted until the next evaluation
    EXPECT_EQ(total()->text(), QStringLiteral("0.99"));
    evaluate(QStringLiteral("1"));
    EXPECT_EQ(output()->text(), QStringLiteral("1"));
    EXPECT_EQ(total()->text(), QStringLiteral("1.99"));
}

TEST_F(EqualsFlow, AnsSeesFormattedOutput) {
    click("Check1");
    evaluate(QStringLiteral("1/3"));
    evaluate(QStringLiteral("ans*3"));
    EXPECT_EQ(output()->text(), QStringLiteral("0.99"));
}

TEST_F(EqualsFlow, BlanksOnlyAreEvaluated) {
    evaluate(QStringLiteral("   "));
    EXPECT_EQ(output()->text(), QStringLiteral("Error"));
    EXPECT_EQ(total()->text(), QStringLiteral("0"));
    EXPECT_EQ(tape()->wholeText(), "   \r\n=\r\nError" + kEntryEnd);
}

TEST_F(EqualsFlow, EnterOnEmptyLineReachesTheBox) {
    QSignalSpy returnPressed(input(), &QLineEdit::returnPressed);
    enter();
    EXPECT_EQ(returnPressed.count(), 1);
    EXPECT_EQ(tape()->wholeText(), QString());
    EXPECT_EQ(total()->text(), QString());
}

TEST_F(EqualsFlow, EnterOnExpressionIsDiscarded) {
    QSignalSpy returnPressed(input(), &QLineEdit::returnPressed);
    evaluate(QStringLiteral("2+3"));
    EXPECT_EQ(returnPressed.count(), 0);
}

TEST_F(EqualsFlow, EditedGrandTotalReadAsEdited) {
    QTest::keyClicks(total(), QStringLiteral("100"));
    evaluate(QStringLiteral("5"));
    EXPECT_EQ(total()->text(), QStringLiteral("105"));
}

TEST_F(EqualsFlow, GrandTotalBeyondRangeShowsError) {
    QTest::keyClicks(total(), QStringLiteral("1e999"));
    evaluate(QStringLiteral("2+3"));
    EXPECT_EQ(total()->text(), QStringLiteral("Error"));
    EXPECT_EQ(output()->text(), QStringLiteral("5"));
    EXPECT_EQ(tape()->wholeText(), "2+3\r\n=\r\n5" + kEntryEnd);
}

TEST_F(EqualsFlow, CaretAtStartAfterEveryEvaluation) {
    for (const QString& text :
         {QStringLiteral("2+3"), QStringLiteral("1/0"), QStringLiteral("(((")}) {
        evaluate(text);
        EXPECT_EQ(input()->text(), QString()) << text.toStdString();
        EXPECT_EQ(input()->cursorPosition(), 0) << text.toStdString();
        EXPECT_EQ(QApplication::focusWidget(), input()) << text.toStdString();
    }
}

TEST_F(EqualsFlow, BusyPointerGoneAfterEvaluation) {
    evaluate(QStringLiteral("2+3"));
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(EqualsFlow, GrandTotalEntryBetweenCalculations) {
    evaluate(QStringLiteral("2+3"));
    evaluate(QStringLiteral("4*5"));
    click("Command3");
    evaluate(QStringLiteral("1+1"));
    EXPECT_EQ(tape()->toPlainText(),
              QStringLiteral("2+3\n=\n5\n****************\n4*5\n=\n20\n****************\n"
                             "\n25 GT\n****************1+1\n=\n2\n****************\n"));
}

struct KeyButtonCase {
    const char* control;
    const char* token;
};

class KeypadButtons : public WindowFixture, public ::testing::WithParamInterface<KeyButtonCase> {};

TEST_P(KeypadButtons, ClickAppendsTokenAtEnd) {
    const KeyButtonCase& c = GetParam();
    type(QStringLiteral("12"));
    input()->setCursorPosition(0);
    click(c.control);
    const QString expected = QStringLiteral("12") + QString::fromLatin1(c.token);
    EXPECT_EQ(input()->text(), expected);
    EXPECT_EQ(input()->cursorPosition(), expected.size());
    EXPECT_FALSE(input()->hasSelectedText());
    EXPECT_EQ(QApplication::focusWidget(), input());
}

INSTANTIATE_TEST_SUITE_P(
    Keypad, KeypadButtons,
    ::testing::Values(KeyButtonCase{"cmdNum0", "0"}, KeyButtonCase{"cmdNum1", "1"},
                      KeyButtonCase{"cmdNum2", "2"}, KeyButtonCase{"cmdNum3", "3"},
                      KeyButtonCase{"cmdNum4", "4"}, KeyButtonCase{"cmdNum5", "5"},
                      KeyButtonCase{"cmdNum6", "6"}, KeyButtonCase{"cmdNum7", "7"},
                      KeyButtonCase{"cmdNum8", "8"}, KeyButtonCase{"cmdNum9", "9"},
                      KeyButtonCase{"cmdDecPoint", "."}, KeyButtonCase{"cmdPlus", "+"},
                      KeyButtonCase{"cmdMinusOrNeg", "-"}, KeyButtonCase{"cmdTimes", "*"},
                      KeyButtonCase{"cmdDividedBy", "/"}, KeyButtonCase{"cmdOpenPar", "("},
                      KeyButtonCase{"cmdClosedPar", ")"}, KeyButtonCase{"cmdPercent", "%"},
                      KeyButtonCase{"cmdPi", "Pi"}, KeyButtonCase{"cmdRecip", "1/("},
                      KeyButtonCase{"cmdLog", "Log("}, KeyButtonCase{"cmdLn", "Ln("},
                      KeyButtonCase{"cmdSqr", "Sqr("}, KeyButtonCase{"cmdInt", "Int("},
                      KeyButtonCase{"cmdRound", ">RoundTo("}),
    [](const auto& info) { return std::string(info.param.control); });

using Editing = WindowFixture;

TEST_F(Editing, KeypadAppendsBehindSelection) {
    type(QStringLiteral("1+2"));
    input()->setSelection(0, 2);
    click("cmdNum3");
    EXPECT_EQ(input()->text(), QStringLiteral("1+23"));
    EXPECT_FALSE(input()->hasSelectedText());
}

TEST_F(Editing, BackspaceDropsLastCharacter) {
    click("cmdLog");
    input()->setCursorPosition(1);
    click("cmdBackspace");
    EXPECT_EQ(input()->text(), QStringLiteral("Log"));
    EXPECT_EQ(input()->cursorPosition(), 3);
    EXPECT_EQ(QApplication::focusWidget(), input());
}

TEST_F(Editing, BackspaceOnEmptyLineOnlyFocuses) {
    output()->setFocus();
    click("cmdBackspace");
    EXPECT_EQ(input()->text(), QString());
    EXPECT_EQ(QApplication::focusWidget(), input());
}

TEST_F(Editing, ClearEmptiesAllButTheOption) {
    click("Check1");
    evaluate(QStringLiteral("2+3"));
    type(QStringLiteral("9"));
    click("cmdClear");
    EXPECT_EQ(input()->text(), QString());
    EXPECT_EQ(output()->text(), QString());
    EXPECT_EQ(total()->text(), QString());
    EXPECT_EQ(tape()->wholeText(), QString());
    EXPECT_EQ(tape()->toPlainText(), QString());
    EXPECT_EQ(control<QLabel>("lblDRG")->text(), QStringLiteral("DEG"));
    EXPECT_TRUE(option()->isChecked());
    EXPECT_EQ(control<QLineEdit>("txtdec")->text(), QStringLiteral("0.00"));
    evaluate(QStringLiteral("sin(30)"));
    EXPECT_EQ(output()->text(), QStringLiteral("0.50"));
}

TEST_F(Editing, OptionClickKeepsTheCaret) {
    type(QStringLiteral("12345"));
    input()->setCursorPosition(2);
    click("Check1");
    EXPECT_TRUE(option()->isChecked());
    EXPECT_EQ(QApplication::focusWidget(), input());
    EXPECT_EQ(input()->cursorPosition(), 2);
    click("Check1");
    EXPECT_FALSE(option()->isChecked());
    EXPECT_EQ(input()->cursorPosition(), 2);
    EXPECT_EQ(input()->text(), QStringLiteral("12345"));
}

TEST_F(Editing, OutputLineIgnoresTyping) {
    evaluate(QStringLiteral("2+3"));
    output()->setFocus();
    QTest::keyClicks(output(), QStringLiteral("9"));
    QTest::keyClick(output(), Qt::Key_Backspace);
    EXPECT_EQ(output()->text(), QStringLiteral("5"));
}

TEST_F(Editing, PrintOnEmptyTapeReturnsFocus) {
    click("Command1");
    EXPECT_EQ(QApplication::focusWidget(), input());
}

TEST_F(Editing, GrandTotalOnEmptyTotalOnlyFocuses) {
    type(QStringLiteral("12"));
    input()->setCursorPosition(1);
    click("Command3");
    EXPECT_EQ(tape()->wholeText(), QString());
    EXPECT_EQ(QApplication::focusWidget(), input());
    EXPECT_EQ(input()->cursorPosition(), 1);
}

TEST_F(Editing, ExitEndsTheEventLoop) {
    QTimer::singleShot(0, &window, [this] { click("Command2"); });
    QTimer::singleShot(5000, &window, [] { QCoreApplication::exit(1); });  // a stuck loop fails
    EXPECT_EQ(QCoreApplication::exec(), 0);
}

using TapeControl = WindowFixture;

TEST_F(TapeControl, UserCannotTypeIntoIt) {
    evaluate(QStringLiteral("2+3"));
    const QString before = tape()->wholeText();
    tape()->setFocus();
    QTest::keyClicks(tape(), QStringLiteral("abc"));
    QTest::keyClick(tape(), Qt::Key_Backspace);
    QTest::keyClick(tape(), Qt::Key_Return);
    EXPECT_EQ(tape()->wholeText(), before);
    EXPECT_EQ(tape()->toPlainText(), QStringLiteral("2+3\n=\n5\n****************\n"));
}

TEST_F(TapeControl, SelectAllAndCopyWithTheKeyboard) {
    evaluate(QStringLiteral("2+3"));
    tape()->setFocus();
    QTest::keyClick(tape(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(tape(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(),
              QStringLiteral("2+3\n=\n5\n****************\n"));
}

TEST_F(TapeControl, ScrollsToTheNewestEntry) {
    for (int i = 0; i < 40; ++i) {
        evaluate(QStringLiteral("%1+1").arg(i));
    }
    const QScrollBar* const bar = tape()->verticalScrollBar();
    EXPECT_GT(bar->maximum(), 0);
    EXPECT_EQ(bar->value(), bar->maximum());
}

}  // namespace
}  // namespace vimbo
