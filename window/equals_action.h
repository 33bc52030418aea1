// SPDX-License-Identifier: MIT
// The Equals action: evaluates the input line, shows the result, records it on the tape and
// adds it to the grand total. Started by cmdEquals and by Enter in txtInput.
#pragma once

#include "window/controls.h"

namespace vimbo {

// The character code of the Enter key.
inline constexpr int kEnterCharacterCode = 13;

// An Equals action that starts while another one runs (at one of its two event points)
// does nothing.
void EqualsAction(WindowControls& controls);

// The key hook of txtInput, offered every typed character code before the box inserts it.
// Enter (13) on a non-empty input runs the Equals action and is discarded (returns true);
// everything else, Enter on an empty input included, goes on to the box (returns false).
bool InputKeyPress(WindowControls& controls, int characterCode);

}  // namespace vimbo
