// SPDX-License-Identifier: MIT
// A control missing from a window stops the program at once, in every build type.
#include "window/required_child.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>

namespace vimbo {
namespace {

// frmMain with the button cmdEquals, the line txtInput, and txtNested inside a frame.
struct Window {
    Window() {
        window.setObjectName(QStringLiteral("frmMain"));
        equals->setObjectName(QStringLiteral("cmdEquals"));
        input->setObjectName(QStringLiteral("txtInput"));
        nested->setObjectName(QStringLiteral("txtNested"));
    }
    QWidget window;
    QPushButton* equals = new QPushButton(&window);
    QLineEdit* input = new QLineEdit(&window);
    QWidget* frame = new QWidget(&window);
    QLineEdit* nested = new QLineEdit(frame);
};

TEST(RequiredChild, FindsTheDirectChildOfThatType) {
    Window w;
    EXPECT_EQ(&RequiredChild<QPushButton>(w.window, "cmdEquals"), w.equals);
    EXPECT_EQ(&RequiredChild<QLineEdit>(w.window, "txtInput"), w.input);
    EXPECT_EQ(&RequiredChild<QWidget>(w.window, "txtInput"), w.input);
}

struct MissingCase {
    const char* name;
    void (*lookUp)(QWidget& window);
    const char* message;
};

class RequiredChildMissing : public ::testing::TestWithParam<MissingCase> {};

TEST_P(RequiredChildMissing, StopsTheProgramWithAMessage) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");  // Qt may have started threads
    EXPECT_DEATH(
        {
            Window w;
            GetParam().lookUp(w.window);
        },
        GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    RequiredChild, RequiredChildMissing,
    ::testing::Values(
        MissingCase{"NoSuchName", [](QWidget& w) { RequiredChild<QPushButton>(w, "cmdMissing"); },
                    "frmMain has no control cmdMissing of type QPushButton"},
        MissingCase{"OtherType", [](QWidget& w) { RequiredChild<QPushButton>(w, "txtInput"); },
                    "frmMain has no control txtInput of type QPushButton"},
        MissingCase{"NotADirectChild", [](QWidget& w) { RequiredChild<QLineEdit>(w, "txtNested"); },
                    "frmMain has no control txtNested of type QLineEdit"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vimbo
