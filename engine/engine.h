// SPDX-License-Identifier: MIT
// The expression engine's public interface, the only engine header that the window, vimbo-eval,
// the fuzzers and the benchmarks include: evaluation of an expression text, and the two text
// conversions of results (the decimals pattern and the leading number of a text).
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vimbo {

// The two failure results.
inline constexpr std::string_view kSyntaxErrorText = "Syntax error";
inline constexpr std::string_view kErrorText = "Error";

// The unit in which sin, cos, tan take angles and asn, acs, atn return them.
enum class AngleMode { Degrees, Radians, Gradians };

// "DEG", "RAD", "GRAD": the mode as the window's hidden label and vimbo-eval's --angle write it.
std::string_view AngleModeName(AngleMode mode);
// The mode a name stands for, compared exactly; nothing for any other text.
std::optional<AngleMode> AngleModeFromName(std::string_view name);

// One expression text in, one result text out, by rewriting the text.
// `previousOutput` is what "ans" refers to (the window's output line). The result is a number
// text, a fraction text, "Syntax error" or "Error"; never empty. Never throws.
std::string EvaluateExpression(std::string_view text, std::string_view previousOutput,
                               AngleMode angleMode);

// True when the whole text is a number in the read form and holds neither "(" nor ")".
bool IsPlainNumber(std::string_view text);

// The decimals option's pattern.
inline constexpr std::string_view kTwoDecimalsPattern = "0.00";

// Pattern "0.00": fixed point with exactly two decimals, rounded half away from zero on the
// 15-digit number text (not on the binary value), so 1.005 gives 1.01. A negative value that
// rounds to zero is written "0.00". Any other pattern, "" included, leaves a text unchanged and
// writes a double as its number text.
//
// A text that is not a plain number (a fraction such as 3/4, "Error", "Syntax error") is
// returned unchanged. A value that is not finite, or a text beyond the double range, gives
// "Error": an infinity or a not-a-number is never written.
std::string FormatByPattern(std::string_view value, std::string_view pattern);
std::string FormatByPattern(double value, std::string_view pattern);

// The value of the number at the start of `text`: blanks, tabs and line feeds are skipped
// wherever they stand; then an optional sign, digits with at most one ".", and an optional
// exponent ("E" or "e", optional sign, digits). 0 when that prefix holds no digit. A prefix
// beyond the double range gives an infinity, which the caller must not show.
double LeadingNumber(std::string_view text);

}  // namespace vimbo
