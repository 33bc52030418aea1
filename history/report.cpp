// SPDX-License-Identifier: MIT
#include "history/report.h"

#include <exception>

#include "history/print_job.h"
#include "history/tape_pages.h"

namespace vimbo {

namespace {

constexpr int kHeaderPointSize = 12;
constexpr int kMarginTwips = 1000;

}  // namespace

QString ReportTitleLine(const CalendarDate& date) {
    return QStringLiteral("               Vimbo Calculator Report %1/%2/%3")
        .arg(date.day)
        .arg(date.month)
        .arg(date.year);
}

bool PrintReport(WindowControls& controls, const Clock& clock, ReportPrinter& printer,
                 const QFont& tapeFont) {
    const BusyPointer busy(controls.window);
    PrintJob job(printer);
    job.setPointSize(kHeaderPointSize);
    job.printLine(QStringLiteral(" "));
    job.printLine(QStringLiteral(" "));
    job.printLine(ReportTitleLine(clock.today()));
    job.printLine(
        QStringLiteral("               ----------------------------------------------------"));
    return PrintRichText(job, controls.tape, tapeFont,
                         QMargins(kMarginTwips, kMarginTwips, kMarginTwips, kMarginTwips));
}

void PrintCommand(WindowControls& controls, const Clock& clock, ReportPrinter& printer,
                  const QFont& tapeFont) {
    if (controls.tape.wholeText().isEmpty()) {
        controls.input.giveFocus();
        return;
    }
    try {
        // On a page too small for a line the printer keeps what fitted; only a saved file
        // counts that as a failure.
        PrintReport(controls, clock, printer, tapeFont);
    } catch (const std::exception&) {
        // No printer, a refused job, a failed page: the report is given up without a word.
    }
    controls.input.giveFocus();
}

}  // namespace vimbo
