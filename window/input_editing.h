// SPDX-License-Identifier: MIT
// Editing of the input line txtInput: the keypad tokens, Backspace, Clear, and the focus
// rules the window's actions share.
#pragma once

#include <QString>

#include "window/controls.h"

namespace vimbo {

// Gives txtInput the focus with the caret after its last character, nothing selected.
void FocusInputAtEnd(WindowControls& controls);

// Appends `text` to the input text, wherever the caret stands.
void AppendToInput(WindowControls& controls, const QString& text);

// A keypad click: appends the token, then FocusInputAtEnd.
void InsertToken(WindowControls& controls, const QString& token);

// cmdBackspace: drops the last character of the input text, if any.
void BackspaceAction(WindowControls& controls);

// cmdClear: empties the input, the output, the grand total and the tape and sets the angle
// mode back to degrees; the decimals option and the decimals pattern stay as they are.
void ClearAction(WindowControls& controls);

// The click on Check1, after the box has toggled itself: only the focus moves to txtInput.
void DecimalsOptionClick(WindowControls& controls);

}  // namespace vimbo
