// SPDX-License-Identifier: MIT
// What the report's tests print with: a clock fixed on a day, and the tape's font.
#pragma once

#include <QFont>

#include "window/clock.h"

namespace vimbo::testing {

// 7 December 2026 unless told otherwise: not a fifth day, so no picture window comes first.
class FixedClock final : public Clock {
  public:
    explicit FixedClock(CalendarDate date = CalendarDate{7, 12, 2026}) : date_(date) {}
    CalendarDate today() const override { return date_; }

  private:
    CalendarDate date_;
};

inline QFont TapeFont() {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(9.75);
    return font;
}

}  // namespace vimbo::testing
