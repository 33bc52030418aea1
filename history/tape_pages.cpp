// SPDX-License-Identifier: MIT
#include "history/tape_pages.h"

#include <QPainter>
#include <algorithm>

#include "history/tape_document.h"
#include "history/twips.h"

namespace vimbo {

namespace {

// Where the tape is drawn on every page, in twips from the printable area's top-left
// corner: the margins from the paper's edges, less the printable area's offsets.
QRectF DrawingRectangle(const QMargins& margins, const QPageLayout& page,
                        const DeviceTwips& twips) {
    const QPointF offset = twips.printableOffset(page);
    const QSizeF paper = DeviceTwips::paperSize(page);
    // A printer's absurd paper or offsets end the job rather than any edge running over.
    const auto edge = [](double value) { return static_cast<double>(ToWholeTwips(value)); };
    return QRectF(QPointF(edge(margins.left() - offset.x()), edge(margins.top() - offset.y())),
                  QPointF(edge(paper.width() - margins.right() - offset.x()),
                          edge(paper.height() - margins.bottom() - offset.y())));
}

}  // namespace

bool PrintRichText(PrintJob& job, const Tape& tape, const QFont& font, const QMargins& margins) {
    job.printLine(QStringLiteral(" "));

    QPaintDevice& device = *job.painter().device();
    const DeviceTwips twips(device);
    const QRectF drawing = DrawingRectangle(margins, job.pageLayout(), twips);
    QRectF rectangle = drawing;
    // Whatever was printed above (the report's header) runs below the top margin; the tape
    // starts under it rather than over it.
    rectangle.setTop(std::max(drawing.top(), twips.fromPixels(QPointF(0, job.nextLineTop())).y()));

    const TapeDocument document(tape.wholeText(), font, device, twips.toPixels(drawing).width());
    qsizetype first = 0;
    bool whole = true;
    for (;;) {
        const QRectF pixels = twips.toPixels(rectangle);
        const qsizetype end = document.linesThatFit(first, pixels.height());
        document.draw(job.painter(), first, end, pixels.topLeft());
        if (end == document.lineCount()) {
            break;
        }
        // A full page that takes not a single line would take none on any later page.
        if (end == first && rectangle == drawing) {
            whole = false;
            break;
        }
        first = end;
        job.newPage();
        job.printLine(QStringLiteral(" "));
        rectangle = drawing;
    }
    job.end();
    return whole;
}

}  // namespace vimbo
