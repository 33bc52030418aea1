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
    const std::string result = EvaluateExpression(controls.txtInput.text().toStdString(),
                                                  controls.txtOutput.text().toStdString(),
                                                  controls.lblDRG.caption().toStdString());
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

void EqualsAction(WindowControls& controls) {
    if (controls.equalsRunning) {
        // A second Enter or click that arrived while the first one lets events run: the
        // first one records the input line and empties it, so this one has nothing to add.
        return;
    }
    if (controls.txtInput.text().isEmpty()) {
        FocusInputAtEnd(controls);
        return;
    }
    const RunningEquals running(controls.equalsRunning);
    if (controls.Check1.value() == 1) {
        controls.txtdec.setText(kTwoDecimals);
    }
    if (controls.Check1.value() != 1) {
        controls.txtdec.setText(QString());
    }

    BusyPointer busy(controls.frmMain);
    controls.frmMain.processPendingEvents();  // lets the busy pointer show before a long evaluation
    // Read after the events: they may have changed the input or the previous output.
    const QString result = Evaluate(controls);
    controls.txtOutput.setText(Format(result, controls.txtdec.text()));
    busy.release();
    controls.frmMain.processPendingEvents();

    // Four separate whole-text replacements, each reading the tape and the boxes anew.
    controls.list1.appendText(controls.txtInput.text());
    controls.list1.appendText(kLineBreak + u'=');
    controls.list1.appendText(kLineBreak + controls.txtOutput.text());
    controls.list1.appendText(kLineBreak + kTapeSeparator + kLineBreak);

    controls.txtInput.setText(QString());

    // A total beyond the double range comes back from FormatByPattern as "Error".
    const double sum = LeadingNumber(controls.Text1.text().toStdString()) +
                       LeadingNumber(controls.txtOutput.text().toStdString());
    controls.Text1.setText(
        QString::fromStdString(FormatByPattern(sum, controls.txtdec.text().toStdString())));

    FocusInputAtEnd(controls);
}

bool InputKeyPress(WindowControls& controls, int characterCode) {
    if (characterCode != kEnterCharacterCode || controls.txtInput.text().isEmpty()) {
        return false;
    }
    EqualsAction(controls);
    return true;
}

}  // namespace vimbo
