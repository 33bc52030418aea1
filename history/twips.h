// SPDX-License-Identifier: MIT
// Twips (1/1440 inch), the unit of every printer coordinate of the report.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>
#include <stdexcept>

namespace vimbo {

inline constexpr int kTwipsPerInch = 1440;

// A coordinate that no 32-bit twip can hold: a printer reporting no resolution, or a page
// beyond any paper. The report is given up like any other printing failure.
class TwipsRangeError : public std::range_error {
  public:
    using std::range_error::range_error;
};

// The nearest whole twip, a half going to the even neighbour. Raises TwipsRangeError for an
// infinity, a NaN or a value beyond the 32-bit range.
inline std::int32_t ToWholeTwips(double twips) {
    // nearbyint rounds in the default mode, round-to-nearest-even.
    const double whole = std::nearbyint(twips);
    // Written so that a NaN fails the test too.
    if (!(whole >= std::numeric_limits<std::int32_t>::min() &&
          whole <= std::numeric_limits<std::int32_t>::max())) {
        throw TwipsRangeError("a printer coordinate beyond the twip range");
    }
    return static_cast<std::int32_t>(whole);
}

// A sum or difference of twips, computed wide, back into 32 bits; raises as ToWholeTwips.
inline std::int32_t NarrowTwips(std::int64_t twips) {
    if (twips < std::numeric_limits<std::int32_t>::min() ||
        twips > std::numeric_limits<std::int32_t>::max()) {
        throw TwipsRangeError("a printer coordinate beyond the twip range");
    }
    return static_cast<std::int32_t>(twips);
}

struct SizeTwips {
    std::int32_t width = 0;
    std::int32_t height = 0;
    friend bool operator==(const SizeTwips&, const SizeTwips&) = default;
};

struct RectTwips {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
    friend bool operator==(const RectTwips&, const RectTwips&) = default;
};

}  // namespace vimbo
