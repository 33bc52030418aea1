// SPDX-License-Identifier: MIT
#include "window/check_box_style.h"

#include <QApplication>
#include <QWidget>
#include <algorithm>

namespace vimbo {

FittedCheckBoxStyle::FittedCheckBoxStyle(QObject* parent)
    : QProxyStyle(QApplication::style()->name()) {
    setParent(parent);
}

int FittedCheckBoxStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                                     const QWidget* widget) const {
    const int size = QProxyStyle::pixelMetric(metric, option, widget);
    if ((metric == PM_IndicatorHeight || metric == PM_IndicatorWidth) && widget != nullptr) {
        return std::min(size, widget->height());
    }
    return size;
}

}  // namespace vimbo
