// SPDX-License-Identifier: MIT
// The tape's lines as shown, and what one of them puts into the input line when the user
// takes it from the tape: always a whole expression or a whole number, never a part of one.
#pragma once

#include <QString>
#include <QStringView>

namespace vimbo {

// The shown form of a stored text: CR LF, lone CR and LF each become one "\n". A text that
// follows a stored CR (`afterCr`) drops its leading LF, which belongs to that CR.
QString DisplayText(QStringView stored, bool afterCr = false);

// An expression line its expression (also where it follows a "GT" entry's separator on the
// same line), a result line its result, a "GT" line its total without " GT"; nothing for the
// "=" and separator lines, an empty line and "Error" or "Syntax error", which no input can use.
QString TapeLineInsertion(QStringView shownLine);

// What goes into the input line for `value`, a tape line's insertion, between the text
// `before` and `after` the insertion point, so that it keeps its own value there. Into an
// empty line it goes as it is. Otherwise an expression, and a number with a sign, goes in
// parentheses ("10*" and "2+3" give "10*(2+3)", not 10*2+3); and where a value stands right
// beside it, a "*" comes between, since a number would run into a number, a decimal point or
// a name ("12" and "5" give "12*5", never 125).
QString InsertionBetween(const QString& value, QStringView before, QStringView after);

// The shown line of `text` that holds the character position `position` (0 to its length):
// lines end at "\n" and at the view's line and paragraph separators.
QStringView ShownLineAt(QStringView text, qsizetype position);

}  // namespace vimbo
