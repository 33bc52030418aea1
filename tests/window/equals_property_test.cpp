// SPDX-License-Identifier: MIT
// Seeded random sequences of the window's actions on plain fakes, checked after every action
// against what must always hold: the tape is the entries since the last Clear, the grand
// total is the running sum of what was shown, the input line is empty after an evaluation,
// and nothing typed is lost.
#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <random>

#include "engine/engine.h"
#include "history/grand_total.h"
#include "tests/support/fake_controls.h"
#include "tests/support/qt_print_to.h"
#include "window/control_table.h"
#include "window/equals_action.h"
#include "window/input_editing.h"

namespace vimbo {
namespace {

using testing::FakeWindow;

enum class Act { Type, Enter, Click, GT, Clear, Bksp, Key, Tick, TypeTotal, Count };

struct Action {
    Act act = Act::Type;
    QString text;  // typed into the input line or the grand total, or a keypad token
};

// An Equals (Enter or "=") and what arrives at each of its two event points, if anything.
struct Step {
    Action main;
    std::optional<Action> atPoint[2];
};

// Short fast expressions; ">frac" only on a value with a small denominator.
constexpr std::array kTyped{"2+3",   "1/3", "ans*2",  "ans", "0.75>frac", "1/0", "2)",   " ",
                            "10^20", "7",   "-0.001", ".5",  "sin(30)",   "+",   "(1+2", "1e400"};
constexpr std::array kTotals{"", "100", "1,000", "abc", "-2.5", "1E+20", "3/4", " 1 2"};

const QString kSeparator = QStringLiteral("****************");

// The window as the user expects to see it, kept by the plain rules of each action.
struct Expected {
    QString input, output, total, tape;
    bool twoDecimals = false;

    void apply(const Action& a) {
        switch (a.act) {
            case Act::Type:
            case Act::Key:
                input += a.text;
                break;
            case Act::Bksp:
                input.chop(input.isEmpty() ? 0 : 1);
                break;
            case Act::Clear:
                input.clear();
                output.clear();
                total.clear();
                tape.clear();
                break;
            case Act::GT:
                if (!total.isEmpty()) {
                    tape += u'\r' + total + QStringLiteral(" GT\r\n") + kSeparator;
                }
                break;
            case Act::Tick:
                twoDecimals = !twoDecimals;
                break;
            case Act::TypeTotal:
                total = a.text;
                break;
            case Act::Enter:
            case Act::Click:
            case Act::Count:
                break;  // an Equals inside another one is dropped
        }
    }

    // Whether the action evaluated something.
    bool equals(const Step& step) {
        if (input.isEmpty()) {
            return false;
        }
        const std::string pattern = twoDecimals ? "0.00" : "";
        if (step.atPoint[0]) {
            apply(*step.atPoint[0]);
        }
        const std::string result =
            EvaluateExpression(input.toStdString(), output.toStdString(), AngleMode::Degrees);
        output = QString::fromStdString(FormatByPattern(std::string_view(result), pattern));
        if (step.atPoint[1]) {
            apply(*step.atPoint[1]);
        }
        tape += input + QStringLiteral("\r\n=\r\n") + output + "\r\n" + kSeparator + "\r\n";
        input.clear();
        const double sum = LeadingNumber(total.toStdString()) + LeadingNumber(output.toStdString());
        total = QString::fromStdString(FormatByPattern(sum, pattern));
        return true;
    }
};

void Perform(FakeWindow& w, const Action& a) {
    switch (a.act) {
        case Act::Type:
            w.input.type(w.input.text() + a.text);
            break;
        case Act::Enter:
            InputKeyPress(w.controls, kEnterCharacterCode);
            break;
        case Act::Click:
            EqualsAction(w.controls);
            break;
        case Act::GT:
            GrandTotalCommand(w.controls);
            break;
        case Act::Clear:
            ClearAction(w.controls);
            break;
        case Act::Bksp:
            BackspaceAction(w.controls);
            break;
        case Act::Key:
            InsertToken(w.controls, a.text);
            break;
        case Act::Tick:
            w.twoDecimals.checked = !w.twoDecimals.checked;
            DecimalsOptionClick(w.controls);
            break;
        case Act::TypeTotal:
            w.grandTotal.setText(a.text);
            break;
        case Act::Count:
            break;
    }
}

Action RandomAction(std::mt19937& random) {
    const auto pick = [&random](std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(random);
    };
    Action a{static_cast<Act>(pick(static_cast<std::size_t>(Act::Count))), {}};
    if (a.act == Act::Type) {
        a.text = QString::fromLatin1(kTyped[pick(kTyped.size())]);
    } else if (a.act == Act::TypeTotal) {
        a.text = QString::fromLatin1(kTotals[pick(kTotals.size())]);
    } else if (a.act == Act::Key) {
        const auto keys = KeypadKeys();
        a.text = QString::fromLatin1(keys[pick(keys.size())]->token);
    }
    return a;
}

Step RandomStep(std::mt19937& random) {
    Step step{RandomAction(random), {}};
    if (step.main.act == Act::Enter || step.main.act == Act::Click) {
        for (auto& point : step.atPoint) {
            if (std::bernoulli_distribution(0.3)(random)) {
                point = RandomAction(random);
            }
        }
    }
    return step;
}

constexpr int kSequences = 1000;
constexpr int kStepsPerSequence = 60;

TEST(WindowActionsProperty, TapeTotalAndInputStayTrue) {
    for (int seed = 1; seed <= kSequences; ++seed) {
        std::mt19937 random(static_cast<std::mt19937::result_type>(seed));
        FakeWindow w;
        Expected expected;
        for (int i = 0; i < kStepsPerSequence; ++i) {
            const Step step = RandomStep(random);
            // The seed replays the sequence up to the failing step.
            const std::string where =
                "seed " + std::to_string(seed) + ", step " + std::to_string(i);
            const QString tapeBefore = w.tape.text;
            w.window.rounds = 0;
            w.window.onEvents = [&w, &step](int round) {
                if (round <= 2 && step.atPoint[round - 1]) {
                    Perform(w, *step.atPoint[round - 1]);
                }
            };
            Perform(w, step.main);
            w.window.onEvents = nullptr;

            bool evaluated = false;
            if (step.main.act == Act::Click ||
                (step.main.act == Act::Enter && !expected.input.isEmpty())) {
                evaluated = expected.equals(step);
            } else {
                expected.apply(step.main);
            }

            ASSERT_EQ(w.tape.text, expected.tape) << where;
            ASSERT_EQ(w.grandTotal.text(), expected.total) << where;
            ASSERT_EQ(w.output.text(), expected.output) << where;
            ASSERT_EQ(w.input.text(), expected.input) << where;
            if (evaluated) {
                ASSERT_TRUE(w.input.text().isEmpty()) << where;
            }
            const bool cleared =
                step.main.act == Act::Clear ||
                (evaluated && ((step.atPoint[0] && step.atPoint[0]->act == Act::Clear) ||
                               (step.atPoint[1] && step.atPoint[1]->act == Act::Clear)));
            if (!cleared) {
                ASSERT_TRUE(w.tape.text.startsWith(tapeBefore)) << "an entry was lost, " << where;
            }
            ASSERT_FALSE(w.window.busy) << where;
            ASSERT_FALSE(w.controls.equalsRunning) << where;
        }
    }
}

}  // namespace
}  // namespace vimbo
