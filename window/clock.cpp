// SPDX-License-Identifier: MIT
#include "window/clock.h"

#include <QDate>

namespace vimbo {

CalendarDate SystemClock::today() const {
    const QDate date = QDate::currentDate();  // the local date, in the user's time zone
    return CalendarDate{date.day(), date.month(), date.year()};
}

}  // namespace vimbo
