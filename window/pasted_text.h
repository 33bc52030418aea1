// SPDX-License-Identifier: MIT
// Text pasted into the one-line input: a spreadsheet's cells come with line breaks and tabs,
// which the line cannot show and the engine cannot read, and with numbers in the notation of
// the desktop's locale, which the engine, reading "." as the decimal point and skipping ",",
// would read as another number.
#pragma once

#include <QLocale>
#include <QString>
#include <QStringView>

namespace vimbo {

// `pasted` on one line in the engine's notation. Line breaks and tabs at its start and end
// go; a run of them (with the blanks around it) between two values (a number, ")" or a
// constant before it; a number, "(", a constant or a function after it, a sign allowed)
// becomes "+" (a cell's own plus sign goes in it), so that a column or a row of cells
// becomes their sum, and anywhere else it goes. Where `locale` writes "," as the decimal point, a
// number written as it does
// ("1.234,50", "1 234,50", "0,5") is rewritten with "." ("1234.50", "0.5"); other text stays
// as it is. Where several cells are joined, a plus sign in front of the first goes unless the
// text `before` the paste ends in a value.
QString PastedIntoInput(QStringView pasted, const QLocale& locale = QLocale::c(),
                        QStringView before = {});

}  // namespace vimbo
