// SPDX-License-Identifier: MIT
// Twips (1/1440 inch), the unit the report's margins are given in, and the one place where
// they meet the printer's pixels and points.
#pragma once

#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <cstdint>

class QPageLayout;
class QPaintDevice;

namespace vimbo {

inline constexpr int kTwipsPerInch = 1440;

// The nearest whole twip, a half going to the even neighbour. Raises PrinterError for an
// infinity, a NaN or a value beyond the 32-bit range: no paper is that large.
std::int32_t ToWholeTwips(double twips);

// Twips on one device, at its own resolution along each axis.
class DeviceTwips {
  public:
    // Raises PrinterError for a device that reports no resolution.
    explicit DeviceTwips(const QPaintDevice& device);

    // Whole twips, each axis rounded as ToWholeTwips.
    QPointF fromPixels(const QPointF& pixels) const;
    // How far the printable area lies from the paper's top-left corner, in whole twips.
    QPointF printableOffset(const QPageLayout& page) const;
    // The sheet of paper, in whole twips.
    static QSizeF paperSize(const QPageLayout& page);
    QRectF toPixels(const QRectF& twips) const;

  private:
    int dpiX_;
    int dpiY_;
};

}  // namespace vimbo
