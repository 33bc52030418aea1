// SPDX-License-Identifier: MIT
// EvaluateExpression on any bytes. Input layout: fuzz/fuzz_input.h.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/engine.h"
#include "fuzz/fuzz_input.h"
#include "tests/support/result_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto input = vimbo::fuzz::DecodeEvaluationInput(data, size);
    if (!input) {
        return 0;
    }
    const auto [mode, previous, rest] = *input;
    const std::string result = vimbo::EvaluateExpression(rest, previous, mode);
    if (!vimbo::test_support::IsValidResult(result)) {
        vimbo::test_support::ReportBadResult(rest, result);
    }
    return 0;
}
