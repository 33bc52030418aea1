// SPDX-License-Identifier: MIT
// Twips (1/1440 inch), the unit of every printer coordinate of the report.
#pragma once

#include <cmath>
#include <cstdint>

namespace vimbo {

inline constexpr int kTwipsPerInch = 1440;

// The nearest whole twip, a half going to the even neighbour.
inline std::int32_t ToWholeTwips(double twips) {
    // nearbyint rounds in the default mode, round-to-nearest-even.
    return static_cast<std::int32_t>(std::nearbyint(twips));
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
