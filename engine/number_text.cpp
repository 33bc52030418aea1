// SPDX-License-Identifier: MIT
#include "engine/number_text.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <system_error>

#include "engine/characters.h"
#include "engine/checked_math.h"
#include "engine/errors.h"

namespace vimbo {

namespace {

constexpr int kSignificantDigits = 15;

}  // namespace

std::string NumberText(double value) {
    // An infinity or a NaN has no digits and no exponent to take apart below.
    checked::Check(value);
    if (value == 0.0) {
        return "0";  // also for -0
    }
    // to_chars gives the correctly rounded 15 digits, "d.dddddddddddddde+XX".
    std::array<char, 40> buf{};
    const auto res = std::to_chars(buf.data(), buf.data() + buf.size(), std::fabs(value),
                                   std::chars_format::scientific, kSignificantDigits - 1);
    const std::string_view sci(buf.data(), static_cast<std::size_t>(res.ptr - buf.data()));
    const std::size_t ePos = sci.find('e');

    std::string digits;
    digits.reserve(kSignificantDigits);
    for (std::size_t i = 0; i < ePos; ++i) {
        if (sci[i] != '.') {
            digits.push_back(sci[i]);
        }
    }
    while (digits.size() > 1 && digits.back() == '0') {
        digits.pop_back();
    }
    int exponent = 0;
    std::from_chars(sci.data() + ePos + (sci[ePos + 1] == '+' ? 2 : 1), sci.data() + sci.size(),
                    exponent);

    std::string out;
    out.reserve(24);
    if (value < 0.0) {
        out.push_back('-');
    }
    if (exponent < -4 || exponent > 14) {
        out.push_back(digits[0]);
        if (digits.size() > 1) {
            out.push_back('.');
            out.append(digits, 1, std::string::npos);
        }
        out.push_back('E');
        out.push_back(exponent < 0 ? '-' : '+');
        const int magnitude = exponent < 0 ? -exponent : exponent;
        if (magnitude < 10) {
            out.push_back('0');
        }
        out.append(std::to_string(magnitude));
    } else if (exponent >= 0) {
        const auto whole = static_cast<std::size_t>(exponent) + 1;
        if (digits.size() <= whole) {
            out.append(digits);
            out.append(whole - digits.size(), '0');
        } else {
            out.append(digits, 0, whole);
            out.push_back('.');
            out.append(digits, whole, std::string::npos);
        }
    } else {
        out.append("0.");
        out.append(static_cast<std::size_t>(-exponent - 1), '0');
        out.append(digits);
    }
    return out;
}

double ReadNumberText(std::string_view text) {
    std::size_t i = 0;
    std::size_t end = text.size();
    while (i < end && IsBlank(text[i])) {
        ++i;
    }
    while (end > i && IsBlank(text[end - 1])) {
        --end;
    }
    bool negative = false;
    if (i < end && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    // Rebuild the number without group separators, in the form from_chars reads.
    std::string clean;
    clean.reserve(end - i);
    // Decimal position of the first significant digit, to tell overflow from underflow.
    std::int64_t leadingPlace = 0;
    bool seenPoint = false;
    bool seenSignificant = false;
    std::int64_t integerDigits = 0;
    std::int64_t zerosAfterPoint = 0;
    for (; i < end; ++i) {
        const char c = text[i];
        if (c == ',') {
            continue;
        }
        if (c == 'e' || c == 'E') {
            break;
        }
        if (c == '.') {
            seenPoint = true;
        } else if (IsDigit(c)) {
            if (c != '0') {
                seenSignificant = true;
            }
            if (!seenPoint) {
                if (seenSignificant) {
                    ++integerDigits;
                }
            } else if (!seenSignificant) {
                ++zerosAfterPoint;
            }
        }
        clean.push_back(c);
    }
    leadingPlace = integerDigits > 0 ? integerDigits : -zerosAfterPoint;
    std::int64_t exponent = 0;
    if (i < end) {  // exponent part
        clean.push_back('e');
        ++i;
        bool negativeExponent = false;
        if (i < end && (text[i] == '+' || text[i] == '-')) {
            negativeExponent = text[i] == '-';
            clean.push_back(text[i]);
            ++i;
        }
        for (; i < end; ++i) {
            clean.push_back(text[i]);
            if (exponent < 1'000'000'000) {
                exponent = exponent * 10 + (text[i] - '0');
            }
        }
        if (negativeExponent) {
            exponent = -exponent;
        }
    }
    double value = 0.0;
    const auto res = std::from_chars(clean.data(), clean.data() + clean.size(), value);
    if (res.ec == std::errc::result_out_of_range) {
        if (!seenSignificant || leadingPlace + exponent <= 0) {
            value = 0.0;  // underflow is not an error
        } else {
            Raise(ErrorKind::Overflow);
        }
    } else if (res.ec != std::errc()) {
        Raise(ErrorKind::InvalidOperation);  // not a number text: callers check first
    }
    return negative ? -value : value;
}

}  // namespace vimbo
