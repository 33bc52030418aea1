// SPDX-License-Identifier: MIT
#include "engine/more_math.h"

#include <cmath>

#include "engine/checked_math.h"

namespace vimbo::MoreMath {

using checked::Add;
using checked::Div;
using checked::Mul;
using checked::Sub;

double Pi() {
    return Mul(4.0, std::atan(1.0));
}

double FMod(double a, double b) {
    return Sub(a, Mul(b, std::trunc(Div(a, b))));
}

double DegToRad(double x) {
    return Div(Mul(Pi(), x), 180.0);
}
double RadToDeg(double x) {
    return Div(Mul(x, 180.0), Pi());
}
double DegToGrad(double x) {
    return Div(Mul(x, 10.0), 9.0);
}
double GradToDeg(double x) {
    return Div(Mul(x, 9.0), 10.0);
}
double RadToGrad(double x) {
    return DegToGrad(RadToDeg(x));
}
double GradToRad(double x) {
    return DegToRad(GradToDeg(x));
}

// The platform's sine, cosine and tangent are finite for every finite argument.
double SinDeg(double x) {
    return std::sin(DegToRad(x));
}
double CosDeg(double x) {
    return std::cos(DegToRad(x));
}
double TanDeg(double x) {
    return std::tan(DegToRad(x));
}
double SinGrad(double x) {
    return std::sin(GradToRad(x));
}
double CosGrad(double x) {
    return std::cos(GradToRad(x));
}
double TanGrad(double x) {
    return std::tan(GradToRad(x));
}

namespace {
// sqrt(1 - x²), written -x * x + 1; an |x| above 1 makes it the root of a negative number.
double CoRoot(double x) {
    return checked::Sqrt(Add(Mul(-x, x), 1.0));
}
}  // namespace

double ArcSin(double x) {
    if (x == 1.0) {
        return Div(Pi(), 2.0);
    }
    if (x == -1.0) {
        return Div(-Pi(), 2.0);
    }
    return std::atan(Div(x, CoRoot(x)));
}

double ArcCos(double x) {
    if (x == 1.0) {
        return 0.0;
    }
    if (x == -1.0) {
        return Pi();
    }
    return Add(std::atan(Div(-x, CoRoot(x))), Div(Pi(), 2.0));
}

double ArcSinDeg(double x) {
    return RadToDeg(ArcSin(x));
}
double ArcCosDeg(double x) {
    return RadToDeg(ArcCos(x));
}
double ArcTanDeg(double x) {
    return RadToDeg(std::atan(x));
}
double ArcSinGrad(double x) {
    return RadToGrad(ArcSin(x));
}
double ArcCosGrad(double x) {
    return RadToGrad(ArcCos(x));
}
double ArcTanGrad(double x) {
    return RadToGrad(std::atan(x));
}

double Log10(double x) {
    const double ln10 = checked::Ln(10.0);
    return Div(checked::Ln(x), ln10);
}

}  // namespace vimbo::MoreMath

namespace vimbo {

bool IsNegative(double x) {
    return x < 0.0;
}

double Negate(double x) {
    return -x;
}

}  // namespace vimbo
