// SPDX-License-Identifier: MIT
// "Save tape…" (Ctrl+S): the tape into a file that the user chooses with Qt's file dialog,
// as the printed report (PDF) or as plain text.
#pragma once

#include <QFont>
#include <QString>
#include <functional>

#include "history/tape_file.h"
#include "window/clock.h"
#include "window/controls.h"

class QWidget;

namespace vimbo {

// The file the user chose (ending in ".pdf" or ".txt"), or an empty name when they cancelled.
using TapeFileChooser = std::function<QString(QWidget& parent)>;

// Qt's save dialog: its type filter and the name's ending agree, and it asks before a file is
// replaced.
QString ChooseTapeFile(QWidget& parent);

// Saves the tape where `choose` says; nothing happens for an empty tape or a cancelled choice.
// A failure is shown in a message that names the file and the reason, and the tape is untouched.
// The focus ends in the input line, which tells a screen reader where the tape went.
void SaveTapeCommand(QWidget& parent, WindowControls& controls, const Clock& clock,
                     const QFont& tapeFont, const TapeFileChooser& choose = ChooseTapeFile);

}  // namespace vimbo
