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

namespace vimbo::reference {

namespace {

// Ends the call with "Error".
class Failure : public std::exception {
  public:
    const char* what() const noexcept override { return "error"; }
};

// Unbalanced parentheses: "Syntax error" from the outermost call, "Error" from a nested one.
class SyntaxFailure : public std::exception {
  public:
    const char* what() const noexcept override { return "syntax error"; }
};

struct Context {
    std::string_view previousOutput;
    std::string_view angleMode;
    int depth = 0;
};

using Pos = std::int32_t;

// --- Text helpers, 1-based and inclusive, in the manner of the classic string functions.

Pos Length(const std::string& s) {
    return static_cast<Pos>(s.size());
}

// The character at `pos` as a one-character text; empty outside the text.
std::string CharAt(const std::string& s, Pos pos) {
    return pos >= 1 && pos <= Length(s) ? s.substr(static_cast<std::size_t>(pos - 1), 1) : "";
}

// Characters first..last; empty when last < first.
std::string Mid(const std::string& s, Pos first, Pos last) {
    if (first < 1) {
        first = 1;
    }
    if (last > Length(s)) {
        last = Length(s);
    }
    if (last < first) {
        return "";
    }
    return s.substr(static_cast<std::size_t>(first - 1),
                    static_cast<std::size_t>(last - first + 1));
}

// First occurrence of `what` starting at position `from`; 0 when there is none.
Pos InStr(const std::string& s, const std::string& what, Pos from = 1) {
    if (from < 1) {
        from = 1;
    }
    if (from > Length(s)) {
        return 0;
    }
    const std::size_t at = s.find(what, static_cast<std::size_t>(from - 1));
    return at == std::string::npos ? 0 : static_cast<Pos>(at) + 1;
}

// Last occurrence of `what` that starts at or before position `from`; 0 when there is none.
Pos InStrRev(const std::string& s, const std::string& what, Pos from) {
    if (from < 1) {
        return 0;
    }
    const std::size_t at = s.rfind(what, static_cast<std::size_t>(from - 1));
    return at == std::string::npos ? 0 : static_cast<Pos>(at) + 1;
}

// Characters first..last replaced by `with` (last = first - 1 inserts in front of first).
void ReplaceRange(std::string& s, Pos first, Pos last, const std::string& with) {
    s.replace(static_cast<std::size_t>(first - 1), static_cast<std::size_t>(last - first + 1),
              with);
}

// Every occurrence, left to right and without overlapping.
std::string ReplaceEvery(const std::string& s, const std::string& what, const std::string& with) {
    std::string out;
    Pos from = 1;
    for (Pos at = InStr(s, what); at != 0; at = InStr(s, what, from)) {
        out += Mid(s, from, at - 1) + with;
        from = at + Length(what);
    }
    return out + Mid(s, from, Length(s));
}

std::string Without(const std::string& s, const std::string& characters) {
    std::string out;
    for (const char c : s) {
        if (characters.find(c) == std::string::npos) {
            out += c;
        }
    }
    return out;
}

bool EndsWith(const std::string& s, const std::string& tail) {
    return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

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

// --- Normalisation.

std::string Normalise(std::string_view input, const Context& context) {
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
    if (context.depth == 0) {
        const std::string ans = context.previousOutput.empty()
                                    ? std::string("0")
                                    : "(" + std::string(context.previousOutput) + ")";
        text = ReplaceEvery(text, "ans", ans);
    }
    return text;
}

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

// --- The reduction loop.

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

double InAngleUnit(const Context& context, double x, double (*deg)(double), double (*rad)(double),
                   double (*grad)(double)) {
    if (context.angleMode == "DEG") {
        return deg(x);
    }
    if (context.angleMode == "RAD") {
        return rad(x);
    }
    if (context.angleMode == "GRAD") {
        return grad(x);
    }
    throw Failure();
}

double Sine(double x) {
    return std::sin(x);
}
double Cosine(double x) {
    return std::cos(x);
}
double Tangent(double x) {
    return std::tan(x);
}
double ArcTangent(double x) {
    return std::atan(x);
}

double ApplyFunction(const std::string& name, double x, const Context& context) {
    using namespace MoreMath;
    if (name == "log(") {
        return Log10(x);
    }
    if (name == "ln(") {
        return std::log(x);
    }
    if (name == "exp(") {
        return std::exp(x);
    }
    if (name == "sin(") {
        return InAngleUnit(context, x, SinDeg, Sine, SinGrad);
    }
    if (name == "asn(") {
        return InAngleUnit(context, x, ArcSinDeg, ArcSin, ArcSinGrad);
    }
    if (name == "cos(") {
        return InAngleUnit(context, x, CosDeg, Cosine, CosGrad);
    }
    if (name == "acs(") {
        return InAngleUnit(context, x, ArcCosDeg, ArcCos, ArcCosGrad);
    }
    if (name == "tan(") {
        return InAngleUnit(context, x, TanDeg, Tangent, TanGrad);
    }
    if (name == "atn(") {
        return InAngleUnit(context, x, ArcTanDeg, ArcTangent, ArcTanGrad);
    }
    if (name == "sqr(") {
        return std::sqrt(x);
    }
    if (name == "int(") {
        return std::trunc(x);
    }
    return std::fabs(x);  // "abs("
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
        ReplaceRange(s, p, z, NumberText(Finite(ApplyFunction(name, x, context))));
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
    const std::string normalised = Normalise(input, context);
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
                               std::string_view angleMode) {
    try {
        return Evaluate(text, Context{previousOutput, angleMode, 0});
    } catch (const SyntaxFailure&) {
        return "Syntax error";
    } catch (const std::exception&) {
        return "Error";
    }
}

}  // namespace vimbo::reference
