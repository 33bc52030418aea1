// SPDX-License-Identifier: MIT
#include "history/twips.h"

#include <QPageLayout>
#include <QPaintDevice>
#include <cmath>
#include <limits>

#include "history/report_printer.h"

namespace vimbo {

namespace {

constexpr double kTwipsPerPoint = 20.0;

}  // namespace

std::int32_t ToWholeTwips(double twips) {
    // nearbyint rounds in the default mode, round-to-nearest-even.
    const double whole = std::nearbyint(twips);
    // Written so that a NaN fails the test too.
    if (!(whole >= std::numeric_limits<std::int32_t>::min() &&
          whole <= std::numeric_limits<std::int32_t>::max())) {
        throw PrinterError("the page is too large to lay the report out on");
    }
    return static_cast<std::int32_t>(whole);
}

DeviceTwips::DeviceTwips(const QPaintDevice& device)
    : dpiX_(device.logicalDpiX()), dpiY_(device.logicalDpiY()) {
    if (dpiX_ <= 0 || dpiY_ <= 0) {
        throw PrinterError("the page has no resolution to lay the report out at");
    }
}

QPointF DeviceTwips::fromPixels(const QPointF& pixels) const {
    return QPointF(ToWholeTwips(pixels.x() * kTwipsPerInch / dpiX_),
                   ToWholeTwips(pixels.y() * kTwipsPerInch / dpiY_));
}

QPointF DeviceTwips::printableOffset(const QPageLayout& page) const {
    return fromPixels(
        QPointF(page.paintRectPixels(dpiX_).left(), page.paintRectPixels(dpiY_).top()));
}

QSizeF DeviceTwips::paperSize(const QPageLayout& page) {
    const QSizeF points = page.fullRect(QPageLayout::Point).size();
    return QSizeF(ToWholeTwips(points.width() * kTwipsPerPoint),
                  ToWholeTwips(points.height() * kTwipsPerPoint));
}

QRectF DeviceTwips::toPixels(const QRectF& twips) const {
    return QRectF(twips.x() * dpiX_ / kTwipsPerInch, twips.y() * dpiY_ / kTwipsPerInch,
                  twips.width() * dpiX_ / kTwipsPerInch, twips.height() * dpiY_ / kTwipsPerInch);
}

}  // namespace vimbo
