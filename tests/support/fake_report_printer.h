// SPDX-License-Identifier: MIT
// A printer whose pages are one small image, at a resolution of the test's choosing, on
// paper of its choosing, and which can refuse any step of the job.
#pragma once

#include <QImage>
#include <QPainter>
#include <optional>
#include <vector>

#include "history/report_printer.h"

namespace vimbo::testing {

class FakeReportPrinter final : public ReportPrinter {
  public:
    enum class Step { open, newPage, close };

    std::optional<Step> refuse;
    int dotsPerMeter = 2835;  // 72 dpi; 1 is a printer that reports no resolution
    QPageLayout layout{QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()};
    std::vector<Step> steps;  // what the job was asked, in order

    QPainter& open() override {
        Take(Step::open);
        page_.setDotsPerMeterX(dotsPerMeter);
        page_.setDotsPerMeterY(dotsPerMeter);
        painter_.begin(&page_);
        return painter_;
    }
    QPageLayout pageLayout() const override { return layout; }
    void newPage() override { Take(Step::newPage); }
    void close() override {
        Take(Step::close);
        painter_.end();
    }

  private:
    void Take(Step step) {
        steps.push_back(step);
        if (refuse == step) {
            throw PrinterError("refused");
        }
    }

    QImage page_{64, 64, QImage::Format_RGB32};
    QPainter painter_;  // last: it ends an unfinished job before the page goes
};

}  // namespace vimbo::testing
