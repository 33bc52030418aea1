// SPDX-License-Identifier: MIT
// The function step: the first of the twelve function names that occurs, evaluated and
// replaced by its value in the angle unit.
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
double InAngleUnit(AngleMode angleMode, double x, Operation degrees, Operation radians,
                   Operation grads) {
    switch (angleMode) {
        case AngleMode::Degrees:
            return degrees(x);
        case AngleMode::Radians:
            return radians(x);
        case AngleMode::Gradians:
            return grads(x);
    }
    Raise(ErrorKind::InvalidArgument);  // a value outside the enumeration
}

double Apply(Function function, double x, AngleMode angleMode) {
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

}  // namespace vimbo::detail
