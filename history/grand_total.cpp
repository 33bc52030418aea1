// SPDX-License-Identifier: MIT
#include "history/grand_total.h"

namespace vimbo {

void GrandTotalCommand(WindowControls& controls) {
    controls.input.giveFocus();  // only the focus: the caret stays where it was
    const QString total = controls.grandTotal.text();
    if (total.isEmpty()) {
        return;
    }
    // Two separate whole-text replacements; the lone CR gives the empty line before the total.
    controls.tape.appendText(u'\r' + total + QStringLiteral(" GT"));
    controls.tape.appendText(QStringLiteral("\r\n") + kTapeSeparator);
    controls.input.announce(Outcome::GrandTotal, total);
}

}  // namespace vimbo
