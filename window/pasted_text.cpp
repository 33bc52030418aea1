// SPDX-License-Identifier: MIT
#include "window/pasted_text.h"

#include <QRegularExpression>

#include "window/expression_edges.h"

namespace vimbo {

namespace {

bool IsBreak(QChar c) {
    return c == u'\n' || c == u'\r' || c == u'\t' || c == u'\v' || c == u'\f' || c == QChar(0x85) ||
           c == QChar::LineSeparator || c == QChar::ParagraphSeparator;
}

// The blanks that group digits, besides the locale's own separator: a space, a no-break space
// and a narrow no-break space, as spreadsheets and word processors write them.
constexpr QStringView kBlankGroupSeparators = u" \u00a0\u202f";

// A number in a locale whose decimal point is ",": groups of three digits after the first
// group, each group after a separator, and an optional decimal part; or digits with a decimal
// part. Never inside a longer run of digits and separators, so that "3.14" stays as it is.
QRegularExpression LocaleNumber(const QString& groupSeparators, QChar decimalPoint) {
    const QString group = u'[' + QRegularExpression::escape(groupSeparators) + u']';
    const QString point = QRegularExpression::escape(QString(decimalPoint));
    return QRegularExpression(QStringLiteral("(?<![\\d.,])(?:\\d{1,3}(?:%1\\d{3})+(?:%2\\d+)?|"
                                             "\\d+%2\\d+)(?![\\d]|%1\\d|%2\\d)")
                                  .arg(group, point));
}

QString InEngineNotation(QStringView text, const QLocale& locale) {
    const QString decimal = locale.decimalPoint();
    if (decimal != QLatin1String(",")) {
        return text.toString();  // "." is the engine's point, and "," it skips as a group
    }
    QString groups = kBlankGroupSeparators.toString();
    const QString localeGroup = locale.groupSeparator();
    if (localeGroup.size() == 1 && !groups.contains(localeGroup)) {
        groups += localeGroup;
    }
    const QRegularExpression number = LocaleNumber(groups, decimal.front());
    QString result;
    qsizetype done = 0;
    for (const QRegularExpressionMatch& match : number.globalMatch(text)) {
        result += text.mid(done, match.capturedStart() - done);
        for (const QChar c : match.capturedView()) {
            if (c == decimal.front()) {
                result += u'.';
            } else if (!groups.contains(c)) {
                result += c;
            }
        }
        done = match.capturedEnd();
    }
    result += text.mid(done);
    return result;
}

}  // namespace

QString PastedIntoInput(QStringView pasted, const QLocale& locale, QStringView before) {
    const QString text = InEngineNotation(pasted, locale);
    QString result;
    result.reserve(text.size());
    bool joined = false;
    qsizetype i = 0;
    while (i < text.size()) {
        if (!IsBreak(text[i])) {
            result.append(text[i++]);
            continue;
        }
        // The run of breaks, with the blanks on either side of it.
        while (result.endsWith(u' ')) {
            result.chop(1);
        }
        while (i < text.size() && (IsBreak(text[i]) || text[i] == u' ')) {
            ++i;
        }
        // Nothing else joins values: a blank would leave "100" and "(20)" multiplied.
        if (EndsWithValue(result) && StartsWithValue(QStringView(text).mid(i), true)) {
            result.append(u'+');
            joined = true;
            if (i < text.size() && text[i] == u'+') {
                ++i;  // the cell's own plus sign: "+" once
            }
        }
    }
    // A plus sign in front of the first of several cells, unless it follows a value as its
    // operator: the engine reads "+1+2" and "2*+1+2" as errors, though "+1" alone is 1.
    qsizetype first = 0;
    while (first < result.size() && result[first] == u' ') {
        ++first;
    }
    if (joined && first < result.size() && result[first] == u'+' && !EndsWithValue(before)) {
        result.remove(first, 1);
    }
    return result;
}

}  // namespace vimbo
