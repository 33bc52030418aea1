// SPDX-License-Identifier: MIT
// The report's printer on a QPrinter: the system's default printer, handed to CUPS, or a
// PDF file. Coordinates come from the printer's own page layout.
#pragma once

#include <QFont>
#include <QPainter>

#include "history/report_printer.h"

class QPrinter;

namespace vimbo {

class QtReportPrinter final : public ReportPrinter {
  public:
    // The printer must outlive this object; the job opens with the first line.
    explicit QtReportPrinter(QPrinter& printer);
    // A job that a failure cut short is ended with what it holds: Qt's PDF and CUPS
    // engines cannot abort one.
    ~QtReportPrinter() override = default;
    QtReportPrinter(const QtReportPrinter&) = delete;
    QtReportPrinter& operator=(const QtReportPrinter&) = delete;

    void PrintLine(const QString& text) override;
    void SetPointSize(int points) override;
    PrinterDevice DeviceHandle() override;
    int PhysicalOffsetPixels(Axis axis) const override;
    double PixelsToTwips(int value, Axis axis) const override;
    SizeTwips PaperSizeTwips() const override;
    SizeTwips PrintableSizeTwips() const override;
    std::int32_t CurrentYTwips() const override;
    void StartNewPage() override;
    void EndDocument() override;

  private:
    void OpenJob();

    QPrinter& printer_;
    QFont font_;
    double y_ = 0;      // device pixels from the top of the printable area
    QPainter painter_;  // last: it ends an unfinished job before the rest goes
};

}  // namespace vimbo
