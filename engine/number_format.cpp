// SPDX-License-Identifier: MIT
#include "engine/engine.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

#include "engine/characters.h"
#include "engine/errors.h"
#include "engine/number_text.h"
#include "engine/operand_text.h"

namespace vimbo {

namespace {

// Adds one to a text of decimal digits.
void Increment(std::string& digits) {
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return;
        }
        *it = '0';
    }
    digits.insert(digits.begin(), '1');
}

// Reads the exponent of a number text ("+20", "-07").
int ExponentOf(std::string_view text) {
    const bool negative = !text.empty() && text.front() == '-';
    if (!text.empty() && IsSign(text.front())) {
        text.remove_prefix(1);
    }
    int exponent = 0;
    std::from_chars(text.data(), text.data() + text.size(), exponent);
    return negative ? -exponent : exponent;
}

// Rounds the digits of the value's number text, so the result agrees with what the user saw.
std::string TwoDecimals(double value) {
    const std::string text = NumberText(value);
    std::string_view rest = text;
    const bool negative = rest.front() == '-';
    if (negative) {
        rest.remove_prefix(1);
    }
    int exponent = 0;
    const std::size_t ePos = rest.find('E');
    if (ePos != std::string_view::npos) {
        exponent = ExponentOf(rest.substr(ePos + 1));
        rest = rest.substr(0, ePos);
    }
    const std::size_t dot = rest.find('.');
    const std::string_view integerPart = rest.substr(0, dot);
    std::string digits(integerPart);
    if (dot != std::string_view::npos) {
        digits.append(rest.substr(dot + 1));
    }
    // The digits before this index make up the value times 100.
    const std::int64_t kept = static_cast<std::int64_t>(integerPart.size()) + exponent + 2;
    const auto size = static_cast<std::int64_t>(digits.size());

    std::string hundredths;
    if (kept > 0) {
        hundredths = digits.substr(0, static_cast<std::size_t>(std::min(kept, size)));
        if (kept > size) {
            hundredths.append(static_cast<std::size_t>(kept - size), '0');
        }
    }
    if (kept >= 0 && kept < size && digits[static_cast<std::size_t>(kept)] >= '5') {
        Increment(hundredths);  // half away from zero: the magnitude rounds up
    }
    const std::size_t firstSignificant = hundredths.find_first_not_of('0');
    hundredths.erase(0, std::min(firstSignificant, hundredths.size()));
    const bool isZero = hundredths.empty();
    if (hundredths.size() < 3) {
        hundredths.insert(0, 3 - hundredths.size(), '0');
    }

    std::string out;
    out.reserve(hundredths.size() + 2);
    if (negative && !isZero) {
        out.push_back('-');  // a value that rounds to zero is written "0.00", never "-0.00"
    }
    out.append(hundredths, 0, hundredths.size() - 2);
    out.push_back('.');
    out.append(hundredths, hundredths.size() - 2, 2);
    return out;
}

}  // namespace

std::string FormatByPattern(double value, std::string_view pattern) {
    if (!std::isfinite(value)) {
        return std::string(kErrorText);
    }
    return pattern == kTwoDecimalsPattern ? TwoDecimals(value) : NumberText(value);
}

std::string FormatByPattern(std::string_view value, std::string_view pattern) {
    if (pattern != kTwoDecimalsPattern || !IsPlainNumber(value)) {
        return std::string(value);  // fractions and failure texts are shown as they are
    }
    try {
        return TwoDecimals(ReadNumberText(value));
    } catch (const EngineError&) {
        return std::string(kErrorText);  // beyond the double range
    }
}

double LeadingNumber(std::string_view text) {
    std::string compact;
    compact.reserve(text.size());
    for (const char c : text) {
        if (c != ' ' && c != '\t' && c != '\n') {
            compact.push_back(c);
        }
    }

    // The longest prefix that reads as a number: sign, digits with at most one ".", and an
    // exponent only when digits follow its letter.
    const std::size_t n = compact.size();
    std::size_t end = 0;
    if (end < n && IsSign(compact[end])) {
        ++end;
    }
    bool seenPoint = false;
    bool seenDigit = false;
    for (; end < n; ++end) {
        const char c = compact[end];
        if (c == '.' && !seenPoint) {
            seenPoint = true;
        } else if (IsDigit(c)) {
            seenDigit = true;
        } else {
            break;
        }
    }
    if (!seenDigit) {
        return 0.0;
    }
    if (end < n && (compact[end] == 'e' || compact[end] == 'E')) {
        std::size_t j = end + 1;
        if (j < n && IsSign(compact[j])) {
            ++j;
        }
        if (j < n && IsDigit(compact[j])) {
            while (j < n && IsDigit(compact[j])) {
                ++j;
            }
            end = j;
        }
    }
    const std::string_view number(compact.data(), end);
    try {
        return ReadNumberText(number);
    } catch (const EngineError&) {
        // Beyond the double range: the sum shows as "Error", not as a wrong finite number.
        return number.front() == '-' ? -std::numeric_limits<double>::infinity()
                                     : std::numeric_limits<double>::infinity();
    }
}

}  // namespace vimbo
