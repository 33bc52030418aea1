// SPDX-License-Identifier: MIT
// How the program opens: the main window (frmMain) is created, its load step shows the
// picture window Form1 on every fifth day of the month and waits until it is closed, and
// only then the main window appears, centred, with the focus in txtInput.
#pragma once

#include <functional>
#include <memory>

#include "window/clock.h"

class QDialog;
class QWidget;

namespace vimbo {

class MainWindow;

// Shows a window modally: returns only once that window has been closed.
using ShowModally = std::function<void(QDialog&)>;

// The toolkit's modal showing: runs the window's own event loop until it closes.
void ExecModally(QDialog& window);

// The picture window is shown on the 5th, 10th, 15th, 20th, 25th and 30th of a month.
bool IsPictureDay(const CalendarDate& date);

// The load step of the main window, run after it is created and before it is shown.
void LoadMainWindow(const Clock& clock, const ShowModally& showModally);

// Shows the main window centred on its screen, active, with the focus in its txtInput.
void ShowMainWindow(QWidget& mainWindow);

// The whole start, in order: create the main window, run its load step, show it.
std::unique_ptr<MainWindow> StartCalculator(const Clock& clock,
                                            const ShowModally& showModally = ExecModally);

}  // namespace vimbo
