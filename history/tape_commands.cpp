// SPDX-License-Identifier: MIT
#include "history/tape_commands.h"

#include "history/default_printer.h"
#include "history/grand_total.h"

namespace vimbo {

void ConnectTapeCommands(MainWindow& frmMain, const Clock& clock) {
    frmMain.connectButton("Command3", [&frmMain] { GrandTotalCommand(frmMain.controls()); });
    frmMain.connectButton("Command1", [&frmMain, &clock] {
        PrintTapeOnDefaultPrinter(frmMain.controls(), clock, frmMain.tapeFont());
    });
}

}  // namespace vimbo
