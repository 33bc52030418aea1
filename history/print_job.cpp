// SPDX-License-Identifier: MIT
#include "history/print_job.h"

#include <QFontMetricsF>
#include <QPainter>

namespace vimbo {

void PrintJob::printLine(const QString& text) {
    if (painter_ == nullptr) {
        painter_ = &printer_.open();
        y_ = 0;
    }
    const QFontMetricsF metrics(font_, painter_->device());
    painter_->setFont(font_);
    painter_->drawText(QPointF(0, y_ + metrics.ascent()), text);
    y_ += metrics.lineSpacing();
}

QPainter& PrintJob::painter() const {
    if (painter_ == nullptr) {
        throw PrinterError("no page open");
    }
    return *painter_;
}

void PrintJob::newPage() {
    painter();  // a job must be open
    printer_.newPage();
    y_ = 0;
}

void PrintJob::end() {
    if (painter_ != nullptr) {
        painter_ = nullptr;
        printer_.close();
    }
}

}  // namespace vimbo
