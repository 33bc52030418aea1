// SPDX-License-Identifier: MIT
#include "window/control_table.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace vimbo {

namespace {

using K = ControlKind;
using F = ControlFont;
using L = ControlLook;
namespace name = control_name;

constexpr WindowLayout kWindow{
    "Vimbo Calculator", "Liberation Sans", 8.25, 9.75, 8310, 4620, {192, 192, 192},
};

// The keypad: keys of 735 x 375 twips on a grid of six columns and five rows.
constexpr std::array<int, 6> kColumnLefts{120, 960, 1800, 2640, 3480, 4320};
constexpr std::array<int, 5> kRowTops{1560, 2040, 2520, 3000, 3480};
constexpr int kKeyWidth = 735;
constexpr int kKeyHeight = 375;

// A keypad key, placed by its cell.
constexpr WindowControl Key(const char* objectName, const char* caption, const char* token,
                            const char* accessibleName, int tabPosition, int row, int column,
                            int rows = 1) {
    return WindowControl{
        .name = objectName,
        .kind = K::Button,
        .caption = caption,
        .place = {kColumnLefts[static_cast<std::size_t>(column)],
                  kRowTops[static_cast<std::size_t>(row)], kKeyWidth,
                  // A key of several rows reaches the lower edge of its last one ("=": 855).
                  kRowTops[static_cast<std::size_t>(row + rows - 1)] -
                      kRowTops[static_cast<std::size_t>(row)] + kKeyHeight},
        .accessibleName = accessibleName,
        .token = token,
        .tabPosition = tabPosition,
        .cell = {row, row + rows - 1, column},
    };
}

constexpr WindowControl Bold(WindowControl control) {
    control.font = F::Bold;
    return control;
}

// A tooltip in the expression language reads as code to a screen reader: the description says
// in words what the key does.
constexpr WindowControl WithToolTip(WindowControl control, const char* toolTip,
                                    const char* description) {
    control.toolTip = toolTip;
    control.description = description;
    return control;
}

// clang-format off
constexpr auto kControls = std::to_array<WindowControl>({
    {.name = "lblInput", .kind = K::Label, .caption = "Input:", .place = {120, 120, 495, 255},
     .accessibleName = "Input:", .look = L::WindowBackground},
    {.name = name::input, .kind = K::TextBox, .caption = "", .place = {120, 360, 4935, 285},
     .accessibleName = "Input", .tabPosition = 0},
    {.name = "lblOutput", .kind = K::Label, .caption = "Output:", .place = {120, 840, 615, 255},
     .accessibleName = "Output:", .look = L::WindowBackground},
    {.name = name::output, .kind = K::LockedTextBox, .caption = "", .place = {120, 1080, 1600, 285},
     .accessibleName = "Output", .tabPosition = 1},
    {.name = name::grandTotalButton, .kind = K::Button, .caption = "GT", .place = {2600, 1090, 615, 290},
     .accessibleName = "GT", .description = "Write the grand total onto the tape", .tabPosition = 33},
    {.name = name::grandTotal, .kind = K::TextBox, .caption = "", .place = {3300, 1080, 1725, 300},
     .accessibleName = "Grand total", .tabPosition = 32, .font = F::Bold, .look = L::GrandTotal},
    {.name = name::tape, .kind = K::Tape, .caption = "", .place = {5280, 360, 2895, 4000},
     .accessibleName = "History tape", .tabPosition = 34, .font = F::Tape},
    {.name = name::twoDecimals, .kind = K::CheckBox, .caption = "2 decimals", .place = {160, 4080, 1225, 195},
     .accessibleName = "2 decimals", .tabPosition = 35, .font = F::Bold, .look = L::WindowBackground},
    {.name = name::printButton, .kind = K::Button, .caption = "Print", .place = {1680, 4060, 1815, 320},
     .accessibleName = "Print", .description = "Print the tape on the default printer", .tabPosition = 29},

    //   object name           caption   token        accessible name     tab row col
    Key("cmdSqr",             "Sqr",    "Sqr(",      "Square root",        5, 0, 0),
    Key("cmdRecip",           "1 / x",  "1/(",       "Reciprocal",         2, 0, 1),
    Key("cmdLog",             "Log",    "Log(",      "Logarithm",          3, 0, 2),
    Key("cmdLn",              "Ln",     "Ln(",       "Natural logarithm",  4, 0, 3),
    Key(name::clearKey,       "Clear",  nullptr,     "Clear",             30, 0, 4),
    Key(name::backspaceKey,   "Bksp",   nullptr,     "Backspace",          6, 0, 5),
    Key("cmdOpenPar",         "(",      "(",         "Open parenthesis",  12, 1, 0),
    Key("cmdNum7",            "7",      "7",         "Seven",              7, 1, 1),
    Key("cmdNum8",            "8",      "8",         "Eight",              8, 1, 2),
    Key("cmdNum9",            "9",      "9",         "Nine",               9, 1, 3),
    Key("cmdMinusOrNeg",      "-",      "-",         "Minus",             10, 1, 4),
    Key("cmdTimes",           "\u00D7", "*",         "Multiply",          11, 1, 5),
    Key("cmdClosedPar",       ")",      ")",         "Close parenthesis", 18, 2, 0),
    Key("cmdNum4",            "4",      "4",         "Four",              13, 2, 1),
    Key("cmdNum5",            "5",      "5",         "Five",              14, 2, 2),
    Key("cmdNum6",            "6",      "6",         "Six",               15, 2, 3),
    Key("cmdPlus",            "+",      "+",         "Plus",              16, 2, 4),
    Key("cmdDividedBy",       "\u00F7", "/",         "Divide",            17, 2, 5),
    Key("cmdInt",             "Int",    "Int(",      "Integer part",      24, 3, 0),
    Key("cmdNum1",            "1",      "1",         "One",               19, 3, 1),
    Key("cmdNum2",            "2",      "2",         "Two",               20, 3, 2),
    Key("cmdNum3",            "3",      "3",         "Three",             21, 3, 3),
    Key("cmdPercent",         "%",      "%",         "Percent",           22, 3, 4),
    Key(name::equalsKey,      "=",      nullptr,     "Equals",            23, 3, 5, 2),
    Bold(Key(name::exitButton, "Exit",  nullptr,     "Exit",              31, 4, 0)),
    Key("cmdNum0",            "0",      "0",         "Zero",              25, 4, 1),
    Key("cmdDecPoint",        ".",      ".",         "Decimal point",     26, 4, 2),
    WithToolTip(Key("cmdRound", "Round", ">RoundTo(", "Round to",         27, 4, 3),
                ">RoundTo([how many decimal places?])",
                "Round the result: type how many decimal places next"),
    Key("cmdPi",              "Pi",     "Pi",        "Pi",                28, 4, 4),

    {.name = name::decimalsPattern, .kind = K::TextBox, .caption = "", .place = {3720, 4080, 150, 285},
     .accessibleName = "Decimals pattern", .visible = false},
    {.name = name::angleMode, .kind = K::Label, .caption = "DEG", .place = {4920, 5760, 495, 255},
     .accessibleName = "Angle mode", .look = L::SystemBackground, .visible = false},
});
// clang-format on

}  // namespace

const WindowLayout& MainWindowLayout() {
    return kWindow;
}

std::span<const WindowControl> MainWindowControls() {
    return kControls;
}

const WindowControl* FindControl(std::string_view controlName) {
    const auto found = std::ranges::find_if(
        kControls, [&](const WindowControl& c) { return controlName == c.name; });
    return found == kControls.end() ? nullptr : &*found;
}

std::vector<const WindowControl*> MainWindowTabOrder() {
    std::vector<const WindowControl*> order;
    for (const WindowControl& control : kControls) {
        if (control.tabPosition >= 0) {
            order.push_back(&control);
        }
    }
    std::ranges::sort(order, {}, &WindowControl::tabPosition);
    return order;
}

std::vector<const WindowControl*> KeypadKeys() {
    std::vector<const WindowControl*> keys;
    for (const WindowControl& control : kControls) {
        if (control.token != nullptr) {
            keys.push_back(&control);
        }
    }
    return keys;
}

QString KeypadToken(QStringView controlName) {
    for (const WindowControl& control : kControls) {
        if (control.token != nullptr && controlName == QLatin1String(control.name)) {
            return QString::fromLatin1(control.token);
        }
    }
    return {};
}

const WindowControl* KeypadNeighbour(std::string_view controlName, GridDirection direction) {
    const WindowControl* const from = FindControl(controlName);
    if (from == nullptr || !from->cell.inKeypad()) {
        return nullptr;
    }
    int row = from->cell.row;
    int column = from->cell.column;
    switch (direction) {
        case GridDirection::Up:
            row = from->cell.row - 1;
            break;
        case GridDirection::Down:
            row = from->cell.lastRow + 1;
            break;
        case GridDirection::Left:
            --column;
            break;
        case GridDirection::Right:
            ++column;
            break;
    }
    const auto to = std::ranges::find_if(kControls, [&](const WindowControl& c) {
        return c.cell.inKeypad() && c.cell.column == column && c.cell.row <= row &&
               row <= c.cell.lastRow;
    });
    return to == kControls.end() ? nullptr : &*to;
}

int TwipsToPixels(int twips) {
    return static_cast<int>(std::lround(static_cast<double>(twips) / kTwipsPerPixel));
}

}  // namespace vimbo
