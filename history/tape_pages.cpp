// SPDX-License-Identifier: MIT
#include "history/tape_pages.h"

#include <algorithm>

namespace vimbo {

namespace {

std::int32_t PhysicalOffsetTwips(const ReportPrinter& printer, Axis axis) {
    return ToWholeTwips(printer.PixelsToTwips(printer.PhysicalOffsetPixels(axis), axis));
}

}  // namespace

void PrintRichText(ReportPrinter& printer, const Tape& control, TapeLayout& layout,
                   std::int32_t leftMargin, std::int32_t topMargin, std::int32_t rightMargin,
                   std::int32_t bottomMargin) {
    printer.PrintLine(QStringLiteral(" "));

    const std::int32_t offX = PhysicalOffsetTwips(printer, Axis::horizontal);
    const std::int32_t offY = PhysicalOffsetTwips(printer, Axis::vertical);
    const SizeTwips paper = printer.PaperSizeTwips();
    // Computed wide: a printer's absurd paper or offsets must not overflow the 32 bits.
    using Wide = std::int64_t;
    const RectTwips drawing{NarrowTwips(Wide{leftMargin} - offX),
                            NarrowTwips(Wide{topMargin} - offY),
                            NarrowTwips(Wide{paper.width} - rightMargin - offX),
                            NarrowTwips(Wide{paper.height} - bottomMargin - offY)};
    const SizeTwips printable = printer.PrintableSizeTwips();

    FormatRangeRequest request;
    request.hdc = request.hdcTarget = printer.DeviceHandle();
    request.rc = drawing;
    // Whatever was printed above (the report's header) runs below the top margin; the tape
    // starts under it rather than over it.
    request.rc.top = std::max(drawing.top, printer.CurrentYTwips());
    request.rcPage = RectTwips{0, 0, printable.width, printable.height};
    request.chrg = CharRange{0, -1};

    const std::int32_t length = control.length();
    for (;;) {
        const std::int32_t next = layout.FormatRange(request);
        if (next >= length) {
            break;
        }
        // A full page that takes not a single line would take none on any later page.
        if (next <= request.chrg.cpMin && request.rc == drawing) {
            break;
        }
        request.chrg.cpMin = std::max(next, request.chrg.cpMin);
        printer.StartNewPage();
        printer.PrintLine(QStringLiteral(" "));
        request.hdc = request.hdcTarget = printer.DeviceHandle();
        request.rc = drawing;
    }
    printer.EndDocument();
    layout.ReleaseFormatCache();
}

}  // namespace vimbo
