// SPDX-License-Identifier: MIT
#include "history/tape_commands.h"

#include "history/default_printer.h"
#include "history/grand_total.h"
#include "window/control_table.h"

namespace vimbo {

void ConnectTapeCommands(MainWindow& mainWindow, const Clock& clock) {
    mainWindow.connectButton(control_name::grandTotalButton,
                             [&mainWindow] { GrandTotalCommand(mainWindow.controls()); });
    mainWindow.connectButton(control_name::printButton, [&mainWindow, &clock] {
        PrintTapeOnDefaultPrinter(mainWindow.controls(), clock, mainWindow.tapeFont());
    });
}

}  // namespace vimbo
