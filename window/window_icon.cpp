// SPDX-License-Identifier: MIT
#include "window/window_icon.h"

#include <QString>

namespace vimbo {

QIcon CalculatorIcon() {
    QIcon icon;
    icon.addFile(QStringLiteral(":/pictures/vimbo-calculator-32.png"));
    icon.addFile(QStringLiteral(":/pictures/vimbo-calculator-16.png"));
    return icon;
}

}  // namespace vimbo
