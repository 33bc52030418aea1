// SPDX-License-Identifier: MIT
// vimbo-calculator: the desktop calculator.
#include <QApplication>
#include <QString>
#include <cstdio>
#include <string_view>

#include "history/tape_commands.h"
#include "window/clock.h"
#include "window/main_window.h"
#include "window/startup.h"
#include "window/window_icon.h"

namespace {

constexpr std::string_view kHelp =
    "usage: vimbo-calculator [OPTION ...]\n"
    "Opens the Vimbo Calculator window: a scientific calculator with a history tape, a grand\n"
    "total (\"GT\") and a printed report of the tape. vimbo-eval evaluates the same\n"
    "expressions on the command line.\n"
    "\n"
    "  -h, --help     this text\n"
    "  -v, --version  the version\n"
    "\n"
    "Qt's standard options work too, among them -platform NAME (xcb, wayland, offscreen),\n"
    "-display DISPLAY, -style STYLE and -reverse; see vimbo-calculator(1).\n";

enum class Request { run, help, version };

struct CommandLine {
    Request request = Request::run;
    bool displayChosen = false;
};

// Qt accepts its options with one dash or two.
bool IsOption(std::string_view arg, std::string_view name) {
    if (arg.starts_with("--")) {
        arg.remove_prefix(1);
    }
    return arg == name;
}

// Read before Qt sees the arguments: help and version need no display. A platform or X
// display named on the command line stands in for the display variables.
CommandLine ReadCommandLine(int argc, char** argv) {
    CommandLine line;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "-h" || IsOption(arg, "-help")) {
            line.request = Request::help;
            return line;
        }
        if (arg == "-v" || IsOption(arg, "-version")) {
            line.request = Request::version;
            return line;
        }
        if ((IsOption(arg, "-platform") || IsOption(arg, "-display")) && i + 1 < argc) {
            line.displayChosen = true;
            ++i;
        }
    }
    return line;
}

// Without a display Qt stops with a plugin error that does not say what to do.
bool HasDisplay() {
    return !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

}  // namespace

int main(int argc, char** argv) {
    const CommandLine line = ReadCommandLine(argc, argv);
    switch (line.request) {
        case Request::help:
            std::fwrite(kHelp.data(), 1, kHelp.size(), stdout);
            return std::fflush(stdout) == 0 ? 0 : 1;
        case Request::version:
            std::fputs("vimbo-calculator " VIMBO_VERSION "\n", stdout);
            return std::fflush(stdout) == 0 ? 0 : 1;
        case Request::run:
            break;
    }
    if (!line.displayChosen && !HasDisplay()) {
        std::fputs(
            "vimbo-calculator: no display to open a window on (neither DISPLAY nor "
            "WAYLAND_DISPLAY is set); to run it without a desktop: xvfb-run vimbo-calculator\n",
            stderr);
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("vimbo-calculator"));
    QApplication::setApplicationVersion(QStringLiteral(VIMBO_VERSION));
    QApplication::setDesktopFileName(QStringLiteral(VIMBO_APP_ID));
    vimbo::SetWindowIconAfterFirstPaint();

    const vimbo::SystemClock clock;
    const auto mainWindow = vimbo::StartCalculator(clock);
    vimbo::ConnectTapeCommands(*mainWindow, clock);
    return QApplication::exec();
}
