// SPDX-License-Identifier: MIT
#include "window/expression_edges.h"

#include <QString>
#include <array>

namespace vimbo {

namespace {

constexpr std::array<QLatin1String, 2> kConstants = {QLatin1String("pi"), QLatin1String("ans")};
constexpr std::array<QLatin1String, 12> kFunctions = {
    QLatin1String("log"), QLatin1String("ln"),  QLatin1String("exp"), QLatin1String("sin"),
    QLatin1String("cos"), QLatin1String("tan"), QLatin1String("asn"), QLatin1String("acs"),
    QLatin1String("atn"), QLatin1String("sqr"), QLatin1String("int"), QLatin1String("abs")};

bool IsDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

}  // namespace

bool EndsWithValue(QStringView text) {
    text = text.trimmed();
    if (text.isEmpty()) {
        return false;
    }
    const QChar last = text.back();
    if (IsDigit(last) || last == u'.' || last == u',' || last == u'%' || last == u'!' ||
        last == u')') {
        return true;
    }
    for (const QLatin1String constant : kConstants) {
        if (text.endsWith(constant, Qt::CaseInsensitive)) {
            return true;
        }
    }
    return false;
}

bool StartsWithValue(QStringView text, bool signedNumber) {
    text = text.trimmed();
    if (signedNumber && !text.isEmpty() && (text.front() == u'-' || text.front() == u'+')) {
        text = text.mid(1).trimmed();
    }
    if (text.isEmpty()) {
        return false;
    }
    const QChar first = text.front();
    if (IsDigit(first) || first == u'.' || first == u'(') {
        return true;
    }
    for (const QLatin1String constant : kConstants) {
        if (text.startsWith(constant, Qt::CaseInsensitive)) {
            return true;
        }
    }
    for (const QLatin1String function : kFunctions) {
        if (text.startsWith(function, Qt::CaseInsensitive)) {
            return true;
        }
    }
    return false;
}

}  // namespace vimbo
