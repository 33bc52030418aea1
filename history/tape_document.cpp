// SPDX-License-Identifier: MIT
#include "history/tape_document.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QTextBlock>
#include <QTextLayout>
#include <QTextOption>

namespace vimbo {

namespace {

// The tape breaks its lines at CR LF, a lone CR and a lone LF; the document at LF alone.
// Characters the document gives a structural meaning of its own are printed as plain text
// would show them. A break at the very end starts no line: nothing is printed after it.
QString DocumentText(const QString& tapeText) {
    QString text = tapeText;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    text.replace(QChar::ParagraphSeparator, QChar::LineSeparator);
    text.replace(QChar(0xfdd0), QChar::ReplacementCharacter);
    text.replace(QChar(0xfdd1), QChar::ReplacementCharacter);
    if (text.endsWith(u'\n')) {
        text.chop(1);
    }
    return text;
}

}  // namespace

TapeDocument::TapeDocument(const QString& tapeText, const QFont& font, QPaintDevice& device,
                           qreal width) {
    document_.setUndoRedoEnabled(false);
    document_.setDocumentMargin(0);
    document_.setDefaultFont(font);
    QTextOption option = document_.defaultTextOption();
    // An expression has no spaces: a long one breaks anywhere rather than past the margin.
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    document_.setDefaultTextOption(option);
    document_.documentLayout()->setPaintDevice(&device);
    document_.setPlainText(DocumentText(tapeText));
    document_.setTextWidth(width);
    document_.documentLayout()->documentSize();  // lays the whole text out now

    for (QTextBlock block = document_.begin(); block.isValid(); block = block.next()) {
        const QTextLayout* layout = block.layout();
        for (int i = 0; i < layout->lineCount(); ++i) {
            const QTextLine line = layout->lineAt(i);
            lines_.push_back(Line{line, layout->position(), layout->position().y() + line.y()});
        }
    }
}

qsizetype TapeDocument::linesThatFit(qsizetype first, qreal height) const {
    qsizetype end = first;
    while (end < lineCount() && at(end).top + at(end).line.height() - at(first).top <= height) {
        ++end;
    }
    return end;
}

void TapeDocument::draw(QPainter& painter, qsizetype first, qsizetype end,
                        const QPointF& topLeft) const {
    if (first >= end) {
        return;
    }
    painter.save();
    const QPointF origin = topLeft - QPointF(0, at(first).top);
    for (qsizetype i = first; i < end; ++i) {
        at(i).line.draw(&painter, origin + at(i).blockPosition);
    }
    painter.restore();
}

}  // namespace vimbo
