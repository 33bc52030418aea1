// SPDX-License-Identifier: MIT
// What a line of the tape, as shown, puts into the input line when the user takes it from
// the tape: always a whole expression or a whole number, never a part of one.
#pragma once

#include <QString>
#include <QStringView>

namespace vimbo {

// An expression line its expression (also where it follows a "GT" entry's separator on the
// same line), a result line its result, a "GT" line its total without " GT"; nothing for the
// "=" and separator lines, an empty line and "Error" or "Syntax error", which no input can use.
QString TapeLineInsertion(QStringView shownLine);

// The shown line of `text` that holds the character position `position` (0 to its length):
// lines end at "\n" and at the view's line and paragraph separators.
QStringView ShownLineAt(QStringView text, qsizetype position);

}  // namespace vimbo
