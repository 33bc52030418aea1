// SPDX-License-Identifier: MIT
// The operations of the default printer that the report needs, all coordinates in twips.
// The program prints through Qt; the tests record the calls.
#pragma once

#include <QString>
#include <cstdint>
#include <stdexcept>

#include "history/twips.h"

class QPainter;

namespace vimbo {

// Any failure of the printer or of the page layout: no printer, a refused job, a page
// that cannot be started. The Print command catches it and returns quietly.
class PrinterError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

enum class Axis { horizontal, vertical };

// The device the tape's layout measures and draws on; valid once a page is open.
using PrinterDevice = QPainter*;

class ReportPrinter {
  public:
    virtual ~ReportPrinter() = default;

    // Prints the text at the current position, then moves one line (of the current font)
    // down to the left edge of the printable area. Opens the job and its first page when
    // none is open, starting at the top-left corner of the printable area.
    virtual void PrintLine(const QString& text) = 0;
    virtual void SetPointSize(int points) = 0;
    virtual PrinterDevice DeviceHandle() = 0;
    // The unprintable distance from the paper's edge to the printable area.
    virtual int PhysicalOffsetPixels(Axis axis) const = 0;
    // value * 1440 / the resolution along the axis, unrounded.
    virtual double PixelsToTwips(int value, Axis axis) const = 0;
    virtual SizeTwips PaperSizeTwips() const = 0;
    virtual SizeTwips PrintableSizeTwips() const = 0;
    // The current print position below the top of the printable area, where the next
    // line will begin.
    virtual std::int32_t CurrentYTwips() const = 0;
    virtual void StartNewPage() = 0;
    virtual void EndDocument() = 0;
};

}  // namespace vimbo
