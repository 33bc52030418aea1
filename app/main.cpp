// SPDX-License-Identifier: MIT
// vimbo-calculator: the desktop calculator.
#include <QApplication>
#include <QString>
#include <cstdio>

#include "history/tape_commands.h"
#include "window/clock.h"
#include "window/main_window.h"
#include "window/startup.h"
#include "window/window_icon.h"

namespace {

// Without a display Qt stops with a plugin error that does not say what to do.
bool HasDisplay() {
    return !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

}  // namespace

int main(int argc, char** argv) {
    if (!HasDisplay()) {
        std::fputs(
            "vimbo-calculator: no display to open a window on (neither DISPLAY nor "
            "WAYLAND_DISPLAY is set); to run it without a desktop: xvfb-run vimbo-calculator\n",
            stderr);
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("vimbo-calculator"));
    QApplication::setDesktopFileName(QStringLiteral("vimbo-calculator"));
    QApplication::setWindowIcon(vimbo::CalculatorIcon());

    const vimbo::SystemClock clock;
    const auto frmMain = vimbo::StartCalculator(clock);
    vimbo::ConnectTapeCommands(*frmMain, clock);
    return QApplication::exec();
}
