// SPDX-License-Identifier: MIT
#include "history/grand_total.h"

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QStringList>

#include "tests/support/fake_controls.h"
#include "tests/support/named_rows.h"
#include "tests/support/qt_print_to.h"

namespace vimbo::testing {
namespace {

using vimbo::test_support::PrintTo;

QString CalculationEntry(const QString& expression, const QString& result) {
    return expression + "\r\n=\r\n" + result + "\r\n****************\r\n";
}

struct GrandTotalCase {
    const char* name;
    QString tapeBefore;
    QString total;
    QString tapeAfter;
};

class GrandTotalAppends : public ::testing::TestWithParam<GrandTotalCase> {};

TEST_P(GrandTotalAppends, TapeText) {
    const GrandTotalCase& row = GetParam();
    FakeWindow window;
    window.tape.text = row.tapeBefore;
    window.grandTotal.setText(row.total);
    WindowControls& controls = window.controls;

    GrandTotalCommand(controls);

    EXPECT_EQ(window.tape.text, row.tapeAfter);
    EXPECT_EQ(window.grandTotal.text(), row.total) << "Text1 is only read";
}

INSTANTIATE_TEST_SUITE_P(
    GrandTotal, GrandTotalAppends,
    ::testing::Values(
        GrandTotalCase{"EmptyTotalAtStartAppendsNothing", "", "", ""},
        GrandTotalCase{"EmptyTotalAfterEntriesAppendsNothing", CalculationEntry("2+3", "5"), "",
                       CalculationEntry("2+3", "5")},
        GrandTotalCase{"AfterCalculationEntry", CalculationEntry("2+3", "5"), "5",
                       CalculationEntry("2+3", "5") + "\r5 GT\r\n****************"},
        GrandTotalCase{"OnEmptyTapeWithTypedTotal", "", "7", "\r7 GT\r\n****************"},
        GrandTotalCase{"TotalThatIsNotANumberIsAppendedUnchanged", "", "1,234 abc",
                       "\r1,234 abc GT\r\n****************"},
        GrandTotalCase{"TotalWithTwoDecimalsKeepsItsForm", "", "0.99",
                       "\r0.99 GT\r\n****************"},
        GrandTotalCase{"TotalWithSpacesKeepsThem", "", " 25 ", "\r 25  GT\r\n****************"},
        GrandTotalCase{"TapeTheUserTypedInIsKept", "notes", "3",
                       "notes\r3 GT\r\n****************"}),
    [](const ::testing::TestParamInfo<GrandTotalCase>& info) { return info.param.name; });

TEST(GrandTotal, TwoSeparateWholeTextReplacements) {
    FakeWindow window;
    window.tape.text = "x";
    window.grandTotal.setText("9");
    WindowControls& controls = window.controls;

    GrandTotalCommand(controls);

    const QStringList expected{"x\r9 GT", "x\r9 GT\r\n****************"};
    EXPECT_EQ(window.tape.writes, expected);
}

TEST(GrandTotal, EmptyTotalReplacesNothing) {
    FakeWindow window;
    window.tape.text = "x";
    WindowControls& controls = window.controls;

    GrandTotalCommand(controls);

    EXPECT_TRUE(window.tape.writes.empty());
}

TEST(GrandTotal, PressedTwiceAppendsTwoEntriesWithTheSameTotal) {
    FakeWindow window;
    window.grandTotal.setText("25");
    WindowControls& controls = window.controls;

    GrandTotalCommand(controls);
    GrandTotalCommand(controls);

    EXPECT_EQ(window.tape.text, "\r25 GT\r\n****************\r25 GT\r\n****************");
}

struct FocusCase {
    const char* name;
    QString total;
};

class GrandTotalFocus : public ::testing::TestWithParam<FocusCase> {};

TEST_P(GrandTotalFocus, MovesFocusOnlyNotTheCaret) {
    FakeWindow window;
    window.grandTotal.setText(GetParam().total);
    window.input.setText("12+");
    WindowControls& controls = window.controls;

    GrandTotalCommand(controls);

    EXPECT_EQ(window.input.focusCount, 1);
    EXPECT_TRUE(window.input.caretMoves.empty());
    EXPECT_EQ(window.input.text(), "12+");
    // The total is told once it is on the tape; an empty one changes nothing to tell.
    EXPECT_EQ(window.log.last(), window.tape.writes.isEmpty() ? "focus" : "say GrandTotal 25");
}

INSTANTIATE_TEST_SUITE_P(GrandTotal, GrandTotalFocus,
                         ::testing::Values(FocusCase{"WithTotal", "25"},
                                           FocusCase{"WithEmptyTotal", ""}),
                         [](const ::testing::TestParamInfo<FocusCase>& info) {
                             return info.param.name;
                         });

// The tape of 2+3, 4*5, "GT", 1+1, shown line by line: the lone CR gives the empty line,
// and the last expression continues the separator line the grand total left open.
TEST(GrandTotal, TapeExampleComesOutToTheCharacter) {
    FakeWindow window;
    WindowControls& controls = window.controls;
    window.tape.text = CalculationEntry("2+3", "5") + CalculationEntry("4*5", "20");
    window.grandTotal.setText("25");

    GrandTotalCommand(controls);
    window.tape.text += CalculationEntry("1+1", "2");

    EXPECT_EQ(window.tape.text,
              "2+3\r\n=\r\n5\r\n****************\r\n"
              "4*5\r\n=\r\n20\r\n****************\r\n"
              "\r25 GT\r\n****************"
              "1+1\r\n=\r\n2\r\n****************\r\n");
    const QStringList shown = window.tape.text.split(QRegularExpression("\r\n|\r"));
    const QStringList expected{"2+3",
                               "=",
                               "5",
                               "****************",
                               "4*5",
                               "=",
                               "20",
                               "****************",
                               "",
                               "25 GT",
                               "****************1+1",
                               "=",
                               "2",
                               "****************",
                               ""};
    EXPECT_EQ(shown, expected);
}

}  // namespace
}  // namespace vimbo::testing
