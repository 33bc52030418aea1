// SPDX-License-Identifier: MIT
#include "window/tape_line.h"

#include <algorithm>

#include "engine/engine.h"
#include "window/controls.h"
#include "window/expression_edges.h"

namespace vimbo {

namespace {

bool EndsShownLine(QChar c) {
    return c == u'\n' || c == QChar::LineSeparator || c == QChar::ParagraphSeparator;
}

}  // namespace

QString DisplayText(QStringView stored, bool afterCr) {
    QString shown;
    shown.reserve(stored.size());
    bool previousCr = afterCr;
    for (const QChar c : stored) {
        if (c == u'\r') {
            shown.append(u'\n');
        } else if (c != u'\n' || !previousCr) {
            shown.append(c);
        }
        previousCr = c == u'\r';
    }
    return shown;
}

QString TapeLineInsertion(QStringView shownLine) {
    QStringView line = shownLine.trimmed();
    if (line.startsWith(kTapeSeparator)) {
        line = line.mid(kTapeSeparator.size()).trimmed();
    }
    if (line.endsWith(QLatin1String(" GT"))) {
        line.chop(3);
    }
    if (line.isEmpty() || line == u'=' || line == QLatin1String("Error") ||
        line == QLatin1String("Syntax error")) {
        return QString();
    }
    return line.toString();
}

QString InsertionBetween(const QString& value, QStringView before, QStringView after) {
    if (before.trimmed().isEmpty() && after.trimmed().isEmpty()) {
        return value;
    }
    const QByteArray number = value.toUtf8();
    const bool bare = !value.startsWith(u'-') && !value.startsWith(u'+') &&
                      IsPlainNumber(std::string_view(number.constData(), number.size()));
    QString inserted = bare ? value : u'(' + value + u')';
    if (EndsWithValue(before)) {
        inserted.prepend(u'*');
    }
    if (StartsWithValue(after, false)) {
        inserted.append(u'*');
    }
    return inserted;
}

QStringView ShownLineAt(QStringView text, qsizetype position) {
    position = std::clamp<qsizetype>(position, 0, text.size());
    qsizetype start = position;
    while (start > 0 && !EndsShownLine(text[start - 1])) {
        --start;
    }
    qsizetype end = position;
    while (end < text.size() && !EndsShownLine(text[end])) {
        ++end;
    }
    return text.mid(start, end - start);
}

}  // namespace vimbo
