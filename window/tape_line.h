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

// The shown line of `text` that holds the character position `position` (0 to its length):
// lines end at "\n" and at the view's line and paragraph separators.
QStringView ShownLineAt(QStringView text, qsizetype position);

}  // namespace vimbo
