// SPDX-License-Identifier: MIT
// The twelve functions of the reference evaluator, by name, in the three angle units.
#pragma once

#include <string>
#include <string_view>

namespace vimbo::reference {

// `name` with its "(", e.g. "sin("; `angleMode` "DEG", "RAD" or "GRAD". Raises Failure for
// any other angle mode; the result may be an infinity or a not-a-number, as the platform
// gives it.
double ApplyFunction(const std::string& name, double x, std::string_view angleMode);

}  // namespace vimbo::reference
