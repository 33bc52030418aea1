// SPDX-License-Identifier: MIT
// Preparing the text for the reference evaluator's loop: normalisation, the implicit
// multiplications and the sign rules, each done the obvious way.
#pragma once

#include <string>
#include <string_view>

namespace vimbo::reference {

// Lower case, no spaces, "pi" written out, and "ans" as the previous output in parentheses
// (by the outermost call only).
std::string Normalise(std::string_view input, std::string_view previousOutput, bool outermost);

// The "*" (or "1*", or a negated group) that the user left implicit next to parentheses.
void InsertImplicitMultiplication(std::string& s);

// "--", "+-", "-+" and "++" rewritten until nothing changes.
std::string RewriteSigns(std::string s);

}  // namespace vimbo::reference
