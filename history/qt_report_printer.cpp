// SPDX-License-Identifier: MIT
#include "history/qt_report_printer.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPrinter>

namespace vimbo {

namespace {

constexpr double kTwipsPerPoint = 20.0;

// A resolution to divide by: a printer that reports none cannot place anything.
int Resolution(int dpi) {
    if (dpi <= 0) {
        throw PrinterError("the printer reports no resolution");
    }
    return dpi;
}

SizeTwips ToSizeTwips(const QRectF& points) {
    return SizeTwips{ToWholeTwips(points.width() * kTwipsPerPoint),
                     ToWholeTwips(points.height() * kTwipsPerPoint)};
}

}  // namespace

QtReportPrinter::QtReportPrinter(QPrinter& printer) : printer_(printer) {}

void QtReportPrinter::OpenJob() {
    if (painter_.isActive()) {
        return;
    }
    const bool native = printer_.outputFormat() == QPrinter::NativeFormat;
    if (native ? printer_.printerName().isEmpty() : printer_.outputFileName().isEmpty()) {
        throw PrinterError("no printer");
    }
    printer_.setDocName(QStringLiteral("Vimbo Calculator Report"));  // the queue's job title
    if (!painter_.begin(&printer_)) {
        throw PrinterError("the printer refused the job");
    }
    y_ = 0;
}

void QtReportPrinter::PrintLine(const QString& text) {
    OpenJob();
    const QFontMetricsF metrics(font_, &printer_);
    painter_.setFont(font_);
    painter_.drawText(QPointF(0, y_ + metrics.ascent()), text);
    y_ += metrics.lineSpacing();
}

void QtReportPrinter::SetPointSize(int points) {
    font_.setPointSize(points);
}

PrinterDevice QtReportPrinter::DeviceHandle() {
    if (!painter_.isActive()) {
        throw PrinterError("no page open");
    }
    return &painter_;
}

int QtReportPrinter::PhysicalOffsetPixels(Axis axis) const {
    const QRect printable = printer_.pageLayout().paintRectPixels(printer_.resolution());
    return axis == Axis::horizontal ? printable.left() : printable.top();
}

double QtReportPrinter::PixelsToTwips(int value, Axis axis) const {
    const int dpi = axis == Axis::horizontal ? printer_.logicalDpiX() : printer_.logicalDpiY();
    return static_cast<double>(value) * kTwipsPerInch / Resolution(dpi);
}

SizeTwips QtReportPrinter::PaperSizeTwips() const {
    return ToSizeTwips(printer_.pageLayout().fullRect(QPageLayout::Point));
}

SizeTwips QtReportPrinter::PrintableSizeTwips() const {
    return ToSizeTwips(printer_.pageLayout().paintRect(QPageLayout::Point));
}

std::int32_t QtReportPrinter::CurrentYTwips() const {
    return ToWholeTwips(y_ * kTwipsPerInch / Resolution(printer_.logicalDpiY()));
}

void QtReportPrinter::StartNewPage() {
    if (!painter_.isActive()) {
        OpenJob();
        return;
    }
    if (!printer_.newPage()) {
        throw PrinterError("the printer refused a new page");
    }
    y_ = 0;
}

void QtReportPrinter::EndDocument() {
    if (painter_.isActive() && !painter_.end()) {
        throw PrinterError("the printer refused the job");
    }
}

}  // namespace vimbo
