// SPDX-License-Identifier: MIT
#include "window/window_icon.h"

#include <QString>

namespace vimbo {

QIcon CalculatorIcon() {
    QIcon icon;
    for (const int size : kCalculatorIconSizes) {
        icon.addFile(QStringLiteral(":/pictures/vimbo-calculator-%1.png").arg(size));
    }
    return icon;
}

}  // namespace vimbo
