// SPDX-License-Identifier: MIT
// What the Equals action's tests on fakes share: the end of every tape entry, and one
// evaluation typed into the fake window.
#pragma once

#include <QString>

#include "tests/support/fake_controls.h"
#include "window/equals_action.h"

namespace vimbo::testing {

inline const QString kEntryEnd = QStringLiteral("\r\n****************\r\n");

// Ticks "2 decimals" or not, types `input` and runs the Equals action.
inline void Evaluate(FakeWindow& w, const QString& input, bool twoDecimals) {
    w.twoDecimals.checked = twoDecimals;
    w.input.type(input);
    EqualsAction(w.controls);
}

}  // namespace vimbo::testing
