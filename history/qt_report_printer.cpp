// SPDX-License-Identifier: MIT
#include "history/qt_report_printer.h"

#include <QPrinter>

namespace vimbo {

QtReportPrinter::QtReportPrinter(QPrinter& printer) : printer_(printer) {}

QPainter& QtReportPrinter::open() {
    const bool native = printer_.outputFormat() == QPrinter::NativeFormat;
    if (native ? printer_.printerName().isEmpty() : printer_.outputFileName().isEmpty()) {
        throw PrinterError("no printer");
    }
    printer_.setDocName(QStringLiteral("Vimbo Calculator Report"));  // the queue's job title
    if (!painter_.begin(&printer_)) {
        throw PrinterError("the printer refused the job");
    }
    return painter_;
}

QPageLayout QtReportPrinter::pageLayout() const {
    return printer_.pageLayout();
}

void QtReportPrinter::newPage() {
    if (!printer_.newPage()) {
        throw PrinterError("the printer refused a new page");
    }
}

void QtReportPrinter::close() {
    if (!painter_.end()) {
        throw PrinterError("the printer refused the job");
    }
}

}  // namespace vimbo
