// SPDX-License-Identifier: MIT
#include "tests/engine/reference/literal_fraction.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include "engine/number_text.h"

namespace vimbo::reference {

namespace {

constexpr std::int32_t kStepLimit = 1'000'000;
constexpr std::int32_t kInt32Max = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kInt32Min = std::numeric_limits<std::int32_t>::min();

// k * x rounded to the nearest whole number, halves to even; false when it does not fit a
// signed 32-bit numerator.
bool RoundIntoNumerator(double v, std::int32_t& j) {
    const double r = std::nearbyint(v);
    if (!(r >= static_cast<double>(kInt32Min) && r <= static_cast<double>(kInt32Max))) {
        return false;
    }
    j = static_cast<std::int32_t>(r);
    return true;
}

std::string FractionResult(std::int32_t j, std::int32_t k, double x) {
    return k == 1 ? NumberText(x) : std::to_string(j) + "/" + std::to_string(k);
}

}  // namespace

std::string ToFractionTextLiteral(double x) {
    std::int32_t j = 1;
    std::int32_t k = 1;
    double q = static_cast<double>(j) / static_cast<double>(k);
    std::int32_t steps = 0;
    for (;;) {
        if (NumberText(q) == NumberText(x)) {
            return FractionResult(j, k, x);
        }
        if (q < x) {
            if (j == kInt32Max) {
                return NumberText(x);
            }
            j = j + 1;
        } else {
            if (k == kInt32Max) {
                return NumberText(x);
            }
            k = k + 1;
            if (!RoundIntoNumerator(static_cast<double>(k) * x, j)) {
                return NumberText(x);
            }
        }
        q = static_cast<double>(j) / static_cast<double>(k);
        steps = steps + 1;
        if (steps == kStepLimit) {
            return NumberText(x);
        }
    }
}

}  // namespace vimbo::reference
