// SPDX-License-Identifier: MIT
#include "window/input_editing.h"

namespace vimbo {

void FocusInputAtEnd(WindowControls& controls) {
    controls.txtInput.giveFocus();
    controls.txtInput.setCaretPosition(static_cast<int>(controls.txtInput.text().size()));
}

void AppendToInput(WindowControls& controls, const QString& text) {
    controls.txtInput.setText(controls.txtInput.text() + text);
}

void InsertToken(WindowControls& controls, const QString& token) {
    AppendToInput(controls, token);
    FocusInputAtEnd(controls);
}

void BackspaceAction(WindowControls& controls) {
    const QString input = controls.txtInput.text();
    if (!input.isEmpty()) {
        // A character outside the BMP is two UTF-16 units; cutting one would leave half of it.
        const bool surrogatePair = input.size() >= 2 && input.back().isLowSurrogate() &&
                                   input[input.size() - 2].isHighSurrogate();
        controls.txtInput.setText(input.left(input.size() - (surrogatePair ? 2 : 1)));
    }
    FocusInputAtEnd(controls);
}

void ClearAction(WindowControls& controls) {
    controls.txtInput.setText(QString());
    controls.txtOutput.setText(QString());
    controls.lblDRG.setCaption(QStringLiteral("DEG"));
    controls.Text1.setText(QString());
    controls.list1.setWholeText(QString());
    FocusInputAtEnd(controls);
}

void DecimalsOptionClick(WindowControls& controls) {
    controls.txtInput.giveFocus();
}

}  // namespace vimbo
