// SPDX-License-Identifier: MIT
#include "history/grand_total.h"

namespace vimbo {

void GrandTotalCommand(WindowControls& controls) {
    controls.txtInput.giveFocus();  // only the focus: the caret stays where it was
    const QString total = controls.Text1.text();
    if (total.isEmpty()) {
        return;
    }
    // Two separate whole-text replacements; the lone CR gives the empty line before the total.
    controls.list1.appendText(u'\r' + total + QStringLiteral(" GT"));
    controls.list1.appendText(QStringLiteral("\r\n") + kTapeSeparator);
}

}  // namespace vimbo
