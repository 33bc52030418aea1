// SPDX-License-Identifier: MIT
// The Equals action: evaluates the input line, shows the result, records it on the tape and
// adds it to the grand total. Started by cmdEquals and by Enter in txtInput.
#pragma once

#include <QString>
#include <functional>
#include <optional>

#include "window/controls.h"

namespace vimbo {

// An Equals action that starts while another one runs (at one of its two event points)
// does nothing. Returns the input it wrote onto the tape; nothing when it did nothing.
std::optional<QString> EqualsAction(WindowControls& controls);

// Enter in txtInput, seen before the box handles it: on a non-empty input it runs `equals`
// (the Equals action, or one that does more around it) and the key is consumed (returns true);
// on an empty input it goes on to the box.
bool EnterInInput(WindowControls& controls, const std::function<void()>& equals);
bool EnterInInput(WindowControls& controls);

}  // namespace vimbo
