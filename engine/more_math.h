// SPDX-License-Identifier: MIT
// The math function library: pi, mod, angle conversions, trigonometry in degrees and grads,
// the inverse functions in every unit, the common logarithm and the two sign routines (the
// factorial is in factorial.h). Failures are raised as EngineError; no infinity or
// not-a-number ever leaves these functions.
#pragma once

#ifndef VIMBO_ENGINE_INTERNALS
#error "an internal header of the engine: outside the engine and its tests, include engine/engine.h"
#endif

namespace vimbo {

namespace MoreMath {

double Pi();
double FMod(double a, double b);

double DegToRad(double x);
double RadToDeg(double x);
double DegToGrad(double x);
double GradToDeg(double x);
double RadToGrad(double x);
double GradToRad(double x);

double SinDeg(double x);
double CosDeg(double x);
double TanDeg(double x);
double SinGrad(double x);
double CosGrad(double x);
double TanGrad(double x);

double ArcSin(double x);
double ArcCos(double x);
double ArcSinDeg(double x);
double ArcCosDeg(double x);
double ArcTanDeg(double x);
double ArcSinGrad(double x);
double ArcCosGrad(double x);
double ArcTanGrad(double x);

double Log10(double x);

}  // namespace MoreMath

bool IsNegative(double x);
double Negate(double x);

}  // namespace vimbo
