// SPDX-License-Identifier: MIT
// The Equals action at its two event points: what runs there, what is read after each, and
// a second Equals arriving there, on plain fakes of the controls.
#include <gtest/gtest.h>

#include <vector>

#include "history/grand_total.h"
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

TEST(EqualsEvents, BusyPointerOnlyAroundEvaluation) {
    FakeWindow w;
    std::vector<bool> busyAtRound;
    w.window.onEvents = [&](int) { busyAtRound.push_back(w.window.busy); };
    Evaluate(w, QStringLiteral("2+3"), 0);
    EXPECT_EQ(busyAtRound, (std::vector<bool>{true, false}));
    EXPECT_FALSE(w.window.busy);
}

TEST(EqualsEvents, EvaluatesInputReadAfterFirstPoint) {
    FakeWindow w;
    w.window.onEvents = [&](int round) {
        if (round == 1) {
            w.input.type(QStringLiteral("6*7"));
        }
    };
    Evaluate(w, QStringLiteral("2+3"), 0);
    EXPECT_EQ(w.output.text(), QStringLiteral("42"));
    EXPECT_EQ(w.tape.wholeText(), "6*7\r\n=\r\n42" + kEntryEnd);
}

TEST(EqualsEvents, RecordsInputReadAfterSecondPoint) {
    FakeWindow w;
    w.window.onEvents = [&](int round) {
        if (round == 2) {
            w.input.type(QStringLiteral("typed later"));
        }
    };
    Evaluate(w, QStringLiteral("2+3"), 0);
    EXPECT_EQ(w.output.text(), QStringLiteral("5"));
    EXPECT_EQ(w.tape.wholeText(), "typed later\r\n=\r\n5" + kEntryEnd);
    EXPECT_EQ(w.input.text(), QString());
}

TEST(EqualsEvents, RecordsAndAddsOutputReadAfterSecondPoint) {
    FakeWindow w;
    w.window.onEvents = [&](int round) {
        if (round == 2) {
            w.output.setText(QStringLiteral("100"));
        }
    };
    Evaluate(w, QStringLiteral("2+3"), 0);
    EXPECT_EQ(w.tape.wholeText(), "2+3\r\n=\r\n100" + kEntryEnd);
    EXPECT_EQ(w.grandTotal.text(), QStringLiteral("100"));
}

TEST(EqualsEvents, AnsIsOutputReadAfterFirstPoint) {
    FakeWindow w;
    w.output.setText(QStringLiteral("1"));
    w.window.onEvents = [&](int round) {
        if (round == 1) {
            w.output.setText(QStringLiteral("10"));
        }
    };
    Evaluate(w, QStringLiteral("ans*2"), 0);
    EXPECT_EQ(w.output.text(), QStringLiteral("20"));
}

TEST(EqualsEvents, AngleModeIsPassedToEngine) {
    FakeWindow w;
    w.angleMode.setMode(AngleMode::Radians);
    Evaluate(w, QStringLiteral("cos(pi)"), 0);
    EXPECT_EQ(w.output.text(), QStringLiteral("-1"));
}

// A second Enter or "=" that arrives at one of the two event points of the first one.
struct ReentryCase {
    const char* name;
    int round;     // the event point it arrives at
    bool byEnter;  // Enter in txtInput, or a click on "="
};

class EqualsReentry : public ::testing::TestWithParam<ReentryCase> {};

TEST_P(EqualsReentry, SecondEqualsIsDroppedAndNothingCountsTwice) {
    const ReentryCase& c = GetParam();
    FakeWindow w;
    Evaluate(w, QStringLiteral("2+3"), 0);
    int secondRuns = 0;
    w.window.onEvents = [&](int round) {
        if (round == c.round && secondRuns == 0) {
            ++secondRuns;
            if (c.byEnter) {
                EXPECT_TRUE(InputKeyPress(w.controls, kEnterCharacterCode))
                    << "an Enter on a non-empty line must never reach the box";
            } else {
                EqualsAction(w.controls);
            }
        }
    };
    w.window.rounds = 0;
    Evaluate(w, QStringLiteral("4*5"), 0);
    w.window.onEvents = nullptr;
    Evaluate(w, QStringLiteral("ans+1"), 0);

    EXPECT_EQ(secondRuns, 1);
    EXPECT_EQ(w.tape.wholeText(), "2+3\r\n=\r\n5" + kEntryEnd + "4*5\r\n=\r\n20" + kEntryEnd +
                                      "ans+1\r\n=\r\n21" + kEntryEnd);
    EXPECT_EQ(w.output.text(), QStringLiteral("21"));
    EXPECT_EQ(w.grandTotal.text(), QStringLiteral("46"));
    EXPECT_EQ(w.input.text(), QString());
    EXPECT_FALSE(w.window.busy);
    EXPECT_FALSE(w.controls.equalsRunning);
}

INSTANTIATE_TEST_SUITE_P(Equals, EqualsReentry,
                         ::testing::Values(ReentryCase{"EnterAtFirstPoint", 1, true},
                                           ReentryCase{"EnterAtSecondPoint", 2, true},
                                           ReentryCase{"ClickAtFirstPoint", 1, false},
                                           ReentryCase{"ClickAtSecondPoint", 2, false}),
                         [](const auto& info) { return std::string(info.param.name); });

// Everything but a second Equals still runs at the event points.
TEST(EqualsEvents, GrandTotalAndClearStillRunAtSecondPoint) {
    FakeWindow w;
    Evaluate(w, QStringLiteral("2+3"), 0);
    w.window.rounds = 0;
    w.window.onEvents = [&](int round) {
        if (round == 2) {
            GrandTotalCommand(w.controls);
        }
    };
    Evaluate(w, QStringLiteral("4*5"), 0);
    EXPECT_EQ(w.tape.wholeText(),
              "2+3\r\n=\r\n5" + kEntryEnd + "\r5 GT\r\n****************4*5\r\n=\r\n20" + kEntryEnd);
    EXPECT_EQ(w.grandTotal.text(), QStringLiteral("25"));

    w.window.rounds = 0;
    w.window.onEvents = [&](int round) {
        if (round == 2) {
            ClearAction(w.controls);
        }
    };
    Evaluate(w, QStringLiteral("6*7"), 0);
    // Clear emptied the line and the output before they were recorded.
    EXPECT_EQ(w.tape.wholeText(), "\r\n=\r\n" + kEntryEnd);
    EXPECT_EQ(w.grandTotal.text(), QStringLiteral("0"));
}

}  // namespace
}  // namespace vimbo
