// SPDX-License-Identifier: MIT
// What the main window frmMain looks like: each control's kind, caption, place and size in
// twips, font and look, and the tab order.
#pragma once

#include <span>

namespace vimbo {

enum class ControlKind { Label, TextBox, LockedTextBox, Button, CheckBox, Tape };

enum class ControlFont {
    Default,  // the window's font, 8.25 pt regular
    Bold,     // 8.25 pt bold
    Tape,     // 9.75 pt regular
};

enum class ControlLook {
    Plain,             // the toolkit's colours
    WindowBackground,  // background 192, 192, 192, like the window
    GrandTotal,        // text 128, 255, 128 on black
    SystemBackground,  // background in the system's window colour
};

struct ControlLayout {
    const char* name;  // objectName
    ControlKind kind;
    const char* caption;         // UTF-8; the content at start for text boxes
    const char* accessibleName;  // UTF-8
    int left;                    // twips, in the window's client area
    int top;
    int width;
    int height;
    ControlFont font = ControlFont::Default;
    ControlLook look = ControlLook::Plain;
    bool visible = true;
    const char* toolTip = nullptr;
};

struct WindowLayout {
    const char* title;
    const char* fontFamily;  // stands in for MS Sans Serif, which Linux lacks
    double defaultPointSize;
    double tapePointSize;
    int clientWidth;  // twips
    int clientHeight;
    int background[3];  // red, green, blue
};

const WindowLayout& MainWindowLayout();
std::span<const ControlLayout> MainWindowControls();
// The controls that take the focus, in tab order; the first one has the focus at start.
std::span<const char* const> MainWindowTabOrder();

// 15 twips make a pixel at 96 dots per inch.
inline constexpr int kTwipsPerPixel = 15;

// Rounded to the nearest pixel.
int TwipsToPixels(int twips);

}  // namespace vimbo
