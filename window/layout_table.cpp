// SPDX-License-Identifier: MIT
#include "window/layout_table.h"

#include <array>
#include <cmath>

namespace vimbo {

namespace {

using K = ControlKind;
using F = ControlFont;
using L = ControlLook;

constexpr WindowLayout kWindow{
    "Vimbo Calculator", "Liberation Sans", 8.25, 9.75, 8310, 4620, {192, 192, 192},
};

// Keypad grid: columns and rows of 735 x 375 buttons.
constexpr int kC1 = 120, kC2 = 960, kC3 = 1800, kC4 = 2640, kC5 = 3480, kC6 = 4320;
constexpr int kR1 = 1560, kR2 = 2040, kR3 = 2520, kR4 = 3000, kR5 = 3480;
constexpr int kKeyW = 735, kKeyH = 375;

// clang-format off
constexpr auto kControls = std::to_array<ControlLayout>({
    {"lblInput",  K::Label,         "Input:",     "Input:",       120,  120,  495,  255, F::Default, L::WindowBackground},
    {"txtInput",  K::TextBox,       "",           "Input",        120,  360,  4935, 285},
    {"lblOutput", K::Label,         "Output:",    "Output:",      120,  840,  615,  255, F::Default, L::WindowBackground},
    {"txtOutput", K::LockedTextBox, "",           "Output",       120,  1080, 1600, 285},
    {"Command3",  K::Button,        "GT",         "GT",           2600, 1090, 615,  290},
    {"Text1",     K::TextBox,       "",           "Grand total",  3300, 1080, 1725, 300, F::Bold, L::GrandTotal},
    {"list1",     K::Tape,          "",           "History tape", 5280, 360,  2895, 4000, F::Tape},
    {"Check1",    K::CheckBox,      "2 decimals", "2 decimals",   160,  4080, 1225, 195, F::Bold, L::WindowBackground},
    {"Command1",  K::Button,        "Print",      "Print",        1680, 4060, 1815, 320},

    {"cmdSqr",        K::Button, "Sqr",      "Square root",       kC1, kR1, kKeyW, kKeyH},
    {"cmdRecip",      K::Button, "1 / x",    "Reciprocal",        kC2, kR1, kKeyW, kKeyH},
    {"cmdLog",        K::Button, "Log",      "Logarithm",         kC3, kR1, kKeyW, kKeyH},
    {"cmdLn",         K::Button, "Ln",       "Natural logarithm", kC4, kR1, kKeyW, kKeyH},
    {"cmdClear",      K::Button, "Clear",    "Clear",             kC5, kR1, kKeyW, kKeyH},
    {"cmdBackspace",  K::Button, "Bksp",     "Backspace",         kC6, kR1, kKeyW, kKeyH},
    {"cmdOpenPar",    K::Button, "(",        "Open parenthesis",  kC1, kR2, kKeyW, kKeyH},
    {"cmdNum7",       K::Button, "7",        "Seven",             kC2, kR2, kKeyW, kKeyH},
    {"cmdNum8",       K::Button, "8",        "Eight",             kC3, kR2, kKeyW, kKeyH},
    {"cmdNum9",       K::Button, "9",        "Nine",              kC4, kR2, kKeyW, kKeyH},
    {"cmdMinusOrNeg", K::Button, "-",        "Minus",             kC5, kR2, kKeyW, kKeyH},
    {"cmdTimes",      K::Button, "\u00D7",   "Multiply",          kC6, kR2, kKeyW, kKeyH},
    {"cmdClosedPar",  K::Button, ")",        "Close parenthesis", kC1, kR3, kKeyW, kKeyH},
    {"cmdNum4",       K::Button, "4",        "Four",              kC2, kR3, kKeyW, kKeyH},
    {"cmdNum5",       K::Button, "5",        "Five",              kC3, kR3, kKeyW, kKeyH},
    {"cmdNum6",       K::Button, "6",        "Six",               kC4, kR3, kKeyW, kKeyH},
    {"cmdPlus",       K::Button, "+",        "Plus",              kC5, kR3, kKeyW, kKeyH},
    {"cmdDividedBy",  K::Button, "\u00F7",   "Divide",            kC6, kR3, kKeyW, kKeyH},
    {"cmdInt",        K::Button, "Int",      "Integer part",      kC1, kR4, kKeyW, kKeyH},
    {"cmdNum1",       K::Button, "1",        "One",               kC2, kR4, kKeyW, kKeyH},
    {"cmdNum2",       K::Button, "2",        "Two",               kC3, kR4, kKeyW, kKeyH},
    {"cmdNum3",       K::Button, "3",        "Three",             kC4, kR4, kKeyW, kKeyH},
    {"cmdPercent",    K::Button, "%",        "Percent",           kC5, kR4, kKeyW, kKeyH},
    {"cmdEquals",     K::Button, "=",        "Equals",            kC6, kR4, kKeyW, 855},
    {"Command2",      K::Button, "Exit",     "Exit",              kC1, kR5, kKeyW, kKeyH, F::Bold},
    {"cmdNum0",       K::Button, "0",        "Zero",              kC2, kR5, kKeyW, kKeyH},
    {"cmdDecPoint",   K::Button, ".",        "Decimal point",     kC3, kR5, kKeyW, kKeyH},
    {"cmdRound",      K::Button, "Round",    "Round to",          kC4, kR5, kKeyW, kKeyH, F::Default, L::Plain, true,
     ">RoundTo([how many decimal places?])"},
    {"cmdPi",         K::Button, "Pi",       "Pi",                kC5, kR5, kKeyW, kKeyH},

    {"txtdec", K::TextBox, "",    "Decimals pattern", 3720, 4080, 150, 285, F::Default, L::Plain, false},
    {"lblDRG", K::Label,   "DEG", "Angle mode",       4920, 5760, 495, 255, F::Default, L::SystemBackground, false},
});

constexpr auto kTabOrder = std::to_array<const char*>({
    "txtInput", "txtOutput", "cmdRecip", "cmdLog", "cmdLn", "cmdSqr", "cmdBackspace",
    "cmdNum7", "cmdNum8", "cmdNum9", "cmdMinusOrNeg", "cmdTimes", "cmdOpenPar",
    "cmdNum4", "cmdNum5", "cmdNum6", "cmdPlus", "cmdDividedBy", "cmdClosedPar",
    "cmdNum1", "cmdNum2", "cmdNum3", "cmdPercent", "cmdEquals", "cmdInt",
    "cmdNum0", "cmdDecPoint", "cmdRound", "cmdPi", "Command1", "cmdClear",
    "Command2", "Text1", "Command3", "list1", "Check1",
});
// clang-format on

}  // namespace

const WindowLayout& MainWindowLayout() {
    return kWindow;
}

std::span<const ControlLayout> MainWindowControls() {
    return kControls;
}

std::span<const char* const> MainWindowTabOrder() {
    return kTabOrder;
}

int TwipsToPixels(int twips) {
    return static_cast<int>(std::lround(static_cast<double>(twips) / kTwipsPerPixel));
}

}  // namespace vimbo
