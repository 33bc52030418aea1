// SPDX-License-Identifier: MIT
#include "window/main_window.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QPushButton>

#include "window/accessibility.h"
#include "window/check_box_style.h"
#include "window/control_table.h"
#include "window/input_editing.h"
#include "window/keypad_navigation.h"
#include "window/qt_controls.h"
#include "window/required_child.h"
#include "window/window_commands.h"

namespace vimbo {

namespace {

QFont ControlQFont(ControlFont font) {
    const WindowLayout& window = MainWindowLayout();
    QFont qfont(QString::fromUtf8(window.fontFamily));
    qfont.setPointSizeF(font == ControlFont::Tape ? window.tapePointSize : window.defaultPointSize);
    qfont.setWeight(font == ControlFont::Bold ? QFont::Bold : QFont::Normal);
    return qfont;
}

QColor WindowBackground() {
    const auto& rgb = MainWindowLayout().background;
    return QColor(rgb[0], rgb[1], rgb[2]);
}

void ApplyLook(QWidget& widget, ControlLook look) {
    QPalette palette = widget.palette();
    switch (look) {
        case ControlLook::Plain:
            return;
        case ControlLook::WindowBackground:
            palette.setColor(QPalette::Window, WindowBackground());
            widget.setAutoFillBackground(true);
            widget.setBackgroundRole(QPalette::Window);  // a button's own role is Button
            break;
        case ControlLook::GrandTotal:
            palette.setColor(QPalette::Text, QColor(128, 255, 128));
            palette.setColor(QPalette::Base, QColor(0, 0, 0));
            break;
        case ControlLook::SystemBackground:
            palette.setColor(QPalette::Window, QGuiApplication::palette().color(QPalette::Window));
            widget.setAutoFillBackground(true);
            break;
    }
    widget.setPalette(palette);
}

QWidget* CreateControl(const WindowControl& control, QWidget* parent) {
    const QString caption = QString::fromUtf8(control.caption);
    switch (control.kind) {
        case ControlKind::Label:
            return new QLabel(caption, parent);
        case ControlKind::TextBox:
        case ControlKind::LockedTextBox: {
            auto* const box = new QLineEdit(caption, parent);
            box->setReadOnly(control.kind == ControlKind::LockedTextBox);
            return box;
        }
        case ControlKind::Button: {
            auto* const button = new QPushButton(caption, parent);
            button->setAutoDefault(false);
            return button;
        }
        case ControlKind::CheckBox: {
            auto* const box = new QCheckBox(caption, parent);
            box->setStyle(new FittedCheckBoxStyle(box));
            return box;
        }
        case ControlKind::Tape:
            return new TapeView(parent);
    }
    return nullptr;
}

// A control of the window by its name; the layout table creates every one of them.
template <typename W>
W& Child(QWidget& window, const char* name) {
    return RequiredChild<W>(window, name);
}

}  // namespace

struct MainWindow::Bindings {
    explicit Bindings(QWidget& window)
        : inputWidget(Child<QLineEdit>(window, control_name::input)),
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

    QLineEdit& inputWidget;
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

MainWindow::MainWindow(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint) {
    InstallMainWindowAccessibility();
    const WindowLayout& layout = MainWindowLayout();
    setObjectName(QLatin1String(control_name::mainWindow));
    setWindowTitle(QString::fromUtf8(layout.title));
    setFixedSize(TwipsToPixels(layout.clientWidth), TwipsToPixels(layout.clientHeight));
    setFont(ControlQFont(ControlFont::Default));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, WindowBackground());
    setPalette(palette);
    setAutoFillBackground(true);

    createControls();
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

void MainWindow::createControls() {
    for (const WindowControl& control : MainWindowControls()) {
        QWidget* const widget = CreateControl(control, this);
        widget->setObjectName(QString::fromUtf8(control.name));
        widget->setGeometry(TwipsToPixels(control.place.left), TwipsToPixels(control.place.top),
                            TwipsToPixels(control.place.width),
                            TwipsToPixels(control.place.height));
        if (control.font != ControlFont::Default) {
            widget->setFont(ControlQFont(control.font));
        }
        ApplyLook(*widget, control.look);
        widget->setAccessibleName(QString::fromUtf8(control.accessibleName));
        if (control.description != nullptr) {
            widget->setAccessibleDescription(QString::fromUtf8(control.description));
        }
        if (control.toolTip != nullptr) {
            widget->setToolTip(QString::fromUtf8(control.toolTip));
        }
        if (!control.visible) {
            widget->setFocusPolicy(Qt::NoFocus);
            widget->setVisible(false);
        }
    }

    bindings_ = std::make_unique<Bindings>(*this);

    QWidget* previous = nullptr;
    for (const WindowControl* control : MainWindowTabOrder()) {
        QWidget* const widget = &Child<QWidget>(*this, control->name);
        if (previous != nullptr) {
            QWidget::setTabOrder(previous, widget);
        }
        previous = widget;
    }
    QLineEdit& input = bindings_->inputWidget;
    input.installEventFilter(this);  // the key hook: sees Enter before the line edit does
    new ButtonKeyboard(*this);       // owned by the window
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

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (bindings_ != nullptr && watched == &bindings_->inputWidget &&
        event->type() == QEvent::KeyPress) {
        const auto* const key = static_cast<const QKeyEvent*>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        // Ctrl+Enter types a line feed, not an Enter.
        if (enter && !key->modifiers().testFlag(Qt::ControlModifier)) {
            return bindings_->commands->enterInInput();
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace vimbo
