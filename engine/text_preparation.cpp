// SPDX-License-Identifier: MIT
#include "engine/text_preparation.h"

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

#include "engine/characters.h"
#include "engine/more_math.h"
#include "engine/number_text.h"

namespace vimbo::detail {

namespace {

// Every occurrence of `what`, left to right and without overlapping, replaced by `with`.
std::string ReplaceAll(std::string text, std::string_view what, std::string_view with) {
    std::size_t at = text.find(what);
    if (at == std::string::npos) {
        return text;
    }
    std::string out;
    out.reserve(text.size());
    std::size_t from = 0;
    while (at != std::string::npos) {
        out.append(text, from, at - from);
        out.append(with);
        from = at + what.size();
        at = text.find(what, from);
    }
    out.append(text, from, std::string::npos);
    return out;
}

// False when no parenthesis from `from` on stands where the pass below would insert
// anything, so that the pass can leave the text as it is without copying it.
bool ImplicitMultiplicationPossible(const std::string& text, std::size_t from) {
    for (std::size_t k = from; k < text.size(); ++k) {
        if (text[k] == ')' && k + 1 < text.size() && (IsDigit(text[k + 1]) || text[k + 1] == '(')) {
            return true;
        }
        if (text[k] == '(' && k > from &&
            (IsDigit(text[k - 1]) || text[k - 1] == ')' || text[k - 1] == '-')) {
            return true;
        }
    }
    return false;
}

// Rules "--", "+-", "-+" and "++" as one sweep, repeated until nothing changes.
std::string RewriteSigns(std::string text) {
    while (true) {
        const std::string before = text;
        // "--": deleted at position 1, "+" elsewhere.
        for (std::size_t at = text.find("--"); at != std::string::npos;
             at = text.find("--", at + 1)) {
            if (at == 0) {
                text.erase(0, 2);
            } else {
                text.replace(at, 2, "+");
            }
        }
        for (std::size_t at = text.find("+-"); at != std::string::npos;
             at = text.find("+-", at + 1)) {
            text.erase(at, 1);
        }
        for (std::size_t at = text.find("-+"); at != std::string::npos;
             at = text.find("-+", at + 1)) {
            text.erase(at + 1, 1);
        }
        text = ReplaceAll(std::move(text), "++", "+");
        if (text == before) {
            return text;
        }
    }
}

}  // namespace

// Lower-casing (ASCII only), spaces removed, "pi" and "ans" substituted. "ans" is
// substituted by the outermost call only: a nested text holds the previous output already,
// and substituting it again would let a previous output that itself holds "ans" (possible
// from the command line) grow the text at every level.
std::string Normalise(std::string_view input, std::string_view previousOutput, bool substituteAns) {
    std::string text(input.size(), '\0');
    std::size_t length = 0;
    for (const char c : input) {
        if (c != ' ') {
            text[length++] = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
        }
    }
    text.resize(length);
    text = ReplaceAll(std::move(text), "pi", NumberText(MoreMath::Pi()));
    if (substituteAns && text.find("ans") != std::string::npos) {
        const std::string ans =
            previousOutput.empty() ? std::string("0") : "(" + std::string(previousOutput) + ")";
        text = ReplaceAll(std::move(text), "ans", ans);
    }
    return text;
}

// The multiplications the user left implicit next to parentheses, and negated groups.
// One forward pass over the parentheses: a ")" followed by a digit or "(" gets a "*" after
// it; a "(" after a digit or ")" gets a "*" in front, one after a "-" gets "1*" in front,
// unless the "-" follows "*" or "/": then the "-" and the whole group become "(-1*" + the
// group + ")". A "(" at position 1 is never handled, nor any "(" in front of the first ")"
// after it. The text is copied once, with the closing parenthesis of every "(" found
// beforehand, so a long text of many groups costs no more than its length.
void InsertImplicitMultiplication(std::string& text) {
    constexpr std::size_t kNone = std::string::npos;
    const std::size_t n = text.size();
    std::size_t i = 0;
    if (n != 0 && text.front() == '(') {
        i = text.find(')');
        if (i == kNone) {
            return;
        }
    }
    if (!ImplicitMultiplicationPossible(text, i)) {
        return;
    }
    std::vector<std::size_t> closing;  // of every "(", found at the first negated group
    const auto closingOf = [&](std::size_t open) {
        if (closing.empty()) {
            closing.assign(n, kNone);
            std::vector<std::size_t> opened;
            for (std::size_t k = i; k < n; ++k) {
                if (text[k] == '(') {
                    opened.push_back(k);
                } else if (text[k] == ')' && !opened.empty()) {
                    closing[opened.back()] = k;
                    opened.pop_back();
                }
            }
        }
        return closing[open];
    };
    std::vector<bool> closesNegatedGroup;  // a ")" to put after this one
    std::string out;
    out.reserve(n + 16);
    out.append(text, 0, i);
    for (; i < n; ++i) {
        const char c = text[i];
        if (c == '(') {
            const char before = out.back();  // out holds at least the character in front
            if (IsDigit(before) || before == ')') {
                out.push_back('*');
            } else if (before == '-') {
                const char beforeSign = out.size() >= 2 ? out[out.size() - 2] : '\0';
                if (out.size() == 1 || (beforeSign != '*' && beforeSign != '/')) {
                    out.append("1*");
                } else if (const std::size_t close = closingOf(i); close != kNone) {
                    // 2*-(3+4) becomes 2*(-1*(3+4)); the operator in front stays.
                    out.back() = '(';
                    out.append("-1*");
                    closesNegatedGroup.resize(n, false);
                    closesNegatedGroup[close] = true;
                }
            }
            out.push_back('(');
        } else if (c == ')') {
            out.push_back(')');
            if (!closesNegatedGroup.empty() && closesNegatedGroup[i]) {
                out.push_back(')');
            }
            if (i + 1 < n && (IsDigit(text[i + 1]) || text[i + 1] == '(')) {
                out.push_back('*');
            }
        } else {
            out.push_back(c);
        }
    }
    text = std::move(out);
}

// The sign rules where two signs may stand together. The rules act within one run of signs
// and never join two runs, so each run is rewritten on its own, as the whole text would be;
// only a run at position 1 loses a leading "--".
void RewriteSignPairs(ExpressionText& text) {
    std::int32_t to = text.signPairsTo();
    for (std::int32_t pos = text.signPairsFrom(); pos <= to; ++pos) {
        if (!IsSign(text.At(pos)) || !IsSign(text.At(pos + 1))) {
            continue;
        }
        std::int32_t first = pos;
        while (IsSign(text.At(first - 1))) {
            --first;
        }
        std::int32_t last = pos + 1;
        while (IsSign(text.At(last + 1))) {
            ++last;
        }
        const std::string_view run = text.Slice(first, last);
        std::string rewritten = first == 1 ? RewriteSigns(std::string(run))
                                           : RewriteSigns("0" + std::string(run)).substr(1);
        if (rewritten != run) {
            text.Replace(first, last, rewritten);
        }
        const auto shrunk = static_cast<std::int32_t>(run.size() - rewritten.size());
        to -= shrunk;
        pos = last - shrunk;
    }
    text.clearSignPairs();  // no two signs stand together any more
}

}  // namespace vimbo::detail
