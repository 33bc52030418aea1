// SPDX-License-Identifier: MIT
#include "window/pasted_text.h"

namespace vimbo {

namespace {

bool IsBreak(QChar c) {
    return c == u'\n' || c == u'\r' || c == u'\t' || c == u'\v' || c == u'\f' || c == QChar(0x85) ||
           c == QChar::LineSeparator || c == QChar::ParagraphSeparator;
}

bool IsDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// A number ends with a digit, its decimal point or a per cent sign: "12", "12.", "5%".
bool EndsWithNumber(QStringView text) {
    return !text.isEmpty() && (IsDigit(text.back()) || text.back() == u'.' || text.back() == u'%');
}

// A number starts with a digit or a decimal point, maybe after a sign: "7", ".5", "-3".
bool StartsWithNumber(QStringView text) {
    if (!text.isEmpty() && (text.front() == u'-' || text.front() == u'+')) {
        text = text.mid(1);
    }
    return !text.isEmpty() && (IsDigit(text.front()) || text.front() == u'.');
}

}  // namespace

QString PastedIntoInput(QStringView pasted) {
    QString result;
    result.reserve(pasted.size());
    qsizetype i = 0;
    while (i < pasted.size()) {
        if (!IsBreak(pasted[i])) {
            result.append(pasted[i++]);
            continue;
        }
        // The run of breaks, with the blanks on either side of it.
        while (result.endsWith(u' ')) {
            result.chop(1);
        }
        while (i < pasted.size() && (IsBreak(pasted[i]) || pasted[i] == u' ')) {
            ++i;
        }
        const QStringView rest = pasted.mid(i);
        if (result.isEmpty() || rest.isEmpty()) {
            continue;  // at the start or the end
        }
        result.append(EndsWithNumber(result) && StartsWithNumber(rest) ? u'+' : u' ');
    }
    return result;
}

}  // namespace vimbo
