// SPDX-License-Identifier: MIT
#include "window/input_editing.h"

namespace vimbo {

void FocusInputAtEnd(WindowControls& controls) {
    controls.input.giveFocus();
    controls.input.setCaretPosition(static_cast<int>(controls.input.text().size()));
}

void AppendToInput(WindowControls& controls, const QString& text) {
    controls.input.setText(controls.input.text() + text);
}

void InsertToken(WindowControls& controls, const QString& token) {
    AppendToInput(controls, token);
    FocusInputAtEnd(controls);
    controls.input.announce(Outcome::Input, controls.input.text());
}

void BackspaceAction(WindowControls& controls) {
    const QString input = controls.input.text();
    if (!input.isEmpty()) {
        // A character outside the BMP is two UTF-16 units; cutting one would leave half of it.
        const bool surrogatePair = input.size() >= 2 && input.back().isLowSurrogate() &&
                                   input[input.size() - 2].isHighSurrogate();
        controls.input.setText(input.left(input.size() - (surrogatePair ? 2 : 1)));
    }
    FocusInputAtEnd(controls);
    if (!input.isEmpty()) {
        controls.input.announce(Outcome::Input, controls.input.text());
    }
}

void ClearAction(WindowControls& controls) {
    controls.input.setText(QString());
    controls.output.setText(QString());
    controls.angleMode.setMode(AngleMode::Degrees);
    controls.grandTotal.setText(QString());
    controls.tape.setWholeText(QString());
    FocusInputAtEnd(controls);
    controls.input.announce(Outcome::Cleared, QString());
}

void DecimalsOptionClick(WindowControls& controls) {
    controls.input.giveFocus();
}

}  // namespace vimbo
