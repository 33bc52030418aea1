// SPDX-License-Identifier: MIT
// The "GT" command (Command3): writes the grand total onto the tape.
#pragma once

#include "window/controls.h"

namespace vimbo {

void GrandTotalCommand(WindowControls& controls);

}  // namespace vimbo
