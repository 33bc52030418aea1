// SPDX-License-Identifier: MIT
#include "window/equals_action.h"

#include <string>

#include "engine/engine.h"
#include "window/input_editing.h"

namespace vimbo {

namespace {

const QString kTwoDecimals = QString::fromLatin1(kTwoDecimalsPattern);
const QString kLineBreak = QStringLiteral("\r\n");

QString Evaluate(const WindowControls& controls) {
    const std::string result =
        EvaluateExpression(controls.input.text().toStdString(),
                           controls.output.text().toStdString(), controls.angleMode.mode());
    return QString::fromStdString(result);
}

QString Format(const QString& value, const QString& pattern) {
    return QString::fromStdString(FormatByPattern(value.toStdString(), pattern.toStdString()));
}

// Marks the window's Equals action as running for as long as it lives.
class RunningEquals {
  public:
    explicit RunningEquals(bool& running) : running_(running) { running_ = true; }
    ~RunningEquals() { running_ = false; }
    RunningEquals(const RunningEquals&) = delete;
    RunningEquals& operator=(const RunningEquals&) = delete;

  private:
    bool& running_;
};

}  // namespace

std::optional<QString> EqualsAction(WindowControls& controls) {
    if (controls.equalsRunning) {
        // A second Enter or click that arrived while the first one lets events run: the
        // first one records the input line and empties it, so this one has nothing to add.
        return std::nullopt;
    }
    if (controls.input.text().isEmpty()) {
        FocusInputAtEnd(controls);
        return std::nullopt;
    }
    const RunningEquals running(controls.equalsRunning);
    controls.decimalsPattern.setText(controls.twoDecimals.isChecked() ? kTwoDecimals : QString());

    BusyPointer busy(controls.window);
    controls.window.processPendingEvents();  // lets the busy pointer show before a long evaluation
    // Read after the events: they may have changed the input or the previous output.
    const QString result = Evaluate(controls);
    controls.output.setText(Format(result, controls.decimalsPattern.text()));
    busy.release();
    controls.window.processPendingEvents();

    // Four separate whole-text replacements, each reading the tape and the boxes anew.
    const QString recorded = controls.input.text();
    controls.tape.appendText(recorded);
    controls.tape.appendText(kLineBreak + u'=');
    controls.tape.appendText(kLineBreak + controls.output.text());
    controls.tape.appendText(kLineBreak + kTapeSeparator + kLineBreak);

    controls.input.setText(QString());

    // A total beyond the double range comes back from FormatByPattern as "Error".
    const double sum = LeadingNumber(controls.grandTotal.text().toStdString()) +
                       LeadingNumber(controls.output.text().toStdString());
    controls.grandTotal.setText(QString::fromStdString(
        FormatByPattern(sum, controls.decimalsPattern.text().toStdString())));

    FocusInputAtEnd(controls);
    controls.input.announce(Outcome::Result, controls.output.text());
    return recorded;
}

bool EnterInInput(WindowControls& controls, const std::function<void()>& equals) {
    if (controls.input.text().isEmpty()) {
        return false;
    }
    equals();
    return true;
}

bool EnterInInput(WindowControls& controls) {
    return EnterInInput(controls, [&controls] { EqualsAction(controls); });
}

}  // namespace vimbo
