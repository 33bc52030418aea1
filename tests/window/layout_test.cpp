// SPDX-License-Identifier: MIT
// The main window's look: places in twips, captions, fonts, colours, focus and tab order.
#include <QAbstractButton>
#include <QFontInfo>
#include <cmath>
#include <vector>

#include "tests/support/named_rows.h"
#include "window_fixture.h"

namespace vimbo {
namespace {

using vimbo::test_support::PrintTo;

using testing::WindowFixture;

int Pixels(int twips) {
    return static_cast<int>(std::lround(twips / 15.0));
}

enum class Weight { Regular, Bold };

struct ControlCase {
    const char* name;
    const char* caption;  // UTF-8; nullptr for controls without a caption
    const char* accessibleName;
    int left, top, width, height;  // twips
    double points;
    Weight weight;
    bool visible;
};

constexpr double kSmall = 8.25;
constexpr double kTape = 9.75;
constexpr auto R = Weight::Regular;
constexpr auto B = Weight::Bold;

// clang-format off
const std::vector<ControlCase> kControls{
    {"lblInput",      "Input:",     "Input:",            120,  120,  495,  255,  kSmall, R, true},
    {"txtInput",      nullptr,      "Input",             120,  360,  4935, 285,  kSmall, R, true},
    {"lblOutput",     "Output:",    "Output:",           120,  840,  615,  255,  kSmall, R, true},
    {"txtOutput",     nullptr,      "Output",            120,  1080, 1600, 285,  kSmall, R, true},
    {"Command3",      "GT",         "GT",                2600, 1090, 615,  290,  kSmall, R, true},
    {"Text1",         nullptr,      "Grand total",       3300, 1080, 1725, 300,  kSmall, B, true},
    {"list1",         nullptr,      "History tape",      5280, 360,  2895, 4000, kTape,  R, true},
    {"Check1",        "2 decimals", "2 decimals",        160,  4080, 1225, 195,  kSmall, B, true},
    {"Command1",      "Print",      "Print",             1680, 4060, 1815, 320,  kSmall, R, true},
    {"cmdSqr",        "Sqr",        "Square root",       120,  1560, 735,  375,  kSmall, R, true},
    {"cmdRecip",      "1 / x",      "Reciprocal",        960,  1560, 735,  375,  kSmall, R, true},
    {"cmdLog",        "Log",        "Logarithm",         1800, 1560, 735,  375,  kSmall, R, true},
    {"cmdLn",         "Ln",         "Natural logarithm", 2640, 1560, 735,  375,  kSmall, R, true},
    {"cmdClear",      "Clear",      "Clear",             3480, 1560, 735,  375,  kSmall, R, true},
    {"cmdBackspace",  "Bksp",       "Backspace",         4320, 1560, 735,  375,  kSmall, R, true},
    {"cmdOpenPar",    "(",          "Open parenthesis",  120,  2040, 735,  375,  kSmall, R, true},
    {"cmdNum7",       "7",          "Seven",             960,  2040, 735,  375,  kSmall, R, true},
    {"cmdNum8",       "8",          "Eight",             1800, 2040, 735,  375,  kSmall, R, true},
    {"cmdNum9",       "9",          "Nine",              2640, 2040, 735,  375,  kSmall, R, true},
    {"cmdMinusOrNeg", "-",          "Minus",             3480, 2040, 735,  375,  kSmall, R, true},
    {"cmdTimes",      "\u00D7",     "Multiply",          4320, 2040, 735,  375,  kSmall, R, true},
    {"cmdClosedPar",  ")",          "Close parenthesis", 120,  2520, 735,  375,  kSmall, R, true},
    {"cmdNum4",       "4",          "Four",              960,  2520, 735,  375,  kSmall, R, true},
    {"cmdNum5",       "5",          "Five",              1800, 2520, 735,  375,  kSmall, R, true},
    {"cmdNum6",       "6",          "Six",               2640, 2520, 735,  375,  kSmall, R, true},
    {"cmdPlus",       "+",          "Plus",              3480, 2520, 735,  375,  kSmall, R, true},
    {"cmdDividedBy",  "\u00F7",     "Divide",            4320, 2520, 735,  375,  kSmall, R, true},
    {"cmdInt",        "Int",        "Integer part",      120,  3000, 735,  375,  kSmall, R, true},
    {"cmdNum1",       "1",          "One",               960,  3000, 735,  375,  kSmall, R, true},
    {"cmdNum2",       "2",          "Two",               1800, 3000, 735,  375,  kSmall, R, true},
    {"cmdNum3",       "3",          "Three",             2640, 3000, 735,  375,  kSmall, R, true},
    {"cmdPercent",    "%",          "Percent",           3480, 3000, 735,  375,  kSmall, R, true},
    {"cmdEquals",     "=",          "Equals",            4320, 3000, 735,  855,  kSmall, R, true},
    {"Command2",      "Exit",       "Exit",              120,  3480, 735,  375,  kSmall, B, true},
    {"cmdNum0",       "0",          "Zero",              960,  3480, 735,  375,  kSmall, R, true},
    {"cmdDecPoint",   ".",          "Decimal point",     1800, 3480, 735,  375,  kSmall, R, true},
    {"cmdRound",      "Round",      "Round to",          2640, 3480, 735,  375,  kSmall, R, true},
    {"cmdPi",         "Pi",         "Pi",                3480, 3480, 735,  375,  kSmall, R, true},
    {"txtdec",        nullptr,      "Decimals pattern",  3720, 4080, 150,  285,  kSmall, R, false},
    {"lblDRG",        "DEG",        "Angle mode",        4920, 5760, 495,  255,  kSmall, R, false},
};
// clang-format on

class ControlLayoutTest : public WindowFixture,
                          public ::testing::WithParamInterface<ControlCase> {};

TEST_P(ControlLayoutTest, PlacedCaptionedAndStyled) {
    const ControlCase& c = GetParam();
    QWidget* const widget = control(c.name);
    ASSERT_NE(widget, nullptr);
    EXPECT_EQ(widget->parentWidget(), &window);
    EXPECT_EQ(widget->geometry(),
              QRect(Pixels(c.left), Pixels(c.top), Pixels(c.width), Pixels(c.height)));
    EXPECT_EQ(widget->isVisible(), c.visible);
    EXPECT_EQ(widget->accessibleName(), QString::fromUtf8(c.accessibleName));
    if (c.caption != nullptr) {
        const QString caption = QString::fromUtf8(c.caption);
        if (auto* const button = qobject_cast<QAbstractButton*>(widget)) {
            EXPECT_EQ(button->text(), caption);
        } else if (auto* const label = qobject_cast<QLabel*>(widget)) {
            EXPECT_EQ(label->text(), caption);
        } else {
            ADD_FAILURE() << "no caption on " << c.name;
        }
    }
    EXPECT_EQ(widget->font().family(), QStringLiteral("Liberation Sans"));
    EXPECT_EQ(QFontInfo(widget->font()).family(), QStringLiteral("Liberation Sans"));
    EXPECT_DOUBLE_EQ(widget->font().pointSizeF(), c.points);
    EXPECT_EQ(widget->font().bold(), c.weight == Weight::Bold);
}

INSTANTIATE_TEST_SUITE_P(Controls, ControlLayoutTest, ::testing::ValuesIn(kControls),
                         [](const auto& info) { return std::string(info.param.name); });

using WindowLayoutTest = WindowFixture;

const QColor kGrey(192, 192, 192);

TEST_F(WindowLayoutTest, TitleAndFixedClientArea) {
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Vimbo Calculator"));
    EXPECT_EQ(window.size(), QSize(554, 308));
    EXPECT_EQ(window.minimumSize(), QSize(554, 308));
    EXPECT_EQ(window.maximumSize(), QSize(554, 308));
}

TEST_F(WindowLayoutTest, MinimiseAndCloseButNoMaximise) {
    const Qt::WindowFlags flags = window.windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(window.isWindow());
}

TEST_F(WindowLayoutTest, Colours) {
    EXPECT_EQ(window.palette().color(QPalette::Window), kGrey);
    EXPECT_TRUE(window.autoFillBackground());
    for (const char* name : {"lblInput", "lblOutput", "Check1"}) {
        EXPECT_EQ(control(name)->palette().color(QPalette::Window), kGrey) << name;
        EXPECT_TRUE(control(name)->autoFillBackground()) << name;
    }
    EXPECT_EQ(total()->palette().color(QPalette::Text), QColor(128, 255, 128));
    EXPECT_EQ(total()->palette().color(QPalette::Base), QColor(0, 0, 0));
    EXPECT_EQ(control("lblDRG")->palette().color(QPalette::Window),
              QGuiApplication::palette().color(QPalette::Window));
}

TEST_F(WindowLayoutTest, OnlyRoundHasATooltip) {
    for (QWidget* const widget : window.findChildren<QWidget*>()) {
        const QString expected = widget->objectName() == QStringLiteral("cmdRound")
                                     ? QStringLiteral(">RoundTo([how many decimal places?])")
                                     : QString();
        EXPECT_EQ(widget->toolTip(), expected) << widget->objectName().toStdString();
    }
}

TEST_F(WindowLayoutTest, OutputLineIsLocked) {
    EXPECT_TRUE(output()->isReadOnly());
    EXPECT_FALSE(input()->isReadOnly());
    EXPECT_FALSE(total()->isReadOnly());
}

const QStringList kTabOrder{
    "txtInput",     "txtOutput", "cmdRecip",    "cmdLog",   "cmdLn",         "cmdSqr",
    "cmdBackspace", "cmdNum7",   "cmdNum8",     "cmdNum9",  "cmdMinusOrNeg", "cmdTimes",
    "cmdOpenPar",   "cmdNum4",   "cmdNum5",     "cmdNum6",  "cmdPlus",       "cmdDividedBy",
    "cmdClosedPar", "cmdNum1",   "cmdNum2",     "cmdNum3",  "cmdPercent",    "cmdEquals",
    "cmdInt",       "cmdNum0",   "cmdDecPoint", "cmdRound", "cmdPi",         "Command1",
    "cmdClear",     "Command2",  "Text1",       "Command3", "list1",         "Check1",
};

bool TakesTabFocus(const QWidget& widget, const QWidget& window) {
    return (widget.focusPolicy() & Qt::TabFocus) != 0 && widget.isVisibleTo(&window) &&
           widget.isEnabled();
}

TEST_F(WindowLayoutTest, FocusChainFollowsTabOrder) {
    QStringList chain;
    QWidget* widget = input();
    do {
        if (TakesTabFocus(*widget, window)) {
            chain.append(widget->objectName());
        }
        widget = widget->nextInFocusChain();
    } while (widget != input());
    EXPECT_EQ(chain, kTabOrder);
}

TEST_F(WindowLayoutTest, TabKeyWalksTheOrderAndWrapsAround) {
    ASSERT_EQ(QApplication::focusWidget(), input());
    QStringList visited{QApplication::focusWidget()->objectName()};
    for (qsizetype i = 1; i < kTabOrder.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.append(QApplication::focusWidget()->objectName());
    }
    EXPECT_EQ(visited, kTabOrder);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), input());
}

TEST_F(WindowLayoutTest, LabelsAndHiddenControlsTakeNoFocus) {
    for (const char* name : {"lblInput", "lblOutput", "lblDRG", "txtdec"}) {
        EXPECT_FALSE(TakesTabFocus(*control(name), window)) << name;
    }
}

}  // namespace
}  // namespace vimbo
