// SPDX-License-Identifier: MIT
// The tape's commands on the main window's buttons and keys: "GT" (Command3) writes the grand
// total onto the tape, "Print" (Command1, Ctrl+P) prints the tape on the default printer, and
// "Save tape…" (Ctrl+S) saves it in a file; the last two are in the tape's context menu too.
#pragma once

#include "window/clock.h"
#include "window/main_window.h"

namespace vimbo {

// `clock` dates the printed report; it must outlive the window.
void ConnectTapeCommands(MainWindow& mainWindow, const Clock& clock);

}  // namespace vimbo
