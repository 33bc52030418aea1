// SPDX-License-Identifier: MIT
// The input line at the line edit's usual limit of 32767 characters: a keypad token or a
// typed character is appended, never cut off, and the whole line is evaluated and recorded.
#include "window_fixture.h"

namespace vimbo {
namespace {

using testing::WindowFixture;

constexpr int kLineEditLimit = 32767;

struct LongLineCase {
    const char* name;
    int length;          // of the text in the line before the key
    const char* button;  // a keypad button, or nullptr to type `typed`
    const char* typed;
    const char* suffix;  // what the line must end with
};

class LongInputLine : public WindowFixture, public ::testing::WithParamInterface<LongLineCase> {};

TEST_P(LongInputLine, KeyIsAppendedWhole) {
    const LongLineCase& row = GetParam();
    input()->setText(QString(row.length, u'1'));
    if (row.button != nullptr) {
        click(row.button);
    } else {
        type(QString::fromLatin1(row.typed));
    }
    const QString suffix = QString::fromLatin1(row.suffix);
    EXPECT_EQ(input()->text().size(), row.length + suffix.size());
    EXPECT_TRUE(input()->text().endsWith(suffix)) << input()->text().right(8).toStdString();
    EXPECT_EQ(input()->cursorPosition(), input()->text().size());
}

INSTANTIATE_TEST_SUITE_P(
    InputLine, LongInputLine,
    ::testing::Values(LongLineCase{"DigitAtTheLimit", kLineEditLimit, "cmdNum7", nullptr, "7"},
                      LongLineCase{"FunctionAcrossTheLimit", kLineEditLimit - 2, "cmdLog", nullptr,
                                   "Log("},
                      LongLineCase{"RoundFarBeyondTheLimit", 2 * kLineEditLimit, "cmdRound",
                                   nullptr, ">RoundTo("},
                      LongLineCase{"TypedAtTheLimit", kLineEditLimit, nullptr, "+2", "+2"}),
    [](const auto& info) { return std::string(info.param.name); });

using LongInputEvaluation = WindowFixture;

TEST_F(LongInputEvaluation, WholeLineIsEvaluatedAndRecorded) {
    QString expression;
    for (int i = 0; i < kLineEditLimit / 2; ++i) {
        expression += QStringLiteral("1+");  // 16383 times: one short of the limit
    }
    input()->setText(expression);
    for (const char* button : {"cmdNum1", "cmdPlus", "cmdNum1"}) {
        click(button);
    }
    enter();
    EXPECT_EQ(output()->text(), QStringLiteral("16385"));
    EXPECT_EQ(tape()->wholeText(), expression + "1+1\r\n=\r\n16385\r\n****************\r\n");
}

}  // namespace
}  // namespace vimbo
