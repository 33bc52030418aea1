// SPDX-License-Identifier: MIT
// The fraction search, formatting only the candidates close enough to share x's text.
#include "engine/fraction.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include "engine/number_text.h"

namespace vimbo {

namespace {

constexpr std::int32_t kStepLimit = 1'000'000;
constexpr std::int32_t kInt32Min = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kInt32Max = std::numeric_limits<std::int32_t>::max();

// k * x rounded to the nearest whole number, halves to even, into a signed 32-bit numerator;
// false when it does not fit.
bool RoundIntoNumerator(double v, std::int32_t& j) {
    const double r = std::nearbyint(v);
    if (!(r >= static_cast<double>(kInt32Min) && r <= static_cast<double>(kInt32Max))) {
        return false;
    }
    j = static_cast<std::int32_t>(r);
    return true;
}

std::string FractionResult(std::int32_t j, std::int32_t k, double x) {
    if (k == 1) {
        return NumberText(x);
    }
    return std::to_string(j) + "/" + std::to_string(k);
}

// Widest gap between two doubles that can share the number text of x.
//
// Two values with the same text round to the same 15-digit decimal D. When D is 0 both are
// 0. Otherwise each lies within half a unit of D's 15th digit, 0.5e-14 * |D|, so they differ
// by at most 1e-14 * |D| <= 1.00000000000001e-14 * |x|. Measuring against |D| rather than x
// covers values that round up to the next power of ten. Three times that bound absorbs the
// rounding of the product and of q - x; where the product underflows, DBL_MIN is larger
// than the true bound and still safe.
double SameTextGap(double x) {
    return std::fmax(std::fabs(x) * 3e-14, std::numeric_limits<double>::min());
}

}  // namespace

std::string ToFractionText(double x) {
    // The same walk over j and k as the literal search below; only the text comparison is
    // cheaper. A q farther from x than SameTextGap cannot have the text of x. A q equal to
    // the last one formatted has its text too, and that one did not match: near a fraction
    // whose text differs from that of x (1/3 against 0.333333333333334) the same q comes
    // back at every multiple of its denominator.
    const std::string text = NumberText(x);
    const double gap = SameTextGap(x);
    double lastMiss = std::numeric_limits<double>::quiet_NaN();
    const auto sharesText = [&](double q) {
        if (std::fabs(q - x) > gap || q == lastMiss) {
            return false;
        }
        lastMiss = q;
        return NumberText(q) == text;
    };

    std::int32_t j = 1;
    std::int32_t k = 1;
    double q = 1.0;
    for (std::int32_t steps = 0;;) {
        if (sharesText(q)) {
            return FractionResult(j, k, x);
        }
        if (q < x) {
            if (j == kInt32Max) {
                return text;
            }
            ++j;
        } else {
            if (k == kInt32Max) {
                return text;
            }
            ++k;
            if (!RoundIntoNumerator(static_cast<double>(k) * x, j)) {
                return text;
            }
        }
        q = static_cast<double>(j) / static_cast<double>(k);
        if (++steps == kStepLimit) {
            return text;
        }
    }
}

}  // namespace vimbo
