// SPDX-License-Identifier: MIT
// The current local date, behind an interface so that tests can set the day.
#pragma once

namespace vimbo {

struct CalendarDate {
    int day = 1;    // 1..31
    int month = 1;  // 1..12
    int year = 1970;
};

class Clock {
  public:
    virtual ~Clock() = default;
    virtual CalendarDate today() const = 0;
};

// The system's local date.
class SystemClock final : public Clock {
  public:
    CalendarDate today() const override;
};

}  // namespace vimbo
