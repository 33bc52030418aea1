// SPDX-License-Identifier: MIT
// What the report needs of a printer: a job of pages, each with a painter on it, and the
// page's layout. The program prints on a QPrinter; the tests use a printer that can refuse.
#pragma once

#include <QPageLayout>
#include <stdexcept>

class QPainter;

namespace vimbo {

// Any failure of the printer or of the page: no printer, a refused job, a page that cannot
// be started, a page no measurement can hold. The Print command returns quietly on it.
class PrinterError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

class ReportPrinter {
  public:
    virtual ~ReportPrinter() = default;

    // Opens the job and its first page. The painter's origin is the printable area's
    // top-left corner; its device measures text at the printer's resolution.
    virtual QPainter& open() = 0;
    // The sheet of paper and, inside its margins, the printable area.
    virtual QPageLayout pageLayout() const = 0;
    virtual void newPage() = 0;
    // Ends the job and hands it to the printer.
    virtual void close() = 0;
};

}  // namespace vimbo
