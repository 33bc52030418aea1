// SPDX-License-Identifier: MIT
// The tape's text laid out once for the printer: a QTextDocument in the tape's font,
// measured on the printer and wrapped to the width the tape is drawn in, drawn a page at a
// time in whole lines.
#pragma once

#include <QPointF>
#include <QTextDocument>
#include <QTextLine>
#include <vector>

class QFont;
class QPainter;
class QPaintDevice;

namespace vimbo {

class TapeDocument {
  public:
    // `width` and every later height and position are device pixels.
    TapeDocument(const QString& tapeText, const QFont& font, QPaintDevice& device, qreal width);

    qsizetype lineCount() const { return static_cast<qsizetype>(lines_.size()); }
    // The end of the lines from `first` on that fit one under another in `height`.
    qsizetype linesThatFit(qsizetype first, qreal height) const;
    // Draws the lines from `first` up to `end`, the top of the first at `topLeft`.
    void draw(QPainter& painter, qsizetype first, qsizetype end, const QPointF& topLeft) const;

  private:
    struct Line {
        QTextLine line;
        QPointF blockPosition;  // the line's own position is within its block
        qreal top;              // in the document
    };

    const Line& at(qsizetype index) const { return lines_[static_cast<std::size_t>(index)]; }

    QTextDocument document_;
    std::vector<Line> lines_;
};

}  // namespace vimbo
