// SPDX-License-Identifier: MIT
// A shown and active main window, with its controls found by their object names.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "history/tape_commands.h"
#include "tests/support/report_fixtures.h"
#include "window/clock.h"
#include "window/main_window.h"
#include "window/tape_view.h"

namespace vimbo::testing {

class WindowFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        ConnectTapeCommands(window, clock);
        window.show();
        // Asks the X server for the focus too: without a window manager nobody else gives it.
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    template <typename W = QWidget>
    W* control(const char* name) {
        W* const widget = window.findChild<W*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QLineEdit* input() { return control<QLineEdit>("txtInput"); }
    QLineEdit* output() { return control<QLineEdit>("txtOutput"); }
    QLineEdit* total() { return control<QLineEdit>("Text1"); }
    TapeView* tape() { return control<TapeView>("list1"); }
    QCheckBox* option() { return control<QCheckBox>("Check1"); }

    void click(const char* name) { QTest::mouseClick(control(name), Qt::LeftButton); }
    void type(const QString& text) { QTest::keyClicks(input(), text); }
    void enter() { QTest::keyClick(input(), Qt::Key_Return); }
    void evaluate(const QString& text) {
        type(text);
        enter();
    }

    FixedClock clock;
    MainWindow window;
};

}  // namespace vimbo::testing
