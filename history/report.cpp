// SPDX-License-Identifier: MIT
#include "history/report.h"

#include <exception>

#include "history/tape_pages.h"

namespace vimbo {

namespace {

constexpr int kHeaderPointSize = 12;
constexpr std::int32_t kMarginTwips = 1000;

}  // namespace

QString ReportTitleLine(const CalendarDate& date) {
    return QStringLiteral("               Vimbo Calculator Report %1/%2/%3")
        .arg(date.day)
        .arg(date.month)
        .arg(date.year);
}

void PrintCommand(WindowControls& controls, const Clock& clock, ReportPrinter& printer,
                  TapeLayout& layout) {
    if (controls.tape.wholeText().isEmpty()) {
        controls.input.giveFocus();
        return;
    }
    try {
        const BusyPointer busy(controls.window);
        printer.SetPointSize(kHeaderPointSize);
        printer.PrintLine(QStringLiteral(" "));
        printer.PrintLine(QStringLiteral(" "));
        printer.PrintLine(ReportTitleLine(clock.today()));
        printer.PrintLine(
            QStringLiteral("               ----------------------------------------------------"));
        PrintRichText(printer, controls.tape, layout, kMarginTwips, kMarginTwips, kMarginTwips,
                      kMarginTwips);
    } catch (const std::exception&) {
        // No printer, a refused job, a failed page: the report is given up without a word.
    }
    controls.input.giveFocus();
}

}  // namespace vimbo
