// SPDX-License-Identifier: MIT
#include "window/value_box.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTextLayout>
#include <algorithm>

#include "window/accessibility.h"
#include "window/value_elision.h"

namespace vimbo {

namespace {

// The line edit's own space between its contents rectangle and its text line.
constexpr int kHorizontalMargin = 2;
constexpr int kVerticalMargin = 1;

}  // namespace

bool ValueBox::beingEdited() const {
    // The focused widget of the window, even while a menu or another window has the keyboard:
    // the user comes back to the box as it was.
    return window()->focusWidget() == this;
}

QRect ValueBox::textRect() const {
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    return style()
        ->subElementRect(QStyle::SE_LineEditContents, &panel, this)
        .marginsRemoved(textMargins());
}

void ValueBox::layOut(QTextLayout& layout) const {
    layout.setFont(font());
    QTextOption option = layout.textOption();
    option.setTextDirection(layoutDirection());
    option.setFlags(QTextOption::IncludeTrailingSpaces);
    layout.setTextOption(option);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
}

QString ValueBox::shownText() const {
    const int available = textRect().width() - 2 * kHorizontalMargin;
    return ElidedValue(text(), available, [this](const QString& drawn) {
        QTextLayout layout(drawn);
        layOut(layout);
        return qRound(layout.lineAt(0).naturalTextWidth()) + 1;  // as the line edit counts
    });
}

void ValueBox::paintEvent(QPaintEvent* event) {
    const QString shown = beingEdited() ? text() : shownText();
    if (shown == text()) {
        QLineEdit::paintEvent(event);
        return;
    }
    // The line edit's own drawing, with `shown` in place of its text: the same frame, place,
    // font and colour as a line edit that held `shown` would have.
    QPainter painter(this);
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &panel, &painter, this);
    const QRect contents = textRect();
    painter.setClipRect(contents);

    QTextLayout layout(shown);
    layOut(layout);
    const QTextLine line = layout.lineAt(0);
    const QFontMetrics metrics = fontMetrics();
    const int height = std::max(metrics.boundingRect(shown).height(), metrics.height());
    const Qt::Alignment align = QStyle::visualAlignment(layoutDirection(), alignment());
    int top = contents.y() + (contents.height() - height + 1) / 2;
    if (align & Qt::AlignTop) {
        top = contents.y() + kVerticalMargin;
    } else if (align & Qt::AlignBottom) {
        top = contents.y() + contents.height() - height - kVerticalMargin;
    }
    const int lineWidth = contents.width() - 2 * kHorizontalMargin;
    const int used = qRound(line.naturalTextWidth()) + 1;
    int left = contents.x() + kHorizontalMargin;
    if (align & Qt::AlignRight) {
        left += lineWidth - used - 1;
    } else if (align & Qt::AlignHCenter) {
        left -= (used - lineWidth) / 2;
    }
    // The baseline where the line edit keeps it.
    const QPoint topLeft(left, top - (qRound(line.ascent()) - metrics.ascent()));
    painter.setPen(palette().text().color());
    layout.draw(&painter, topLeft, {}, contents);
}

void ValueBox::keyPressEvent(QKeyEvent* event) {
    if (!event->matches(QKeySequence::Copy) || hasSelectedText()) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    // Nothing selected: the whole value, as the input line copies the result.
    event->accept();
    const QString value = text();
    if (value.isEmpty()) {
        return;
    }
    QGuiApplication::clipboard()->setText(value);
    AnnounceOutcome(*this, Outcome::Copied, value);
}

}  // namespace vimbo
