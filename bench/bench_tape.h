// SPDX-License-Identifier: MIT
// What the Qt benchmarks start from: a fixed day and a tape as the window writes it.
#pragma once

#include <QString>

#include "window/clock.h"

namespace vimbo::bench {

class FixedClock final : public Clock {
  public:
    CalendarDate today() const override { return {7, 12, 2026}; }
};

// `entries` calculations, with a "GT" entry after every `grandTotalEvery`-th (0: none).
inline QString TapeOf(int entries, int grandTotalEvery = 0) {
    QString tape;
    double total = 0;
    for (int i = 1; i <= entries; ++i) {
        tape += QStringLiteral("%1+3\r\n=\r\n%2\r\n****************\r\n").arg(i).arg(i + 3);
        total += i + 3;
        if (grandTotalEvery > 0 && i % grandTotalEvery == 0) {
            tape += QStringLiteral("\r%1 GT\r\n****************").arg(total, 0, 'g', 15);
        }
    }
    return tape;
}

}  // namespace vimbo::bench
