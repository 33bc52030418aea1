// SPDX-License-Identifier: MIT
// The page layout of the tape control: lays the tape text out for the printer and draws
// one page of it at a time.
#pragma once

#include <cstdint>

#include "history/report_printer.h"
#include "history/twips.h"

namespace vimbo {

// Character indices count UTF-16 code units of the stored tape text (CR LF counts 2).
struct CharRange {
    std::int32_t cpMin = 0;
    std::int32_t cpMax = -1;  // -1: to the end of the text
    friend bool operator==(const CharRange&, const CharRange&) = default;
};

// One layout request: text measured on hdcTarget and drawn on hdc.
struct FormatRangeRequest {
    PrinterDevice hdc = nullptr;
    PrinterDevice hdcTarget = nullptr;
    RectTwips rc;      // drawing rectangle, from the printable area's top-left corner
    RectTwips rcPage;  // the printable area
    CharRange chrg;
    friend bool operator==(const FormatRangeRequest&, const FormatRangeRequest&) = default;
};

class TapeLayout {
  public:
    virtual ~TapeLayout() = default;
    // Draws, from chrg.cpMin, every line that fits between the top and bottom of rc, wrapped
    // to its width; returns the index of the first character not drawn.
    virtual std::int32_t FormatRange(const FormatRangeRequest& request) = 0;
    // Discards whatever was kept from the previous requests.
    virtual void ReleaseFormatCache() = 0;
};

}  // namespace vimbo
