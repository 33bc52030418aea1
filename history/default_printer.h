// SPDX-License-Identifier: MIT
// The "Print" command (Command1) on the system's default printer.
#pragma once

#include <QFont>

#include "window/clock.h"
#include "window/controls.h"

class QPrinter;

namespace vimbo {

// Prints the tape in `tapeFont` under the dated title; returns quietly, with the focus in
// the input line, when there is no printer or the printer refuses the job.
void PrintTapeOnDefaultPrinter(WindowControls& controls, const Clock& clock, const QFont& tapeFont);

// The same report on a given printer (a PDF file, for instance).
void PrintTapeOnPrinter(QPrinter& printer, WindowControls& controls, const Clock& clock,
                        const QFont& tapeFont);

}  // namespace vimbo
