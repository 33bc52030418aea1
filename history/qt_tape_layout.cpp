// SPDX-License-Identifier: MIT
#include "history/qt_tape_layout.h"

#include <QAbstractTextDocumentLayout>
#include <QPaintDevice>
#include <QPainter>
#include <QTextBlock>
#include <QTextLayout>
#include <QTextOption>
#include <algorithm>

#include "history/report_printer.h"

namespace vimbo {

namespace {

// One line of the stored text: where it starts and how many characters it holds before
// its break (CR LF, a lone CR, a lone LF, or the end of the text).
struct Paragraph {
    std::int32_t start;
    std::int32_t size;
};

std::vector<Paragraph> SplitParagraphs(const QString& text) {
    std::vector<Paragraph> paragraphs;
    const auto length = static_cast<std::int32_t>(text.size());
    std::int32_t start = 0;
    for (std::int32_t i = 0; i < length; ++i) {
        const QChar c = text[i];
        if (c != u'\r' && c != u'\n') {
            continue;
        }
        paragraphs.push_back(Paragraph{start, i - start});
        if (c == u'\r' && i + 1 < length && text[i + 1] == u'\n') {
            ++i;
        }
        start = i + 1;
    }
    paragraphs.push_back(Paragraph{start, length - start});
    return paragraphs;
}

// QTextDocument gives a few characters a structural meaning of its own; swap them for
// characters of the same length so that document and tape indices stay in step.
QString DocumentText(const QString& text, const std::vector<Paragraph>& paragraphs) {
    QString document;
    document.reserve(text.size());
    for (const Paragraph& paragraph : paragraphs) {
        if (paragraph.start > 0) {  // every paragraph but the first
            document += u'\n';
        }
        for (QChar c : QStringView(text).mid(paragraph.start, paragraph.size)) {
            if (c == QChar::ParagraphSeparator) {
                c = QChar::LineSeparator;
            } else if (c.unicode() == 0xfdd0 || c.unicode() == 0xfdd1) {
                c = QChar::ReplacementCharacter;
            }
            document += c;
        }
    }
    return document;
}

// Wide, so that the width or height of an extreme rectangle does not overflow.
qreal TwipsToDevicePixels(std::int64_t twips, int dpi) {
    return static_cast<qreal>(twips) * dpi / kTwipsPerInch;
}

}  // namespace

QtTapeLayout::QtTapeLayout(const Tape& tape, const QFont& font) : tape_(tape), font_(font) {}

QtTapeLayout::~QtTapeLayout() = default;

void QtTapeLayout::LayOut(QPaintDevice& device, qreal width) {
    const QString text = tape_.wholeText();
    length_ = static_cast<std::int32_t>(text.size());
    const std::vector<Paragraph> paragraphs = SplitParagraphs(text);

    document_ = std::make_unique<QTextDocument>();
    document_->setUndoRedoEnabled(false);
    document_->setDocumentMargin(0);
    document_->setDefaultFont(font_);
    QTextOption option = document_->defaultTextOption();
    // An expression has no spaces: a long one breaks anywhere rather than past the margin.
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    document_->setDefaultTextOption(option);
    document_->documentLayout()->setPaintDevice(&device);
    document_->setPlainText(DocumentText(text, paragraphs));
    document_->setTextWidth(width);
    document_->documentLayout()->documentSize();  // lays the whole text out now

    lines_.clear();
    int blockNumber = 0;
    for (QTextBlock block = document_->begin();
         block.isValid() && static_cast<std::size_t>(blockNumber) < paragraphs.size();
         block = block.next()) {
        const QTextLayout* layout = block.layout();
        const std::int32_t start = paragraphs[static_cast<std::size_t>(blockNumber)].start;
        for (int i = 0; i < layout->lineCount(); ++i) {
            const QTextLine line = layout->lineAt(i);
            lines_.push_back(Line{start + line.textStart(), layout->position().y() + line.y(),
                                  line.height(), blockNumber, i});
        }
        ++blockNumber;
    }
    device_ = &device;
    width_ = width;
}

std::int32_t QtTapeLayout::FormatRange(const FormatRangeRequest& request) {
    if (request.hdc == nullptr || request.hdcTarget == nullptr ||
        request.hdcTarget->device() == nullptr) {
        throw PrinterError("no printer device for the layout");
    }
    QPaintDevice& target = *request.hdcTarget->device();
    const int dpiX = target.logicalDpiX();
    const int dpiY = target.logicalDpiY();
    const qreal width = TwipsToDevicePixels(std::int64_t{request.rc.right} - request.rc.left, dpiX);
    if (!document_ || device_ != &target || width != width_) {
        LayOut(target, width);
    }

    const std::int32_t cpMin = std::max<std::int32_t>(request.chrg.cpMin, 0);
    if (cpMin >= length_ || lines_.empty()) {
        return length_;
    }
    // The line holding cpMin; the loop only ever passes the start of a line.
    const auto first = std::prev(
        std::upper_bound(lines_.begin(), lines_.end(), cpMin,
                         [](std::int32_t index, const Line& line) { return index < line.start; }));
    const qreal available =
        TwipsToDevicePixels(std::int64_t{request.rc.bottom} - request.rc.top, dpiY);
    auto end = first;
    while (end != lines_.end() && end->top + end->height - first->top <= available) {
        ++end;
    }

    QPainter& painter = *request.hdc;
    painter.save();
    const QPointF origin(TwipsToDevicePixels(request.rc.left, dpiX),
                         TwipsToDevicePixels(request.rc.top, dpiY) - first->top);
    for (auto line = first; line != end; ++line) {
        const QTextLayout* layout = document_->findBlockByNumber(line->block).layout();
        // QTextLine::draw places the line at its own position within the block's layout.
        layout->lineAt(line->lineInBlock).draw(&painter, origin + layout->position());
    }
    painter.restore();
    return end == lines_.end() ? length_ : end->start;
}

void QtTapeLayout::ReleaseFormatCache() {
    document_.reset();
    device_ = nullptr;
    width_ = 0;
    length_ = 0;
    lines_.clear();
}

}  // namespace vimbo
