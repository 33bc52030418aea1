// SPDX-License-Identifier: MIT
// The "Print" command (Command1) on the printer and layout interfaces: the dated header,
// then the tape, in one job.
#pragma once

#include <QString>

#include "history/report_printer.h"
#include "history/tape_layout.h"
#include "window/clock.h"
#include "window/controls.h"

namespace vimbo {

// "               Vimbo Calculator Report " and the date as day/month/year.
QString ReportTitleLine(const CalendarDate& date);

// Prints nothing for an empty tape. Any failure of the printer or the layout ends the
// command quietly. The focus ends in txtInput with its caret where it was; the tape is
// never changed.
void PrintCommand(WindowControls& controls, const Clock& clock, ReportPrinter& printer,
                  TapeLayout& layout);

}  // namespace vimbo
