// SPDX-License-Identifier: MIT
// The main window frmMain: its controls as laid out, bound to the window's actions.
#pragma once

#include <QWidget>
#include <memory>

#include "window/clock.h"
#include "window/controls.h"

namespace vimbo {

class MainWindow : public QWidget {
    Q_OBJECT

  public:
    explicit MainWindow(const Clock& clock, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The window model: every action works on these controls.
    WindowControls& controls();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct Bindings;

    void createControls();
    void connectActions();

    const Clock& clock_;
    std::unique_ptr<Bindings> bindings_;
};

}  // namespace vimbo
