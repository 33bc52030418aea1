// SPDX-License-Identifier: MIT
#include "history/tape_commands.h"

#include <QAction>
#include <QCoreApplication>

#include "history/default_printer.h"
#include "history/grand_total.h"
#include "history/save_tape.h"
#include "window/control_table.h"

namespace vimbo {

namespace {

// One action a command, for its key, its entry in the tape's menu and its button alike.
QAction& WindowAction(MainWindow& mainWindow, const char* name, const char* text,
                      QKeySequence::StandardKey key) {
    auto* const action = new QAction(QCoreApplication::translate("MainWindow", text), &mainWindow);
    action->setObjectName(QLatin1String(name));
    action->setShortcuts(key);
    action->setShortcutContext(Qt::WindowShortcut);
    mainWindow.addTapeCommand(*action);
    return *action;
}

}  // namespace

void ConnectTapeCommands(MainWindow& mainWindow, const Clock& clock) {
    mainWindow.connectButton(control_name::grandTotalButton,
                             [&mainWindow] { GrandTotalCommand(mainWindow.controls()); });

    QAction& save = WindowAction(mainWindow, "actionSaveTape", "&Save tape…", QKeySequence::Save);
    // The save dialog's folder, type and unsaved name live as long as the command.
    QObject::connect(&save, &QAction::triggered, &mainWindow,
                     [&mainWindow, &clock, memory = SaveDialogMemory()]() mutable {
                         SaveTapeCommand(mainWindow, mainWindow.controls(), clock,
                                         mainWindow.tapeFont(), memory);
                     });
    QAction& print = WindowAction(mainWindow, "actionPrint", "&Print", QKeySequence::Print);
    QObject::connect(&print, &QAction::triggered, &mainWindow, [&mainWindow, &clock] {
        PrintTapeOnDefaultPrinter(mainWindow.controls(), clock, mainWindow.tapeFont());
    });
    mainWindow.connectButton(control_name::printButton, [&print] { print.trigger(); });
}

}  // namespace vimbo
