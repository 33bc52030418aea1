// SPDX-License-Identifier: MIT
#include "tests/engine/reference/functions.h"

#include <cmath>

#include "engine/more_math.h"
#include "tests/engine/reference/failures.h"

namespace vimbo::reference {

namespace {

double InAngleUnit(AngleMode angleMode, double x, double (*deg)(double), double (*rad)(double),
                   double (*grad)(double)) {
    switch (angleMode) {
        case AngleMode::Degrees:
            return deg(x);
        case AngleMode::Radians:
            return rad(x);
        case AngleMode::Gradians:
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

}  // namespace

double ApplyFunction(const std::string& name, double x, AngleMode angleMode) {
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
        return InAngleUnit(angleMode, x, SinDeg, Sine, SinGrad);
    }
    if (name == "asn(") {
        return InAngleUnit(angleMode, x, ArcSinDeg, ArcSin, ArcSinGrad);
    }
    if (name == "cos(") {
        return InAngleUnit(angleMode, x, CosDeg, Cosine, CosGrad);
    }
    if (name == "acs(") {
        return InAngleUnit(angleMode, x, ArcCosDeg, ArcCos, ArcCosGrad);
    }
    if (name == "tan(") {
        return InAngleUnit(angleMode, x, TanDeg, Tangent, TanGrad);
    }
    if (name == "atn(") {
        return InAngleUnit(angleMode, x, ArcTanDeg, ArcTangent, ArcTanGrad);
    }
    if (name == "sqr(") {
        return std::sqrt(x);
    }
    if (name == "int(") {
        return std::trunc(x);
    }
    return std::fabs(x);  // "abs("
}

}  // namespace vimbo::reference
