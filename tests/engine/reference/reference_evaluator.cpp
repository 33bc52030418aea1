// SPDX-License-Identifier: MIT
// The rewriting evaluator written out step by step, with 1-based positions as the steps
// count them. Deliberately slow: no counts, no caches, no skipped steps.
#include "tests/engine/reference/reference_evaluator.h"

#include <cmath>
#include <cstdint>
#include <exception>
#include <map>
#include <string>

#include "engine/evaluator_steps.h"  // the nesting limit, shared so both end at the same depth
#include "engine/factorial.h"
#include "engine/fraction.h"
#include "engine/more_math.h"
#include "engine/number_text.h"
#include "engine/operand_text.h"
#include "engine/rounding.h"
#include "tests/engine/reference/failures.h"
#include "tests/engine/reference/functions.h"
#include "tests/engine/reference/preparation.h"
#include "tests/engine/reference/text_functions.h"

namespace vimbo::reference {

namespace {

struct Context {
    std::string_view previousOutput;
    AngleMode angleMode;
    int depth = 0;
};

// Every value the steps compute must be a finite double: an infinity is an overflow or a
// division by zero, a not-a-number an invalid operation or a domain error.
double Finite(double value) {
    if (!std::isfinite(value)) {
        throw Failure();
    }
    return value;
}

double ReadNumber(const std::string& text) {
    if (!IsPlainNumber(text)) {
        throw Failure();
    }
    return ReadNumberText(text);
}

std::string Evaluate(std::string_view input, const Context& context);

// EvaluateExpression as a nested call sees it: any result text that is not a plain number
// fails the caller.
std::string EvaluateInner(const std::string& inner, const Context& context) {
    if (context.depth >= detail::kMaxNestingDepth) {
        throw Failure();
    }
    std::string result;
    try {
        result =
            Evaluate(inner, Context{context.previousOutput, context.angleMode, context.depth + 1});
    } catch (const std::exception&) {
        throw Failure();
    }
    if (!IsPlainNumber(result)) {
        throw Failure();
    }
    return result;
}

// Key "P" + position of a "(", value the position of its ")".
using PairTable = std::map<std::string, Pos>;

std::string Key(Pos open) {
    return "P" + std::to_string(open);
}

PairTable Pair(const std::string& s) {
    PairTable pairs;
    std::string copy = s;
    for (Pos close = InStr(copy, ")"); close != 0; close = InStr(copy, ")", close + 1)) {
        if (close == 1) {
            throw Failure();  // nothing in front of it to search
        }
        const Pos open = InStrRev(copy, "(", close - 1);
        if (open == 0) {
            throw SyntaxFailure();
        }
        pairs[Key(open)] = close;
        copy[static_cast<std::size_t>(open - 1)] = '<';
        copy[static_cast<std::size_t>(close - 1)] = '>';
    }
    return pairs;
}

Pos Closing(const PairTable& pairs, Pos open) {
    const auto it = pairs.find(Key(open));
    if (it == pairs.end()) {
        throw Failure();
    }
    return it->second;
}

bool FunctionStep(std::string& s, const PairTable& pairs, const Context& context) {
    static const char* const kNames[] = {"log(", "ln(",  "exp(", "sin(", "asn(", "cos(",
                                         "acs(", "tan(", "atn(", "sqr(", "int(", "abs("};
    for (const std::string name : kNames) {
        const Pos p = name == "sqr(" ? InStrRev(s, name, Length(s)) : InStr(s, name);
        if (p == 0) {
            continue;
        }
        const Pos open = p + Length(name) - 1;
        const Pos z = Closing(pairs, open);
        const double x = ReadNumberText(EvaluateInner(Mid(s, open + 1, z - 1), context));
        ReplaceRange(s, p, z, NumberText(Finite(ApplyFunction(name, x, context.angleMode))));
        return true;
    }
    return false;
}

bool GroupStep(std::string& s, const PairTable& pairs, const Context& context) {
    for (Pos open = InStr(s, "("); open != 0; open = InStr(s, "(", open + 1)) {
        const Pos z = Closing(pairs, open);
        const std::string inner = Mid(s, open + 1, z - 1);
        if (IsPlainNumber(inner)) {
            if (CharAt(s, z + 1) == "^") {
                continue;
            }
            ReplaceRange(s, open, z, EvaluateInner(inner, context));
        } else {
            ReplaceRange(s, open + 1, z - 1, EvaluateInner(inner, context));
        }
        return true;
    }
    return false;
}

// The operand rule: signs and, for a power, parentheses deleted; the rest must be a number;
// then the postfix signs the scan reported.
double OperandValue(const std::string& operand, const OperandScan& scan, bool forPower) {
    double v = ReadNumber(Without(operand, forPower ? "%!()" : "%!"));
    if (forPower) {
        if (scan.endsWithPercent) {
            v = v / 100;
        }
        if (scan.endsWithFactorial) {
            v = Factorial(v);
        }
    } else {
        if (scan.endsWithFactorial) {
            v = Factorial(v);
        }
        if (scan.endsWithPercent) {
            v = v / 100;
        }
    }
    return v;
}

// Both operands of the operator whose first character is at `op` and last at `opLast`, the
// operation applied, and the result written back in place of operands and operator.
template <typename Operation>
void ComputeBinary(std::string& s, Pos op, Pos opLast, bool forPower, Operation operation) {
    const OperandScan left = ScanOperand(s, op, true);
    const OperandScan right = ScanOperand(s, opLast, false);
    const double a = OperandValue(Mid(s, left.boundary, op - 1), left, forPower);
    const double b = OperandValue(Mid(s, opLast + 1, right.boundary), right, forPower);
    ReplaceRange(s, left.boundary, right.boundary, NumberText(Finite(operation(a, b, left))));
}

bool PowerStep(std::string& s) {
    const Pos op = InStrRev(s, "^", Length(s));
    if (op == 0) {
        return false;
    }
    ComputeBinary(s, op, op, true, [](double base, double exponent, const OperandScan& left) {
        if (left.isParenthesized) {
            return Finite(std::pow(base, exponent));
        }
        const double magnitude = Finite(std::pow(std::fabs(base), exponent));
        return IsNegative(base) ? Negate(magnitude) : magnitude;
    });
    return true;
}

bool MultiplicativeStep(std::string& s) {
    const Pos times = InStr(s, "*");
    const Pos divide = InStr(s, "/");
    const Pos mod = InStr(s, "mod");
    Pos op = 0;
    for (const Pos pos : {times, divide, mod}) {
        if (pos != 0 && (op == 0 || pos < op)) {
            op = pos;
        }
    }
    if (op == 0) {
        return false;
    }
    if (op == mod) {
        ComputeBinary(s, op, op + 2, false,
                      [](double a, double b, const OperandScan&) { return MoreMath::FMod(a, b); });
    } else if (op == times) {
        ComputeBinary(s, op, op, false,
                      [](double a, double b, const OperandScan&) { return a * b; });
    } else {
        ComputeBinary(s, op, op, false, [](double a, double b, const OperandScan&) {
            if (b == 0) {
                throw Failure();
            }
            return a / b;
        });
    }
    return true;
}

bool AdditiveStep(std::string& s) {
    Pos a = InStr(s, "+");
    Pos m = InStr(s, "-", 2);  // a "-" at position 1 is the first number's sign
    while (a != 0 || m != 0) {
        const bool plus = m == 0 || (a != 0 && a < m);
        const Pos op = plus ? a : m;
        if (op == 1) {
            throw Failure();  // a leading "+" has no character in front of it
        }
        // The sign of an exponent, as written ("E") or typed ("e", lower-cased).
        const std::string before = CharAt(s, op - 1);
        if (before == "E" || before == "e") {
            if (plus) {
                a = InStr(s, "+", a + 1);
            } else {
                m = InStr(s, "-", m + 1);
            }
            continue;
        }
        ComputeBinary(s, op, op, false, [plus](double x, double y, const OperandScan&) {
            return plus ? x + y : x - y;
        });
        return true;
    }
    return false;
}

// No operator left: "!" first, then "%", by the last sign of the text without the other.
void LoneOperandRule(std::string& s) {
    const bool factorial = EndsWith(Without(s, "%"), "!");
    const bool percent = EndsWith(Without(s, "!"), "%");
    if (factorial) {
        s = NumberText(Factorial(ReadNumber(Without(s, "%!"))));
    }
    if (percent) {
        s = NumberText(ReadNumber(Without(s, "%!")) / 100);
    }
}

// Nearest whole number, a half to the even neighbour, as a signed 32-bit count.
std::int32_t WholePlaces(double v) {
    double whole = std::floor(v);
    const double fraction = v - whole;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0.0)) {
        whole += 1;
    }
    if (whole < -2147483648.0 || whole > 2147483647.0) {
        throw Failure();
    }
    return static_cast<std::int32_t>(whole);
}

std::string Finish(const std::string& normalised, std::string s) {
    if (!IsPlainNumber(s)) {
        throw Failure();
    }
    const std::string roundTo = ">roundto(";
    if (const Pos u = InStr(normalised, roundTo); u != 0) {
        const Pos t = InStr(normalised, ")", u);
        const Pos placesEnd = t == 0 ? Length(normalised) : t - 1;
        const double places = ReadNumber(Mid(normalised, u + Length(roundTo), placesEnd));
        s = NumberText(RoundToPlaces(ReadNumberText(s), WholePlaces(places)));
    }
    if (InStr(normalised, ">frac") != 0) {
        s = ToFractionText(ReadNumberText(s));
    }
    return s;
}

std::string Evaluate(std::string_view input, const Context& context) {
    const std::string normalised = Normalise(input, context.previousOutput, context.depth == 0);
    const Pos arrow = InStr(normalised, ">");
    std::string s = arrow == 0 ? normalised : Mid(normalised, 1, arrow - 1);

    const Pos opening = CountOccurrences(s, "(");
    const Pos closing = CountOccurrences(s, ")");
    if (closing > opening) {
        throw SyntaxFailure();
    }
    s += std::string(static_cast<std::size_t>(opening - closing), ')');
    InsertImplicitMultiplication(s);

    while (true) {
        if (IsPlainNumber(s)) {
            s = NumberText(ReadNumberText(s));
            break;
        }
        s = RewriteSigns(s);
        const PairTable pairs = Pair(s);
        if (FunctionStep(s, pairs, context) || GroupStep(s, pairs, context) || PowerStep(s) ||
            MultiplicativeStep(s) || AdditiveStep(s)) {
            continue;
        }
        LoneOperandRule(s);
        break;
    }
    return Finish(normalised, s);
}

}  // namespace

std::string EvaluateExpression(std::string_view text, std::string_view previousOutput,
                               AngleMode angleMode) {
    try {
        return Evaluate(text, Context{previousOutput, angleMode, 0});
    } catch (const SyntaxFailure&) {
        return "Syntax error";
    } catch (const std::exception&) {
        return "Error";
    }
}

}  // namespace vimbo::reference
