// SPDX-License-Identifier: MIT
// The report's printer on a QPrinter: the system's default printer, handed to CUPS, or a
// PDF file.
#pragma once

#include <QPainter>

#include "history/report_printer.h"

class QPrinter;

namespace vimbo {

class QtReportPrinter final : public ReportPrinter {
  public:
    // The printer must outlive this object.
    explicit QtReportPrinter(QPrinter& printer);
    // A job that a failure cut short is ended with what it holds: Qt's PDF and CUPS
    // engines cannot abort one.
    ~QtReportPrinter() override = default;
    QtReportPrinter(const QtReportPrinter&) = delete;
    QtReportPrinter& operator=(const QtReportPrinter&) = delete;

    QPainter& open() override;
    QPageLayout pageLayout() const override;
    void newPage() override;
    void close() override;

  private:
    QPrinter& printer_;
    QPainter painter_;  // last: it ends an unfinished job before the rest goes
};

}  // namespace vimbo
