// SPDX-License-Identifier: MIT
// EvaluateExpression on any bytes. Input layout: the first byte picks the angle mode, the
// rest is "previous output" 0x00 "expression" (no 0x00: all of it is the expression and
// the previous output is empty).
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/engine.h"
#include "tests/support/result_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static constexpr std::array<std::string_view, 3> kModes{"DEG", "RAD", "GRAD"};
    if (size == 0) {
        return 0;
    }
    const std::string_view mode = kModes[data[0] % kModes.size()];
    std::string_view rest(reinterpret_cast<const char*>(data + 1), size - 1);
    std::string_view previous;
    if (const auto split = rest.find('\0'); split != std::string_view::npos) {
        previous = rest.substr(0, split);
        rest.remove_prefix(split + 1);
    }
    const std::string result = vimbo::EvaluateExpression(rest, previous, mode);
    if (!vimbo::test_support::IsValidResult(result)) {
        vimbo::test_support::ReportBadResult(rest, result);
    }
    return 0;
}
