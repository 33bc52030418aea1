// SPDX-License-Identifier: MIT
#include "tests/engine/reference/preparation.h"

#include "engine/engine.h"
#include "engine/more_math.h"
#include "engine/number_text.h"
#include "tests/engine/reference/text_functions.h"

namespace vimbo::reference {

namespace {

// A one-character text IsPlainNumber accepts is a digit.
bool IsDigitText(const std::string& c) {
    return !c.empty() && IsPlainNumber(c);
}

// The ")" that closes the "(" at `open`, by counting; 0 when none does.
Pos ClosingByCount(const std::string& s, Pos open) {
    int depth = 0;
    for (Pos pos = open; pos <= Length(s); ++pos) {
        const std::string c = CharAt(s, pos);
        if (c == "(") {
            ++depth;
        } else if (c == ")") {
            --depth;
            if (depth == 0) {
                return pos;
            }
        }
    }
    return 0;
}

}  // namespace

std::string Normalise(std::string_view input, std::string_view previousOutput, bool outermost) {
    std::string text;
    for (char c : input) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
        text += c;
    }
    text = ReplaceEvery(text, " ", "");
    text = ReplaceEvery(text, "pi", ReplaceEvery(NumberText(MoreMath::Pi()), ",", "."));
    // Only the outermost call substitutes "ans": a previous output holding "ans" must not
    // grow again at every level of nesting.
    if (outermost) {
        const std::string ans =
            previousOutput.empty() ? std::string("0") : "(" + std::string(previousOutput) + ")";
        text = ReplaceEvery(text, "ans", ans);
    }
    return text;
}

void InsertImplicitMultiplication(std::string& s) {
    Pos c = 0;
    while (true) {
        const Pos o = InStr(s, "(", c + 1);
        const Pos k = InStr(s, ")", c + 1);
        if (o == 0 && k == 0) {
            return;
        }
        if (o == 0 || o == 1 || (k != 0 && k < o)) {
            if (k == 0) {
                return;  // a lone "(" at position 1 with no ")" anywhere: nothing to handle
            }
            c = k;
            const std::string after = CharAt(s, k + 1);
            if (IsDigitText(after) || after == "(") {
                ReplaceRange(s, k + 1, k, "*");
            }
            continue;
        }
        c = o;
        const std::string p = CharAt(s, o - 1);
        if (IsDigitText(p) || p == ")") {
            ReplaceRange(s, o, o - 1, "*");
        } else if (p == "-") {
            const std::string beforeSign = CharAt(s, o - 2);
            if (o != 2 && (beforeSign == "*" || beforeSign == "/")) {
                const Pos z = ClosingByCount(s, o);
                if (z != 0) {
                    ReplaceRange(s, o - 1, z, "(-1*" + Mid(s, o, z) + ")");
                }
            } else {
                ReplaceRange(s, o, o - 1, "1*");
            }
        }
    }
}

std::string RewriteSigns(std::string s) {
    while (true) {
        const std::string before = s;
        for (Pos m = InStr(s, "--"); m != 0; m = InStr(s, "--", m + 1)) {
            ReplaceRange(s, m, m + 1, m == 1 ? "" : "+");
        }
        for (Pos m = InStr(s, "+-"); m != 0; m = InStr(s, "+-", m + 1)) {
            ReplaceRange(s, m, m, "");
        }
        for (Pos m = InStr(s, "-+"); m != 0; m = InStr(s, "-+", m + 1)) {
            ReplaceRange(s, m + 1, m + 1, "");
        }
        s = ReplaceEvery(s, "++", "+");
        if (s == before) {
            return s;
        }
    }
}

}  // namespace vimbo::reference
