// SPDX-License-Identifier: MIT
#include "engine/operand_text.h"

#include <algorithm>
#include <cstddef>
#include <limits>

#include "engine/characters.h"

namespace vimbo {

namespace {

// Positions are 32-bit: a longer text is seen only up to the last position that can be named.
std::int64_t VisibleLength(std::string_view text) {
    return static_cast<std::int64_t>(
        std::min<std::size_t>(text.size(), std::numeric_limits<std::int32_t>::max()));
}

// The character at a 1-based position, '\0' outside the text (never a sign or an "E").
char At(std::string_view text, std::int64_t length, std::int64_t pos) {
    return pos >= 1 && pos <= length ? text[static_cast<std::size_t>(pos - 1)] : '\0';
}

// True when the operand, read without any `ignored` character, ends in `wanted`.
bool EndsWithIgnoring(std::string_view operand, char wanted, char ignored) {
    for (std::size_t i = operand.size(); i > 0; --i) {
        if (operand[i - 1] != ignored) {
            return operand[i - 1] == wanted;
        }
    }
    return false;
}

// What a "-" met leftwards at `pos` means, by the character before it.
struct MinusVerdict {
    bool accept;          // an exponent sign: it and the "E" belong to the operand
    std::int64_t stopAt;  // otherwise the scan stops here
};

MinusVerdict LeftwardMinus(std::string_view text, std::int64_t length, std::int64_t pos) {
    if (pos == 1) {
        return {false, pos - 1};  // a sign at the start of the text
    }
    switch (At(text, length, pos - 1)) {
        case '+':
        case '-':
        case '*':
        case '/':
            return {false, pos - 1};  // a sign: the operand begins at this "-"
        case '(':
            return {false, pos - 2};  // the operand begins at the "("
        case 'E':
        case 'e':
            return {true, 0};
        default:
            return {false, pos};  // a binary minus after a digit or ")"
    }
}

}  // namespace

OperandScan ScanOperand(std::string_view text, std::int32_t start, bool backward) {
    const std::int64_t length = VisibleLength(text);
    const std::int64_t step = backward ? -1 : 1;
    std::int64_t pos = start;
    bool skipNext = false;
    for (;;) {
        pos += step;
        if (pos > length || pos < 1) {
            break;
        }
        if (skipNext) {
            skipNext = false;
            continue;
        }
        const char c = At(text, length, pos);
        if (IsDigit(c) || c == '.' || c == ',' || c == '%' || c == '!' || c == '(' || c == ')') {
            continue;
        }
        if (IsExponentLetter(c)) {
            if (backward) {
                continue;
            }
            if (IsSign(At(text, length, pos + 1))) {
                skipNext = true;
                continue;
            }
            break;
        }
        if (c == '-') {
            if (!backward) {
                if (pos == std::int64_t{start} + 1) {
                    continue;
                }
                break;
            }
            const MinusVerdict verdict = LeftwardMinus(text, length, pos);
            if (verdict.accept) {
                skipNext = true;
                continue;
            }
            pos = verdict.stopAt;
            break;
        }
        if (c == '+' && backward && IsExponentLetter(At(text, length, pos - 1))) {
            skipNext = true;
            continue;
        }
        break;  // "+" otherwise, and every other character
    }
    pos -= step;

    OperandScan scan;
    scan.boundary = static_cast<std::int32_t>(pos);
    const std::int64_t first = backward ? pos : std::int64_t{start} + 1;
    const std::int64_t last = backward ? std::int64_t{start} - 1 : pos;
    if (last < first) {
        return scan;
    }
    const std::string_view operand = text.substr(static_cast<std::size_t>(first - 1),
                                                 static_cast<std::size_t>(last - first + 1));
    scan.endsWithPercent = EndsWithIgnoring(operand, '%', '!');
    scan.endsWithFactorial = EndsWithIgnoring(operand, '!', '%');
    scan.isParenthesized = operand.front() == '(' && operand.back() == ')';
    return scan;
}

bool IsPlainNumber(std::string_view text) {
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n && IsBlank(text[i])) {
        ++i;
    }
    if (i < n && IsSign(text[i])) {
        ++i;
    }
    bool seenDigit = false;
    bool seenPoint = false;
    for (; i < n; ++i) {
        const char c = text[i];
        if (IsDigit(c)) {
            seenDigit = true;
        } else if (c == '.' && !seenPoint) {
            seenPoint = true;
        } else if (c == ',') {
            // A group separator stands between two digits.
            if (i == 0 || !IsDigit(text[i - 1]) || i + 1 >= n || !IsDigit(text[i + 1])) {
                return false;
            }
        } else {
            break;
        }
    }
    if (!seenDigit) {
        return false;
    }
    if (i < n && IsExponentLetter(text[i])) {
        ++i;
        if (i < n && IsSign(text[i])) {
            ++i;
        }
        const std::size_t exponentStart = i;
        while (i < n && IsDigit(text[i])) {
            ++i;
        }
        if (i == exponentStart) {
            return false;
        }
    }
    while (i < n) {
        if (!IsBlank(text[i])) {
            return false;
        }
        ++i;
    }
    return true;
}

std::int32_t CountOccurrences(std::string_view text, std::string_view character) {
    if (character.empty()) {
        return 0;
    }
    std::int64_t count = 0;
    if (character.size() == 1) {
        count = std::count(text.begin(), text.end(), character.front());
    } else {
        // Each search after a hit starts one position after the hit.
        for (std::size_t at = text.find(character); at != std::string_view::npos;
             at = text.find(character, at + 1)) {
            ++count;
        }
    }
    return static_cast<std::int32_t>(
        std::min<std::int64_t>(count, std::numeric_limits<std::int32_t>::max()));
}

}  // namespace vimbo
