// SPDX-License-Identifier: MIT
// EvaluateExpression: the reduction loop that rewrites a prepared expression text until one
// number is left, with its groups, powers, products and sums.
#include "engine/engine.h"

#include <algorithm>
#include <cmath>
#include <exception>
#include <utility>
#include <vector>

#include "engine/characters.h"
#include "engine/checked_math.h"
#include "engine/errors.h"
#include "engine/evaluator_steps.h"
#include "engine/factorial.h"
#include "engine/more_math.h"
#include "engine/number_text.h"
#include "engine/operand_text.h"
#include "engine/text_preparation.h"

namespace vimbo {

namespace detail {

namespace {

// Pairs every ")" with the last unpaired "(" in front of it; only whether that succeeds
// matters, as the steps find the closing parenthesis they need themselves.
void CheckPairing(const ExpressionText& text) {
    if (text.At(1) == ')') {
        Fail();  // nothing in front of it to search
    }
    std::int32_t open = 0;
    for (const char c : text.str()) {
        if (c == '(') {
            ++open;
        } else if (c == ')' && --open < 0) {
            throw SyntaxFailure();
        }
    }
}

// Groups from left to right: a plain group is replaced by its value unless a "^" follows
// it; any other group has its inner text replaced by its value.
bool GroupStep(ExpressionText& text, const EvalContext& context) {
    for (std::int32_t open = text.Find("(", text.groupsPassedBefore()); open != 0;
         open = text.Find("(", open + 1)) {
        const std::int32_t close = text.Closing(open);
        if (close == 0) {
            Fail();
        }
        const std::string_view inner = text.Slice(open + 1, close - 1);
        if (IsPlainNumber(inner)) {
            if (text.At(close + 1) == '^') {
                text.passGroupsBefore(close + 2);
                continue;
            }
            text.Replace(open, close, EvaluateNested(inner, context));
        } else {
            text.Replace(open + 1, close - 1, EvaluateNested(inner, context));
        }
        return true;
    }
    text.passGroupsBefore(text.size() + 1);
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
    const std::int32_t op = text.Locate(Needle::Power);
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
    const std::int32_t times = text.Locate(Needle::Times);
    const std::int32_t divide = text.Locate(Needle::Divide);
    const std::int32_t mod = text.Locate(Needle::Mod);
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
    std::int32_t plus = text.Locate(Needle::Plus);
    std::int32_t minus = text.Locate(Needle::Minus);
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
    if (IsPlainNumber(inner)) {
        // What the whole evaluation of a plain number comes to, without its copies.
        return NumberText(ReadNumberText(inner));
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
    // The commands are looked for from the first ">" on, where the expression text ends.
    std::string expression = Normalise(input, context.previousOutput, context.depth == 0);
    std::string commands;
    if (const std::size_t cut = expression.find('>'); cut != std::string::npos) {
        commands = expression.substr(cut);
        expression.resize(cut);
    }

    std::int64_t opening = 0;
    std::int64_t closing = 0;
    for (const char c : expression) {
        opening += c == '(' ? 1 : 0;
        closing += c == ')' ? 1 : 0;
    }
    if (closing > opening) {
        throw SyntaxFailure();
    }
    expression.append(static_cast<std::size_t>(opening - closing), ')');
    InsertImplicitMultiplication(expression);

    ExpressionText text(std::move(expression));
    while (true) {
        if (text.MayBePlainNumber() && IsPlainNumber(text.str())) {
            text.Assign(NumberText(ReadNumberText(text.str())));
            break;
        }
        if (text.signPairsPossible()) {
            RewriteSignPairs(text);
        }
        if (text.Count('(') != 0 || text.Count(')') != 0) {
            if (!text.pairingChecked()) {
                CheckPairing(text);
                text.notePairingChecked();
            }
            if (FunctionStep(text, context) || GroupStep(text, context)) {
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
    return ApplyPostfixCommands(commands, text.str());
}

}  // namespace detail

std::string_view AngleModeName(AngleMode mode) {
    switch (mode) {
        case AngleMode::Degrees:
            return "DEG";
        case AngleMode::Radians:
            return "RAD";
        case AngleMode::Gradians:
            return "GRAD";
    }
    return "DEG";
}

std::optional<AngleMode> AngleModeFromName(std::string_view name) {
    for (const AngleMode mode : {AngleMode::Degrees, AngleMode::Radians, AngleMode::Gradians}) {
        if (name == AngleModeName(mode)) {
            return mode;
        }
    }
    return std::nullopt;
}

std::string EvaluateExpression(std::string_view text, std::string_view previousOutput,
                               AngleMode angleMode) {
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
