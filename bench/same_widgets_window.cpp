// SPDX-License-Identifier: MIT
// The memory floor of the start-up benchmark: a window with the calculator's widgets as
// laid out (made by the window's own code from the same table: kinds, places, fonts, colours,
// names and tab order) and nothing else: no engine, no actions, no tape text, no picture, no
// printing.
#include <QApplication>
#include <QWidget>

#include "window/control_table.h"
#include "window/window_widgets.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window(nullptr, vimbo::kMainWindowFlags);
    vimbo::CreateWindowWidgets(window);
    window.show();
    window.findChild<QWidget*>(QString::fromUtf8(vimbo::control_name::input))->setFocus();
    return QApplication::exec();
}
