// SPDX-License-Identifier: MIT
// Where a value of the expression language ends or begins at the edge of a text, for the text
// that the window puts beside what the input line holds (a paste, a line of the tape): placed
// directly between two values, it would run into them ("12" and "5" read as 125, "5" and "pi"
// as 53.14…).
#pragma once

#include <QStringView>

namespace vimbo {

// `text` ends in a value: a number (a digit, its decimal point, a group separator, "%" or
// "!"), a ")" or a constant ("pi", "ans"). Blanks at its end are skipped, as the engine
// skips them.
bool EndsWithValue(QStringView text);

// `text` begins with a value: a number (a digit or a decimal point), a "(", a constant or a
// function. With `signedNumber`, a sign before any of these counts as part of
// the value (a spreadsheet's "-3"); without, it is an operator. Blanks at its start are
// skipped.
bool StartsWithValue(QStringView text, bool signedNumber);

}  // namespace vimbo
