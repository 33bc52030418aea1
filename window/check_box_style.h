// SPDX-License-Identifier: MIT
// The check box Check1 is laid out lower than the toolkit's own box: the box is drawn no
// higher than the control, so that it is never cut off.
#pragma once

#include <QProxyStyle>

namespace vimbo {

class FittedCheckBoxStyle final : public QProxyStyle {
  public:
    // Based on the application's style; `parent` owns it.
    explicit FittedCheckBoxStyle(QObject* parent);

    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
};

}  // namespace vimbo
