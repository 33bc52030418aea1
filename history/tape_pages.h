// SPDX-License-Identifier: MIT
// Prints the whole tape, laid out by its own control, page after page, and ends the job.
#pragma once

#include <cstdint>

#include "history/report_printer.h"
#include "history/tape_layout.h"
#include "window/controls.h"

namespace vimbo {

// Starts on the printer's current page (opening the job if none is open) with a line
// holding one space, and ends the job. Margins are twips from the paper's edges. Failures
// of the printer or the layout pass to the caller.
void PrintRichText(ReportPrinter& printer, const Tape& control, TapeLayout& layout,
                   std::int32_t leftMargin, std::int32_t topMargin, std::int32_t rightMargin,
                   std::int32_t bottomMargin);

}  // namespace vimbo
