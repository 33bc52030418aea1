// SPDX-License-Identifier: MIT
// What a box draws of a value too wide for it: a number that still reads as the value, with
// its sign, its first digits, its decimal point and its whole exponent.
#pragma once

#include <QString>
#include <functional>

namespace vimbo {

// The width a text takes when drawn, in the units of the available width.
using TextWidth = std::function<int(const QString& text)>;

// `value` itself when it fits `available`. Otherwise digits go from the end of the mantissa,
// marked by "…", and the exponent stays whole: -1.42857142857143E-11 becomes -1.4285714…E-11.
// A number whose digits before the point do not fit, or whose first significant digit would
// go, is drawn in exponent form (100000000000000000000.00 as 1E+20, with "…" where digits
// go). Any other text (an error, a fraction, a typed text) keeps its start and ends in "…".
QString ElidedValue(const QString& value, int available, const TextWidth& width);

}  // namespace vimbo
