// SPDX-License-Identifier: MIT
// One print job of the report: lines of text from the top of each page down, new pages and
// the end. The first line opens the job.
#pragma once

#include <QFont>
#include <QPageLayout>
#include <QString>

#include "history/report_printer.h"

class QPainter;

namespace vimbo {

class PrintJob {
  public:
    // The printer must outlive the job.
    explicit PrintJob(ReportPrinter& printer) : printer_(printer) {}

    void setPointSize(int points) { font_.setPointSize(points); }
    // Prints the text at the left edge of the printable area, a line of the current font
    // below the previous one (at the top of a new page).
    void printLine(const QString& text);
    // Device pixels from the top of the printable area to where the next line begins.
    qreal nextLineTop() const { return y_; }
    // The painter on the open page; raises PrinterError when none is open.
    QPainter& painter() const;
    QPageLayout pageLayout() const { return printer_.pageLayout(); }
    void newPage();
    void end();

  private:
    ReportPrinter& printer_;
    QPainter* painter_ = nullptr;  // the printer's, while the job is open
    QFont font_;
    qreal y_ = 0;
};

}  // namespace vimbo
