// SPDX-License-Identifier: MIT
// The main window as assistive technology and the keyboard meet it: the frame and its
// children, the descriptions, the spoken result, Enter and the arrow keys on the keypad, and
// the check box drawn whole on the window's grey.
#include <QAccessible>
#include <QImage>
#include <QStyleOptionButton>

#include "window_fixture.h"

namespace vimbo {
namespace {

using testing::WindowFixture;

class AccessibleWindow : public WindowFixture {
  protected:
    QAccessibleInterface* frame() { return QAccessible::queryAccessibleInterface(&window); }
    QStringList childNames() {
        QStringList names;
        for (int i = 0; i < frame()->childCount(); ++i) {
            names.append(frame()->child(i)->object()->objectName());
        }
        return names;
    }
};

TEST_F(AccessibleWindow, IsAFrameNamedByItsTitle) {
    ASSERT_NE(frame(), nullptr);
    EXPECT_EQ(frame()->role(), QAccessible::Window);
    EXPECT_EQ(frame()->text(QAccessible::Name), QStringLiteral("Vimbo Calculator"));
}

TEST_F(AccessibleWindow, OffersEveryShownControlButNotTheHiddenStores) {
    const QStringList names = childNames();
    EXPECT_EQ(names.size(), 38);  // 40 controls less txtdec and lblDRG
    for (const char* shown : {"txtInput", "txtOutput", "Command3", "Command1", "Check1", "list1"}) {
        EXPECT_TRUE(names.contains(QLatin1String(shown))) << shown;
    }
    for (const char* hidden : {"txtdec", "lblDRG"}) {
        EXPECT_FALSE(names.contains(QLatin1String(hidden))) << hidden;
        QAccessibleInterface* const iface = QAccessible::queryAccessibleInterface(control(hidden));
        EXPECT_EQ(frame()->indexOfChild(iface), -1) << hidden;
    }
    for (int i = 0; i < frame()->childCount(); ++i) {
        EXPECT_EQ(frame()->indexOfChild(frame()->child(i)), i);
    }
}

TEST_F(AccessibleWindow, GrandTotalPrintAndRoundSayWhatTheyDo) {
    const struct {
        const char* name;
        const char* caption;
        const char* accessibleName;
        const char* description;
    } rows[] = {
        {"Command3", "GT", "GT", "Write the grand total onto the tape"},
        {"Command1", "Print", "Print", "Print the tape on the default printer"},
        {"cmdRound", "Round", "Round to", "Round the result: type how many decimal places next"},
    };
    for (const auto& row : rows) {
        QAccessibleInterface* const iface =
            QAccessible::queryAccessibleInterface(control(row.name));
        EXPECT_EQ(iface->text(QAccessible::Name), QLatin1String(row.accessibleName));
        EXPECT_EQ(iface->text(QAccessible::Description), QLatin1String(row.description));
        EXPECT_EQ(control<QPushButton>(row.name)->text(), QLatin1String(row.caption));
    }
}

struct SpokenCase {
    const char* name;
    const char* expression;
    bool ticked;
    const char* output;
};

class SpokenResult : public AccessibleWindow, public ::testing::WithParamInterface<SpokenCase> {};

// The result is told through the input line, which keeps the focus; what is shown does not
// change, and no description stays behind to be read out again with the next focus.
TEST_P(SpokenResult, LeavesNoDescriptionBehind) {
    const SpokenCase& c = GetParam();
    if (c.ticked) {
        click("Check1");
    }
    evaluate(QString::fromUtf8(c.expression));
    EXPECT_EQ(output()->text(), QLatin1String(c.output));
    EXPECT_EQ(QApplication::focusWidget(), input());
    EXPECT_EQ(input()->text(), QString());
    EXPECT_EQ(QAccessible::queryAccessibleInterface(input())->text(QAccessible::Description),
              QString());
}

INSTANTIATE_TEST_SUITE_P(Results, SpokenResult,
                         ::testing::Values(SpokenCase{"Product", "6*7", false, "42"},
                                           SpokenCase{"TwoDecimals", "1/3", true, "0.33"},
                                           SpokenCase{"Error", "1/0", false, "Error"},
                                           SpokenCase{"SyntaxError", "1)", false, "Syntax error"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(AccessibleWindow, ClearForgetsTheResult) {
    evaluate(QStringLiteral("6*7"));
    click("cmdClear");
    EXPECT_EQ(input()->accessibleDescription(), QString());
}

struct EnterCase {
    const char* name;
    const char* typed;
    const char* button;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    const char* input;   // afterwards
    const char* output;  // afterwards
};

class EnterOnButton : public WindowFixture, public ::testing::WithParamInterface<EnterCase> {};

// Enter presses the focused button once, as a click does, and the focus goes back to the input
// line with the caret at its end.
TEST_P(EnterOnButton, PressesIt) {
    const EnterCase& c = GetParam();
    type(QString::fromUtf8(c.typed));
    QWidget* const button = control(c.button);
    button->setFocus(Qt::TabFocusReason);
    QTest::keyClick(button, c.key, c.modifiers);
    EXPECT_EQ(input()->text(), QLatin1String(c.input));
    EXPECT_EQ(output()->text(), QLatin1String(c.output));
    EXPECT_EQ(QApplication::focusWidget(), input());
    EXPECT_EQ(input()->cursorPosition(), input()->text().size());
}

INSTANTIATE_TEST_SUITE_P(Keys, EnterOnButton,
                         ::testing::Values(EnterCase{"ReturnOnSeven", "1", "cmdNum7",
                                                     Qt::Key_Return, Qt::NoModifier, "17", ""},
                                           EnterCase{"KeypadEnterOnPlus", "1", "cmdPlus",
                                                     Qt::Key_Enter, Qt::KeypadModifier, "1+", ""},
                                           EnterCase{"ReturnOnEquals", "6*7", "cmdEquals",
                                                     Qt::Key_Return, Qt::NoModifier, "", "42"},
                                           EnterCase{"ReturnOnBackspace", "12", "cmdBackspace",
                                                     Qt::Key_Return, Qt::NoModifier, "1", ""}),
                         [](const auto& info) { return std::string(info.param.name); });

using KeyboardOnWindow = WindowFixture;

TEST_F(KeyboardOnWindow, EnterTicksTheCheckBoxAsSpaceDoes) {
    option()->setFocus(Qt::TabFocusReason);
    QTest::keyClick(option(), Qt::Key_Return);
    EXPECT_TRUE(option()->isChecked());
    EXPECT_EQ(QApplication::focusWidget(), input());
}

struct ArrowCase {
    const char* from;
    Qt::Key key;
    const char* to;
};

class ArrowKeys : public WindowFixture, public ::testing::WithParamInterface<ArrowCase> {};

TEST_P(ArrowKeys, MoveThroughTheKeypadAsLaidOut) {
    const ArrowCase& c = GetParam();
    control(c.from)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(control(c.from), c.key);
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), QLatin1String(c.to));
    EXPECT_EQ(input()->text(), QString());  // moving presses nothing
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Grid, ArrowKeys, ::testing::Values(
    ArrowCase{"cmdNum5",    Qt::Key_Up,    "cmdNum8"},
    ArrowCase{"cmdNum5",    Qt::Key_Down,  "cmdNum2"},
    ArrowCase{"cmdNum5",    Qt::Key_Left,  "cmdNum4"},
    ArrowCase{"cmdNum5",    Qt::Key_Right, "cmdNum6"},
    ArrowCase{"cmdSqr",     Qt::Key_Right, "cmdRecip"},
    ArrowCase{"cmdPi",      Qt::Key_Right, "cmdEquals"},
    ArrowCase{"cmdEquals",  Qt::Key_Left,  "cmdPercent"},
    ArrowCase{"cmdEquals",  Qt::Key_Up,    "cmdDividedBy"},
    ArrowCase{"Command2",   Qt::Key_Right, "cmdNum0"},
    // At the keypad's edges the focus stays.
    ArrowCase{"cmdSqr",     Qt::Key_Up,    "cmdSqr"},
    ArrowCase{"cmdSqr",     Qt::Key_Left,  "cmdSqr"},
    ArrowCase{"cmdBackspace", Qt::Key_Right, "cmdBackspace"},
    ArrowCase{"cmdEquals",  Qt::Key_Down,  "cmdEquals"}),
    [](const auto& info) {
        return std::string(info.param.from) + "_" + std::to_string(info.index);
    });
// clang-format on

using CheckBoxLook = WindowFixture;

// Drawn at 1x: the grey fills the control, and the box's lower edge lies inside it.
TEST_F(CheckBoxLook, WholeBoxOnTheWindowsGrey) {
    QCheckBox* const box = option();
    EXPECT_EQ(box->height(), 13);
    EXPECT_EQ(box->backgroundRole(), QPalette::Window);
    QStyleOptionButton styleOption;
    styleOption.initFrom(box);
    const QRect indicator =
        box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &styleOption, box);
    EXPECT_TRUE(box->rect().contains(indicator)) << indicator.y() << " " << indicator.height();

    const QImage image = box->grab().toImage();
    const QColor grey(192, 192, 192);
    EXPECT_EQ(image.pixelColor(image.width() - 1, 0), grey);
    EXPECT_EQ(image.pixelColor(image.width() - 1, image.height() - 1), grey);
    // The box's lower border is drawn on the control's last row.
    const int bottom = indicator.bottom();
    ASSERT_LT(bottom, image.height());
    EXPECT_NE(image.pixelColor(indicator.center().x(), bottom), grey);
    EXPECT_NE(image.pixelColor(indicator.center().x(), bottom), QColor(255, 255, 255));
}

}  // namespace
}  // namespace vimbo
