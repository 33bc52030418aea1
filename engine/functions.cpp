// SPDX-License-Identifier: MIT
// The function step, the lone-operand rule and the postfix commands of the evaluator.
#include <array>
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/checked_math.h"
#include "engine/errors.h"
#include "engine/evaluator_steps.h"
#include "engine/more_math.h"
#include "engine/number_text.h"
#include "engine/operand_text.h"
#include "engine/rounding.h"

namespace vimbo::detail {

namespace {

enum class Function { Log, Ln, Exp, Sin, Asn, Cos, Acs, Tan, Atn, Sqr, Int, Abs };

// Searched in the order of the needles, which is the order of the function table; the first
// name that occurs is evaluated. "sqr(" is searched from the end, so a nested chain of square
// roots is taken from the innermost.
constexpr std::array<Function, 12> kFunctions{
    Function::Log, Function::Ln,  Function::Exp, Function::Sin, Function::Asn, Function::Cos,
    Function::Acs, Function::Tan, Function::Atn, Function::Sqr, Function::Int, Function::Abs,
};
static_assert(static_cast<std::size_t>(Needle::Abs) + 1 == kFunctions.size());

using Operation = double (*)(double);

double PlatformSin(double x) {
    return std::sin(x);
}
double PlatformCos(double x) {
    return std::cos(x);
}
double PlatformTan(double x) {
    return std::tan(x);
}
double PlatformAtan(double x) {
    return std::atan(x);
}

// The operation of a trigonometric function in the angle unit: degrees, radians, grads.
double InAngleUnit(std::string_view angleMode, double x, Operation degrees, Operation radians,
                   Operation grads) {
    if (angleMode == "DEG") {
        return degrees(x);
    }
    if (angleMode == "RAD") {
        return radians(x);
    }
    if (angleMode == "GRAD") {
        return grads(x);
    }
    Raise(ErrorKind::InvalidArgument);  // the window and the command line pass only those
}

double Apply(Function function, double x, std::string_view angleMode) {
    using namespace MoreMath;
    switch (function) {
        case Function::Log:
            return Log10(x);
        case Function::Ln:
            return checked::Ln(x);
        case Function::Exp:
            return checked::Exp(x);
        case Function::Sin:
            return InAngleUnit(angleMode, x, SinDeg, PlatformSin, SinGrad);
        case Function::Asn:
            return InAngleUnit(angleMode, x, ArcSinDeg, ArcSin, ArcSinGrad);
        case Function::Cos:
            return InAngleUnit(angleMode, x, CosDeg, PlatformCos, CosGrad);
        case Function::Acs:
            return InAngleUnit(angleMode, x, ArcCosDeg, ArcCos, ArcCosGrad);
        case Function::Tan:
            return InAngleUnit(angleMode, x, TanDeg, PlatformTan, TanGrad);
        case Function::Atn:
            return InAngleUnit(angleMode, x, ArcTanDeg, PlatformAtan, ArcTanGrad);
        case Function::Sqr:
            return checked::Sqrt(x);
        case Function::Int:
            return std::trunc(x);
        case Function::Abs:
            return std::fabs(x);
    }
    Raise(ErrorKind::InvalidOperation);
}

// Both postfix flags of a text: "!" last once every "%" is gone, "%" last once every "!" is.
struct PostfixFlags {
    bool factorial = false;
    bool percent = false;
};

PostfixFlags FlagsOf(std::string_view text) {
    PostfixFlags flags;
    for (auto it = text.rbegin(); it != text.rend(); ++it) {
        if (*it != '%') {
            flags.factorial = *it == '!';
            break;
        }
    }
    for (auto it = text.rbegin(); it != text.rend(); ++it) {
        if (*it != '!') {
            flags.percent = *it == '%';
            break;
        }
    }
    return flags;
}

// The text's number with its postfix signs left out.
double ValueWithoutSigns(std::string_view text) {
    return OperandValue(text, false, false, false);
}

// Places text of ">roundto(" as a 32-bit whole number, halves to the even neighbour.
std::int32_t WholePlaces(std::string_view placesText) {
    if (!IsPlainNumber(placesText)) {
        Fail();
    }
    const double rounded = std::nearbyint(ReadNumberText(placesText));
    if (!(rounded >= -2147483648.0 && rounded <= 2147483647.0)) {
        Raise(ErrorKind::Overflow);
    }
    return static_cast<std::int32_t>(rounded);
}

}  // namespace

bool FunctionStep(ExpressionText& text, const EvalContext& context) {
    for (std::size_t i = 0; i < kFunctions.size(); ++i) {
        const auto needle = static_cast<Needle>(i);
        const std::int32_t pos = text.Locate(needle);
        if (pos == 0) {
            continue;
        }
        const std::int32_t open = pos + static_cast<std::int32_t>(NeedleText(needle).size()) - 1;
        const std::int32_t close = text.Closing(open);
        if (close == 0) {
            Fail();
        }
        const double x = ReadNumberText(EvaluateNested(text.Slice(open + 1, close - 1), context));
        const double value = checked::Check(Apply(kFunctions[i], x, context.angleMode));
        text.Replace(pos, close, NumberText(value));
        return true;
    }
    return false;
}

void LoneOperandRule(ExpressionText& text) {
    const PostfixFlags flags = FlagsOf(text.str());
    if (flags.factorial) {
        text.Assign(NumberText(Factorial(ValueWithoutSigns(text.str()))));
    }
    if (flags.percent) {
        text.Assign(NumberText(ValueWithoutSigns(text.str()) / 100.0));
    }
}

std::string ApplyPostfixCommands(std::string_view commands, std::string expression) {
    constexpr std::string_view kRoundTo = ">roundto(";
    if (const std::size_t at = commands.find(kRoundTo); at != std::string_view::npos) {
        const std::size_t from = at + kRoundTo.size();
        const std::size_t close = commands.find(')', from);
        const std::string_view places = commands.substr(
            from, close == std::string_view::npos ? std::string_view::npos : close - from);
        expression = NumberText(RoundToPlaces(ReadNumberText(expression), WholePlaces(places)));
    }
    if (commands.find(">frac") != std::string_view::npos) {
        expression = ToFractionText(ReadNumberText(expression));
    }
    return expression;
}

}  // namespace vimbo::detail
