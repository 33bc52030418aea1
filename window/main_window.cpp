// SPDX-License-Identifier: MIT
#include "window/main_window.h"

#include <QPushButton>

#include "window/accessibility.h"
#include "window/control_table.h"
#include "window/input_editing.h"
#include "window/keypad_navigation.h"
#include "window/qt_controls.h"
#include "window/required_child.h"
#include "window/window_commands.h"
#include "window/window_widgets.h"

namespace vimbo {

namespace {

// A control of the window by its name; the layout table creates every one of them.
template <typename W>
W& Child(QWidget& window, const char* name) {
    return RequiredChild<W>(window, name);
}

}  // namespace

struct MainWindow::Bindings {
    explicit Bindings(QWidget& window)
        : inputWidget(Child<InputLineEdit>(window, control_name::input)),
          tapeWidget(Child<TapeView>(window, control_name::tape)),
          input(inputWidget),
          output(Child<QLineEdit>(window, control_name::output)),
          decimalsPattern(Child<QLineEdit>(window, control_name::decimalsPattern)),
          grandTotal(Child<QLineEdit>(window, control_name::grandTotal)),
          tape(tapeWidget),
          angleMode(Child<QLabel>(window, control_name::angleMode)),
          twoDecimals(Child<QCheckBox>(window, control_name::twoDecimals)),
          controls{input, output, decimalsPattern, grandTotal, tape, angleMode, twoDecimals, host} {
    }

    InputLineEdit& inputWidget;
    TapeView& tapeWidget;
    QtInputLine input;
    QtTextBox output;
    QtTextBox decimalsPattern;
    QtTextBox grandTotal;
    QtTape tape;
    QtAngleModeLabel angleMode;
    QtCheckBox twoDecimals;
    QtWindowHost host;
    WindowControls controls;
    // Last: it goes first, while the controls it watches are all there.
    std::unique_ptr<WindowCommands> commands;
};

MainWindow::MainWindow(QWidget* parent) : QWidget(parent, kMainWindowFlags) {
    InstallMainWindowAccessibility();
    setObjectName(QLatin1String(control_name::mainWindow));
    CreateWindowWidgets(*this);
    bindControls();
    connectActions();
}

MainWindow::~MainWindow() = default;

WindowControls& MainWindow::controls() {
    return bindings_->controls;
}

void MainWindow::connectButton(const char* buttonName, std::function<void()> command) {
    connect(&Child<QPushButton>(*this, buttonName), &QPushButton::clicked, this,
            [command = std::move(command)] { command(); });
}

QFont MainWindow::tapeFont() const {
    return bindings_->tapeWidget.font();
}

void MainWindow::addTapeCommand(QAction& action) {
    bindings_->commands->addTapeCommand(action);
}

void MainWindow::bindControls() {
    bindings_ = std::make_unique<Bindings>(*this);

    InputLineEdit& input = bindings_->inputWidget;
    new ButtonKeyboard(*this);  // owned by the window
    // Before any button is connected: its clicks must reach the commands first.
    bindings_->commands =
        std::make_unique<WindowCommands>(*this, bindings_->controls, input, bindings_->tapeWidget);
    input.setFocus();
}

void MainWindow::connectActions() {
    WindowControls& model = bindings_->controls;
    WindowCommands& commands = *bindings_->commands;
    const auto onClick = [this](const char* name, auto action) {
        connect(&Child<QPushButton>(*this, name), &QPushButton::clicked, this, action);
    };
    for (const WindowControl* key : KeypadKeys()) {
        const QString token = QString::fromLatin1(key->token);
        onClick(key->name, [&model, token] { InsertToken(model, token); });
    }
    onClick(control_name::backspaceKey, [&model] { BackspaceAction(model); });
    onClick(control_name::clearKey, [&commands] { commands.clear(); });
    onClick(control_name::equalsKey, [&commands] { commands.equals(); });
    onClick(control_name::exitButton, [&commands] { commands.exit(); });

    connect(&Child<QCheckBox>(*this, control_name::twoDecimals), &QCheckBox::clicked, this,
            [&model] { DecimalsOptionClick(model); });
}

}  // namespace vimbo
