// SPDX-License-Identifier: MIT
#include "engine/engine.h"

#include <algorithm>
#include <cmath>
#include <exception>
#include <utility>

#include "engine/characters.h"
#include "engine/checked_math.h"
#include "engine/errors.h"
#include "engine/evaluator_steps.h"
#include "engine/more_math.h"
#include "engine/number_text.h"
#include "engine/operand_text.h"

namespace vimbo {

namespace detail {

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

// Lower-casing (ASCII only), spaces removed, "pi" and "ans" substituted. "ans" is
// substituted by the outermost call only: a nested text holds the previous output already,
// and substituting it again would let a previous output that itself holds "ans" (possible
// from the command line) grow the text at every level.
std::string Normalise(std::string_view input, std::string_view previousOutput, bool substituteAns) {
    std::string text;
    text.reserve(input.size());
    for (const char c : input) {
        if (c == ' ') {
            continue;
        }
        text.push_back(c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c);
    }
    text = ReplaceAll(std::move(text), "pi", NumberText(MoreMath::Pi()));
    if (substituteAns && text.find("ans") != std::string::npos) {
        const std::string ans =
            previousOutput.empty() ? std::string("0") : "(" + std::string(previousOutput) + ")";
        text = ReplaceAll(std::move(text), "ans", ans);
    }
    return text;
}

// 1-based position of the ")" closing the "(" at `open`, 0 when none closes it.
std::size_t ClosingOf(const std::string& text, std::size_t open) {
    int depth = 0;
    for (std::size_t i = open; i <= text.size(); ++i) {
        const char c = text[i - 1];
        if (c == '(') {
            ++depth;
        } else if (c == ')' && --depth == 0) {
            return i;
        }
    }
    return 0;
}

// The multiplications the user left implicit next to parentheses, and negated groups.
// One forward pass; the cursor only moves forward past what it handled.
void InsertImplicitMultiplication(std::string& text) {
    const auto at = [&text](std::size_t pos) { return text[pos - 1]; };  // 1-based
    // The next "(" and ")" after the cursor, kept between steps so that the pass stays
    // linear on long texts: a position is searched again only once the cursor passed it.
    constexpr std::size_t kUnknown = static_cast<std::size_t>(-1);
    std::size_t cursor = 0;
    std::size_t open = kUnknown;
    std::size_t close = kUnknown;
    const auto next = [&](char c, std::size_t& cached) {
        if (cached == kUnknown || (cached != 0 && cached <= cursor)) {
            const std::size_t found = text.find(c, cursor);  // index cursor = position + 1
            cached = found == std::string::npos ? 0 : found + 1;
        }
        return cached;
    };
    const auto insert = [&](std::size_t index, std::string_view what) {
        text.insert(index, what);
        for (std::size_t* cached : {&open, &close}) {
            if (*cached != kUnknown && *cached != 0 && *cached > index) {
                *cached += what.size();
            }
        }
    };
    while (true) {
        next('(', open);
        next(')', close);
        if (open == 0 && close == 0) {
            return;
        }
        if (open == 0 || open == 1 || (close != 0 && close < open)) {
            if (close == 0) {
                return;  // only a "(" at position 1 is left, which is never handled
            }
            cursor = close;
            if (close < text.size() && (IsDigit(at(close + 1)) || at(close + 1) == '(')) {
                insert(close, "*");
            }
            continue;
        }
        cursor = open;
        const char before = at(open - 1);
        if (IsDigit(before) || before == ')') {
            insert(open - 1, "*");
        } else if (before == '-') {
            const char beforeSign = open >= 3 ? at(open - 2) : '\0';
            if (open == 2 || (beforeSign != '*' && beforeSign != '/')) {
                insert(open - 1, "1*");
            } else if (const std::size_t end = ClosingOf(text, open); end != 0) {
                // 2*-(3+4) becomes 2*(-1*(3+4)); the operator in front stays.
                std::string group = "(-1*";
                group.append(text, open - 1, end - open + 1);
                group.push_back(')');
                text.replace(open - 2, end - open + 2, group);
                open = kUnknown;
                close = kUnknown;
            }
        }
    }
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

// Pairs every ")" with the last unpaired "(" in front of it.
void BuildPairTable(const ExpressionText& text, PairTable& closeOf) {
    closeOf.assign(static_cast<std::size_t>(text.size()) + 1, 0);
    std::vector<std::int32_t> open;
    open.reserve(static_cast<std::size_t>(text.Count('(')));
    const std::string& s = text.str();
    for (std::int32_t pos = 1; pos <= text.size(); ++pos) {
        const char c = s[static_cast<std::size_t>(pos - 1)];
        if (c == '(') {
            open.push_back(pos);
        } else if (c == ')') {
            if (pos == 1) {
                Fail();  // nothing in front of it to search
            }
            if (open.empty()) {
                throw SyntaxFailure();
            }
            closeOf[static_cast<std::size_t>(open.back())] = pos;
            open.pop_back();
        }
    }
}

// Groups from left to right: a plain group is replaced by its value unless a "^" follows
// it; any other group has its inner text replaced by its value.
bool GroupStep(ExpressionText& text, const PairTable& closeOf, const EvalContext& context) {
    for (std::int32_t open = text.Find("("); open != 0; open = text.Find("(", open + 1)) {
        const std::int32_t close = closeOf[static_cast<std::size_t>(open)];
        if (close == 0) {
            Fail();
        }
        const std::string_view inner = text.Slice(open + 1, close - 1);
        if (IsPlainNumber(inner)) {
            if (text.At(close + 1) == '^') {
                continue;
            }
            text.Replace(open, close, EvaluateNested(inner, context));
        } else {
            text.Replace(open + 1, close - 1, EvaluateNested(inner, context));
        }
        return true;
    }
    return false;
}

// The two operands around the operator at `op` (`length` characters long), as the scans
// delimit them, with their values.
struct Operands {
    OperandScan left;
    OperandScan right;
    double a = 0.0;
    double b = 0.0;
};

Operands ReadOperands(const ExpressionText& text, std::int32_t op, std::int32_t length,
                      bool forPower) {
    Operands operands;
    operands.right = ScanOperand(text.str(), op + length - 1, false);
    operands.left = ScanOperand(text.str(), op, true);
    operands.a =
        OperandValue(text.Slice(operands.left.boundary, op - 1), operands.left.endsWithPercent,
                     operands.left.endsWithFactorial, forPower);
    operands.b =
        OperandValue(text.Slice(op + length, operands.right.boundary),
                     operands.right.endsWithPercent, operands.right.endsWithFactorial, forPower);
    return operands;
}

// The rightmost "^": powers group from the right. An unparenthesised negative base is
// raised by its magnitude and the sign put back, so -2^2 is -4.
bool PowerStep(ExpressionText& text) {
    const std::int32_t op = text.FindLast("^");
    if (op == 0) {
        return false;
    }
    const auto [left, right, base, exponent] = ReadOperands(text, op, 1, true);
    double result = 0.0;
    if (left.isParenthesized) {
        result = checked::Pow(base, exponent);
    } else {
        result = checked::Pow(std::fabs(base), exponent);
        if (IsNegative(base)) {
            result = Negate(result);
        }
    }
    text.Replace(left.boundary, right.boundary, NumberText(result));
    return true;
}

// "*", "/" and "mod": one precedence, the leftmost first.
bool MultiplicativeStep(ExpressionText& text) {
    const std::int32_t times = text.Find("*");
    const std::int32_t divide = text.Find("/");
    const std::int32_t mod = text.Find("mod");
    std::int32_t op = 0;
    for (const std::int32_t pos : {times, divide, mod}) {
        if (pos != 0 && (op == 0 || pos < op)) {
            op = pos;
        }
    }
    if (op == 0) {
        return false;
    }
    const bool isMod = op == mod;
    const auto [left, right, a, b] = ReadOperands(text, op, isMod ? 3 : 1, false);
    double result = 0.0;
    if (isMod) {
        result = MoreMath::FMod(a, b);
    } else if (op == times) {
        result = checked::Mul(a, b);
    } else {
        result = checked::Div(a, b);
    }
    text.Replace(left.boundary, right.boundary, NumberText(result));
    return true;
}

// The leftmost "+" or "-" between two operands. A "-" at position 1 is the first number's
// sign; a sign after an exponent letter belongs to the number (typed 1e-5 as well).
bool AdditiveStep(ExpressionText& text) {
    std::int32_t plus = text.Find("+");
    std::int32_t minus = text.Find("-", 2);
    while (plus != 0 || minus != 0) {
        const bool isPlus = minus == 0 || (plus != 0 && plus < minus);
        const std::int32_t op = isPlus ? plus : minus;
        if (op == 1) {
            Fail();  // a leading "+" taken as the operator has no left operand
        }
        if (IsExponentLetter(text.At(op - 1))) {
            if (isPlus) {
                plus = text.Find("+", plus + 1);
            } else {
                minus = text.Find("-", minus + 1);
            }
            continue;
        }
        const auto [left, right, a, b] = ReadOperands(text, op, 1, false);
        const double result = isPlus ? checked::Add(a, b) : checked::Sub(a, b);
        text.Replace(left.boundary, right.boundary, NumberText(result));
        return true;
    }
    return false;
}

}  // namespace

void Fail() {
    Raise(ErrorKind::InvalidOperation);
}

double OperandValue(std::string_view operand, bool endsWithPercent, bool endsWithFactorial,
                    bool forPower) {
    std::string digits;
    digits.reserve(operand.size());
    for (const char c : operand) {
        if (c == '%' || c == '!' || (forPower && (c == '(' || c == ')'))) {
            continue;
        }
        digits.push_back(c);
    }
    if (!IsPlainNumber(digits)) {
        Fail();
    }
    double value = ReadNumberText(digits);
    if (forPower) {
        if (endsWithPercent) {
            value /= 100.0;
        }
        if (endsWithFactorial) {
            value = Factorial(value);
        }
    } else {
        if (endsWithFactorial) {
            value = Factorial(value);
        }
        if (endsWithPercent) {
            value /= 100.0;
        }
    }
    return value;
}

std::string EvaluateNested(std::string_view inner, const EvalContext& context) {
    if (context.depth >= kMaxNestingDepth) {
        Fail();
    }
    EvalContext deeper = context;
    ++deeper.depth;
    std::string result;
    try {
        result = EvaluateOrRaise(inner, deeper);
    } catch (const SyntaxFailure&) {
        Fail();  // only the outermost call reports unbalanced parentheses as such
    }
    if (!IsPlainNumber(result)) {
        Fail();
    }
    return result;
}

std::string EvaluateOrRaise(std::string_view input, const EvalContext& context) {
    const std::string normalised = Normalise(input, context.previousOutput, context.depth == 0);
    std::string expression = normalised.substr(0, normalised.find('>'));

    const std::int32_t opening = CountOccurrences(expression, "(");
    const std::int32_t closing = CountOccurrences(expression, ")");
    if (closing > opening) {
        throw SyntaxFailure();
    }
    expression.append(static_cast<std::size_t>(opening - closing), ')');
    InsertImplicitMultiplication(expression);

    ExpressionText text(std::move(expression));
    PairTable closeOf;
    FunctionSearch functions;
    while (true) {
        if (IsPlainNumber(text.str())) {
            text.Assign(NumberText(ReadNumberText(text.str())));
            break;
        }
        if (text.signPairsPossible()) {
            std::string rewritten = RewriteSigns(text.str());
            if (rewritten != text.str()) {
                text.Assign(std::move(rewritten));
            }
            text.clearSignPairs();  // no two signs stand together any more
        }
        if (text.Count('(') != 0 || text.Count(')') != 0) {
            BuildPairTable(text, closeOf);
            if (FunctionStep(text, closeOf, context, functions) ||
                GroupStep(text, closeOf, context)) {
                continue;
            }
        }
        if (PowerStep(text) || MultiplicativeStep(text) || AdditiveStep(text)) {
            continue;
        }
        LoneOperandRule(text);
        break;
    }
    if (!IsPlainNumber(text.str())) {
        Fail();
    }
    return ApplyPostfixCommands(normalised, text.str());
}

}  // namespace detail

std::string EvaluateExpression(std::string_view text, std::string_view previousOutput,
                               std::string_view angleMode) {
    try {
        return detail::EvaluateOrRaise(text, detail::EvalContext{previousOutput, angleMode, 0});
    } catch (const detail::SyntaxFailure&) {
        return std::string(kSyntaxErrorText);
    } catch (const EngineError&) {
        return std::string(kErrorText);
    } catch (const std::exception&) {
        return std::string(
            kErrorText);  // an input too large to rewrite in memory or to hold in a string
    }
}

}  // namespace vimbo
