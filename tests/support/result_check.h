// SPDX-License-Identifier: MIT
// What every evaluation may give back, checked by the fuzz targets and the engine's tests.
#pragma once

#include <string_view>

namespace vimbo::test_support {

// True for a plain number text, a fraction text ("-"? digits "/" digits), "Syntax error"
// or "Error"; false for an empty text and for any spelling of "inf" or "nan".
bool IsValidResult(std::string_view result);

// Prints what was evaluated and what came back, then aborts so libFuzzer keeps the input.
[[noreturn]] void ReportBadResult(std::string_view what, std::string_view result);

}  // namespace vimbo::test_support
