// SPDX-License-Identifier: MIT
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
