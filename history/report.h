// SPDX-License-Identifier: MIT
// The "Print" command (Command1) on the printer interface: the dated header, then the tape,
// in one job.
#pragma once

#include <QFont>
#include <QString>

#include "history/report_printer.h"
#include "window/clock.h"
#include "window/controls.h"

namespace vimbo {

// "               Vimbo Calculator Report " and the date as day/month/year.
QString ReportTitleLine(const CalendarDate& date);

// The report of a tape that is not empty, in one job on `printer`, the tape in `tapeFont`.
// Raises PrinterError when the printer or its page fails; returns false when a page too
// small for a single line of the tape ended the job early.
bool PrintReport(WindowControls& controls, const Clock& clock, ReportPrinter& printer,
                 const QFont& tapeFont);

// Prints the tape in `tapeFont`; nothing for an empty tape. Any failure of the printer ends
// the command quietly. The focus ends in the input line with its caret where it was; the tape is
// never changed.
void PrintCommand(WindowControls& controls, const Clock& clock, ReportPrinter& printer,
                  const QFont& tapeFont);

}  // namespace vimbo
