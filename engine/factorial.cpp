// SPDX-License-Identifier: MIT
#include "engine/factorial.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string_view>

#include "engine/checked_math.h"
#include "engine/errors.h"

namespace vimbo {

namespace {

using checked::Add;
using checked::Div;
using checked::Mul;
using checked::Sub;

double WholeFactorial(double x) {
    if (x < 0.0) {
        Raise(ErrorKind::InvalidArgument);
    }
    if (x > 2147483647.0) {
        Raise(ErrorKind::Overflow);  // beyond the 32-bit count
    }
    const auto n = static_cast<std::int32_t>(x);
    double r = 1.0;
    for (std::int32_t i = 1; i <= n; ++i) {
        r = Mul(r, static_cast<double>(i));  // overflows at 171
    }
    return r;
}

// r rounded to 15 significant digits: two sums are the same number text exactly when
// these digits agree. Kept on the stack, as the sum takes about 90 terms.
class FifteenDigits {
  public:
    explicit FifteenDigits(double r) {
        const auto res = std::to_chars(buf_.data(), buf_.data() + buf_.size(), r,
                                       std::chars_format::scientific, 14);
        size_ = static_cast<std::size_t>(res.ptr - buf_.data());
    }
    bool operator==(const FifteenDigits& other) const {
        return std::string_view(buf_.data(), size_) ==
               std::string_view(other.buf_.data(), other.size_);
    }

  private:
    std::array<char, 32> buf_{};
    std::size_t size_ = 0;
};

// Gamma(t) for t between 170 and 171 by the midpoint sum of Euler's integral, taken until a
// further term no longer changes the sum to 15 significant digits.
double EulerIntegral(double t) {
    const double h = Div(10.0, 3.0);
    double b = Div(h, 2.0);
    double r = 0.0;
    for (;;) {
        const double before = r;
        r = Add(Mul(checked::Exp(Sub(Mul(Sub(t, 1.0), checked::Ln(b)), b)), h), r);
        b = Add(h, b);
        // Two positive numbers with the same 15 digits differ by less than 1E-14 of the
        // smaller: a larger step changes the digits, and the costly writing is skipped.
        if (r - before > before * 1.01e-14) {
            continue;
        }
        if (FifteenDigits(r) == FifteenDigits(before)) {
            return r;
        }
    }
}

double FractionFactorial(double x) {
    double t = Add(Sub(x, std::floor(x)), 170.0);
    double r = EulerIntegral(t);
    // Above 170 the start lies below x + 1: carry Gamma upwards, Gamma(t + 1) = t * Gamma(t).
    while (t < x + 0.5) {
        r = Mul(r, t);
        t = Add(t, 1.0);
    }
    // Gamma(t - 1) = Gamma(t) / (t - 1). Once r has underflowed to 0 every further division
    // leaves it 0, so a large negative x ends there instead of dividing on for each unit.
    while (x + 1.5 < t) {
        t = Sub(t, 1.0);
        r = Div(r, t);
        if (r == 0.0) {
            return 0.0;
        }
    }
    return r;
}

}  // namespace

double Factorial(double x) {
    return x == std::trunc(x) ? WholeFactorial(x) : FractionFactorial(x);
}

}  // namespace vimbo
