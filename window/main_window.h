// SPDX-License-Identifier: MIT
// The main window frmMain: its controls as laid out, bound to the window's actions.
#pragma once

#include <QFont>
#include <QWidget>
#include <functional>
#include <memory>

#include "window/controls.h"

class QAction;

namespace vimbo {

class MainWindow : public QWidget {
    Q_OBJECT

  public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // The window model: every action works on these controls.
    WindowControls& controls();

    // Runs `command` on every click of the button named `buttonName`. The tape's "GT" and
    // "Print" are the history's commands: the program connects them, the window knows neither.
    void connectButton(const char* buttonName, std::function<void()> command);

    // The tape's font, in which the report prints the tape.
    QFont tapeFont() const;

    // Adds a command of the history to the tape's context menu.
    void addTapeCommand(QAction& action);

  private:
    struct Bindings;

    void bindControls();
    void connectActions();

    std::unique_ptr<Bindings> bindings_;
};

}  // namespace vimbo
