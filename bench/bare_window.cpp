// SPDX-License-Identifier: MIT
// The floor of the start-up benchmark: a bare Qt Widgets window of the calculator's size
// (554 x 308) with one line edit, and nothing else.
#include <QApplication>
#include <QLineEdit>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(554, 308);
    QLineEdit line(&window);
    line.setGeometry(8, 24, 329, 19);
    window.show();
    line.setFocus();
    return QApplication::exec();
}
