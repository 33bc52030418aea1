// SPDX-License-Identifier: MIT
// "Save tape…" (Ctrl+S): the tape into a file that the user chooses with Qt's file dialog,
// as the printed report (PDF) or as plain text.
#pragma once

#include <QFont>
#include <QString>
#include <functional>
#include <optional>

#include "history/tape_file.h"
#include "window/clock.h"
#include "window/controls.h"

class QWidget;

namespace vimbo {

// What the save dialog keeps from one save to the next while the program runs.
struct SaveDialogMemory {
    QString folder;  // where the last save went; empty: the Documents folder, or home
    TapeFileFormat format = TapeFileFormat::Pdf;  // the type last chosen
    QString name;  // offered again after a save that failed; empty: "tape" with the ending
};

// The file that a save really writes, and in which type.
struct TapeSaveTarget {
    QString fileName;
    TapeFileFormat format;
};

// From the path a file dialog returned and the type chosen in its filter: a name ending in
// ".pdf" or ".txt" (in any case) is kept with that type; any other gets the filter's ending.
TapeSaveTarget TapeSaveTargetFor(const QString& chosen, TapeFileFormat filterFormat);

// Whether to ask before `target` is replaced: it exists, and the dialog has not already
// asked about that very name (`dialogAsked`: the dialog asks about the name it returns).
bool NeedsReplaceQuestion(const QString& chosen, const QString& target, bool dialogAsked);

// The file the user chose, or nothing when they cancelled.
using TapeFileChooser =
    std::function<std::optional<TapeSaveTarget>(QWidget& parent, SaveDialogMemory& memory)>;

// Qt's save dialog, opened where `memory` says, with the type filters; the replace question
// comes once, about the name that will be written, whichever dialog Qt shows. A "No" to it
// brings the dialog back with that name, which `memory` keeps.
std::optional<TapeSaveTarget> ChooseTapeFile(QWidget& parent, SaveDialogMemory& memory);

// Saves the tape where `choose` says; nothing happens for an empty tape or a cancelled choice.
// A failure is shown in a message that names the file and the reason, the tape and any old
// file are untouched, and the dialog comes back with the name that failed. The focus ends in
// the input line, which tells a screen reader where the tape went.
void SaveTapeCommand(QWidget& parent, WindowControls& controls, const Clock& clock,
                     const QFont& tapeFont, SaveDialogMemory& memory,
                     const TapeFileChooser& choose = ChooseTapeFile);

}  // namespace vimbo
