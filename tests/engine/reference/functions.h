// SPDX-License-Identifier: MIT
// The twelve functions of the reference evaluator, by name, in the three angle units.
#pragma once

#include <string>

#include "engine/engine.h"

namespace vimbo::reference {

// `name` with its "(", e.g. "sin("; the result may be an infinity or a not-a-number, as the
// platform gives it.
double ApplyFunction(const std::string& name, double x, AngleMode angleMode);

}  // namespace vimbo::reference
