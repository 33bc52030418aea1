// SPDX-License-Identifier: MIT
// Text pasted into the one-line input: a spreadsheet's cells come with line breaks and tabs,
// which the line cannot show and the engine cannot read.
#pragma once

#include <QString>
#include <QStringView>

namespace vimbo {

// `pasted` without line breaks or tabs: those at its start and end go; a run of them (with
// the blanks around it) between two numbers becomes "+", so that a column or a row of cells
// becomes their sum, and anywhere else one blank. Everything else stays as it is.
QString PastedIntoInput(QStringView pasted);

}  // namespace vimbo
