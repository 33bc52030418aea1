// SPDX-License-Identifier: MIT
#include "history/default_printer.h"

#include <QPrinter>

#include "history/qt_report_printer.h"
#include "history/report.h"

namespace vimbo {

void PrintTapeOnDefaultPrinter(WindowControls& controls, const Clock& clock,
                               const QFont& tapeFont) {
    // High resolution: text is measured and placed at the printer's own resolution.
    QPrinter printer(QPrinter::HighResolution);
    PrintTapeOnPrinter(printer, controls, clock, tapeFont);
}

void PrintTapeOnPrinter(QPrinter& printer, WindowControls& controls, const Clock& clock,
                        const QFont& tapeFont) {
    QtReportPrinter reportPrinter(printer);
    PrintCommand(controls, clock, reportPrinter, tapeFont);
}

}  // namespace vimbo
