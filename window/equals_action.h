// SPDX-License-Identifier: MIT
// The Equals action: evaluates the input line, shows the result, records it on the tape and
// adds it to the grand total. Started by cmdEquals and by Enter in txtInput.
#pragma once

#include "window/controls.h"

namespace vimbo {

// An Equals action that starts while another one runs (at one of its two event points)
// does nothing.
void EqualsAction(WindowControls& controls);

// Enter in txtInput, seen before the box handles it: on a non-empty input it runs the Equals
// action and the key is consumed (returns true); on an empty input it goes on to the box.
bool EnterInInput(WindowControls& controls);

}  // namespace vimbo
