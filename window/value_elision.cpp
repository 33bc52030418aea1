// SPDX-License-Identifier: MIT
#include "window/value_elision.h"

#include <QStringView>
#include <algorithm>
#include <optional>

namespace vimbo {

namespace {

constexpr QChar kEllipsis = u'\u2026';

// A number as text: sign, digits with at most one ".", and an exponent ("E-11", as written).
struct NumberParts {
    QStringView sign;
    QStringView mantissa;
    QStringView exponent;
};

bool IsDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// -1 for a text without one.
qsizetype FirstSignificantDigit(QStringView text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (IsDigit(text[i]) && text[i] != u'0') {
            return i;
        }
    }
    return -1;
}

std::optional<NumberParts> SplitNumber(QStringView text) {
    qsizetype at = 0;
    const auto skipDigits = [&] {
        const qsizetype start = at;
        while (at < text.size() && IsDigit(text[at])) {
            ++at;
        }
        return at - start;
    };
    if (at < text.size() && (text[at] == u'-' || text[at] == u'+')) {
        ++at;
    }
    const qsizetype mantissaStart = at;
    qsizetype digits = skipDigits();
    if (at < text.size() && text[at] == u'.') {
        ++at;
        digits += skipDigits();
    }
    if (digits == 0) {
        return std::nullopt;
    }
    const qsizetype exponentStart = at;
    if (at < text.size() && (text[at] == u'E' || text[at] == u'e')) {
        ++at;
        if (at < text.size() && (text[at] == u'-' || text[at] == u'+')) {
            ++at;
        }
        if (skipDigits() == 0) {
            return std::nullopt;
        }
    }
    if (at != text.size()) {
        return std::nullopt;
    }
    return NumberParts{text.first(mantissaStart),
                       text.sliced(mantissaStart, exponentStart - mantissaStart),
                       text.sliced(exponentStart)};
}

// The largest n from `low` to `high` with fits(n), given fits(low): a text that grows with n
// is measured about log2(high - low) times, so even the longest typed value costs little.
template <typename Fits>
qsizetype Longest(qsizetype low, qsizetype high, const Fits& fits) {
    while (low < high) {
        const qsizetype middle = low + (high - low + 1) / 2;
        if (fits(middle)) {
            low = middle;
        } else {
            high = middle - 1;
        }
    }
    return low;
}

// The number in its own form, with digits gone from the end of the mantissa: only when the
// digits before the point and the first significant digit stay.
std::optional<QString> ShortenedMantissa(const NumberParts& number, int available,
                                         const TextWidth& width) {
    const QStringView mantissa = number.mantissa;
    const qsizetype point = mantissa.indexOf(u'.');
    if (point < 0) {
        return std::nullopt;
    }
    // The digits up to the point and one after it at least, and the first significant one.
    const qsizetype shortest = std::max(point + 2, FirstSignificantDigit(mantissa) + 1);
    if (shortest >= mantissa.size()) {
        return std::nullopt;  // no digit could go
    }
    const auto drawn = [&](qsizetype length) {
        return number.sign.toString() + mantissa.first(length).toString() + kEllipsis +
               number.exponent.toString();
    };
    const auto fits = [&](qsizetype length) { return width(drawn(length)) <= available; };
    if (!fits(shortest)) {
        return std::nullopt;
    }
    return drawn(Longest(shortest, mantissa.size() - 1, fits));
}

// The number as d.ddd…E±xx, from its first significant digit.
std::optional<QString> InExponentForm(const NumberParts& number, int available,
                                      const TextWidth& width) {
    qint64 writtenExponent = 0;
    if (!number.exponent.isEmpty()) {
        const QStringView digits = number.exponent.sliced(1);
        bool ok = false;
        writtenExponent = digits.size() <= 16 ? digits.toLongLong(&ok) : 0;
        if (!ok) {
            return std::nullopt;  // beyond any exponent that could be shifted and written
        }
    }
    QString digits = number.mantissa.toString();
    const qsizetype point = digits.indexOf(u'.');
    const qsizetype integerDigits = point < 0 ? digits.size() : point;
    if (point >= 0) {
        digits.remove(point, 1);
    }
    const qsizetype first = FirstSignificantDigit(digits);
    if (first < 0) {
        return std::nullopt;  // zero has no first significant digit
    }
    QString significant = digits.sliced(first);
    while (significant.endsWith(u'0')) {
        significant.chop(1);
    }
    const qint64 exponent = writtenExponent + integerDigits - first - 1;
    const QString exponentText = (exponent < 0 ? QStringLiteral("E-") : QStringLiteral("E+")) +
                                 QString::number(qAbs(exponent)).rightJustified(2, u'0');
    const QString lead = number.sign.toString() + significant[0];
    const QString whole =
        lead + (significant.size() > 1 ? u'.' + significant.sliced(1) : QString()) + exponentText;
    if (width(whole) <= available) {
        return whole;
    }
    const auto drawn = [&](qsizetype length) {
        return lead + u'.' + significant.sliced(1, length) + kEllipsis + exponentText;
    };
    const auto fits = [&](qsizetype length) { return width(drawn(length)) <= available; };
    if (significant.size() < 3 || !fits(1)) {
        return std::nullopt;
    }
    return drawn(Longest(1, significant.size() - 2, fits));
}

// The start of the text, as much as fits with the "…" after it.
QString ShortenedAtEnd(const QString& text, int available, const TextWidth& width) {
    const auto drawn = [&](qsizetype length) {
        // Never half of a character that takes two code units.
        if (length > 0 && text[length - 1].isHighSurrogate()) {
            --length;
        }
        return text.first(length) + kEllipsis;
    };
    const auto fits = [&](qsizetype length) { return width(drawn(length)) <= available; };
    return drawn(Longest(0, text.size() - 1, fits));
}

}  // namespace

QString ElidedValue(const QString& value, int available, const TextWidth& width) {
    if (width(value) <= available) {
        return value;
    }
    if (const std::optional<NumberParts> number = SplitNumber(value)) {
        if (std::optional<QString> drawn = ShortenedMantissa(*number, available, width)) {
            return *drawn;
        }
        if (std::optional<QString> drawn = InExponentForm(*number, available, width)) {
            return *drawn;
        }
    }
    return ShortenedAtEnd(value, available, width);
}

}  // namespace vimbo
