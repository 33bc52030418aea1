// SPDX-License-Identifier: MIT
#include "history/print_command.h"

#include <exception>

#include "history/print_rich_text.h"

namespace vimbo {

namespace {

constexpr int kHeaderPointSize = 12;
constexpr std::int32_t kMarginTwips = 1000;

// The busy pointer for as long as the report prints, restored however printing ends.
class BusyPointer {
  public:
    explicit BusyPointer(WindowHost& window) : window_(window) { window_.setBusyPointer(true); }
    ~BusyPointer() { window_.setBusyPointer(false); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;

  private:
    WindowHost& window_;
};

}  // namespace

QString ReportTitleLine(const CalendarDate& date) {
    return QStringLiteral("               Vimbo Calculator Report %1/%2/%3")
        .arg(date.day)
        .arg(date.month)
        .arg(date.year);
}

void PrintCommand(WindowControls& controls, const Clock& clock, ReportPrinter& printer,
                  TapeLayout& layout) {
    if (controls.list1.wholeText().isEmpty()) {
        controls.txtInput.giveFocus();
        return;
    }
    try {
        const BusyPointer busy(controls.frmMain);
        printer.SetPointSize(kHeaderPointSize);
        printer.PrintLine(QStringLiteral(" "));
        printer.PrintLine(QStringLiteral(" "));
        printer.PrintLine(ReportTitleLine(clock.today()));
        printer.PrintLine(
            QStringLiteral("               ----------------------------------------------------"));
        PrintRichText(printer, controls.list1, layout, kMarginTwips, kMarginTwips, kMarginTwips,
                      kMarginTwips);
    } catch (const std::exception&) {
        // No printer, a refused job, a failed page: the report is given up without a word.
    }
    controls.txtInput.giveFocus();
}

}  // namespace vimbo
