// SPDX-License-Identifier: MIT
// Prints the whole tape, laid out in its own font, page after page, and ends the job.
#pragma once

#include <QMargins>

#include "history/print_job.h"
#include "window/controls.h"

class QFont;

namespace vimbo {

// Starts on the job's current page (opening the job if none is open) with a line holding
// one space, and ends the job. The margins are twips from the paper's edges. Failures of
// the printer pass to the caller. Returns false when the job ended early on a page too
// small to take a single line of the tape.
bool PrintRichText(PrintJob& job, const Tape& tape, const QFont& font, const QMargins& margins);

}  // namespace vimbo
