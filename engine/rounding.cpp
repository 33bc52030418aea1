// SPDX-License-Identifier: MIT
#include "engine/rounding.h"

#include <cmath>

#include "engine/checked_math.h"
#include "engine/more_math.h"

namespace vimbo {

double RoundToPlaces(double x, std::int32_t n) {
    const double y = checked::Mul(checked::Pow(10.0, n), x);
    double f = std::trunc(y);
    if (std::fabs(y - f) >= 0.5) {
        f = IsNegative(y) ? f - 1.0 : f + 1.0;
    }
    // A power that underflowed to 0 left y = 0, so this is 0 / 0: an invalid operation.
    return checked::Div(f, checked::Pow(10.0, n));
}

}  // namespace vimbo
