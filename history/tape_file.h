// SPDX-License-Identifier: MIT
// The tape saved in a file: as a PDF that is the printed report, page for page, or as plain
// text, one tape line a line. A file is written whole or not at all.
#pragma once

#include <QFont>
#include <QPageLayout>
#include <QString>
#include <optional>

#include "window/clock.h"
#include "window/controls.h"

namespace vimbo {

enum class TapeFileFormat { Pdf, Text };

// The format that a file name's ending names (".pdf", ".txt", in any case); none for another.
std::optional<TapeFileFormat> TapeFileFormatOf(const QString& fileName);

// The tape as shown, every line ended by "\n" whatever ended it on the tape.
QString TapeAsText(const QString& tapeText);

// The sheet and resolution a report file is laid out on: the default printer's, as "Print"
// prints.
struct ReportPaper {
    QPageLayout layout;
    int resolution = 1200;  // dots per inch
};
ReportPaper DefaultPrinterPaper();

// Writes the tape into `fileName` in `format`, the report dated by `clock` and laid out on
// `paper`. Returns why it failed, or nothing; on a failure an existing file is unchanged and
// no new one is left behind.
std::optional<QString> SaveTapeFile(const QString& fileName, TapeFileFormat format,
                                    WindowControls& controls, const Clock& clock,
                                    const QFont& tapeFont, const ReportPaper& paper);

}  // namespace vimbo
