// SPDX-License-Identifier: MIT
// Every control of the main window frmMain in one table: its object name, kind, caption,
// place in twips, font and look, keypad token, accessible name and description, tab position
// and keypad cell. The layout, the keypad, the tab order, the accessibility setup and the
// arrow keys all read it.
#pragma once

#include <QString>
#include <QStringView>
#include <span>
#include <string_view>
#include <vector>

namespace vimbo {

// The object names of the controls that the code reaches by name; tools and tests find every
// control by its object name.
namespace control_name {
inline constexpr char mainWindow[] = "frmMain";
inline constexpr char input[] = "txtInput";
inline constexpr char output[] = "txtOutput";
inline constexpr char decimalsPattern[] = "txtdec";
inline constexpr char grandTotal[] = "Text1";
inline constexpr char tape[] = "list1";
inline constexpr char angleMode[] = "lblDRG";
inline constexpr char twoDecimals[] = "Check1";
inline constexpr char equalsKey[] = "cmdEquals";
inline constexpr char backspaceKey[] = "cmdBackspace";
inline constexpr char clearKey[] = "cmdClear";
inline constexpr char printButton[] = "Command1";
inline constexpr char exitButton[] = "Command2";
inline constexpr char grandTotalButton[] = "Command3";
}  // namespace control_name

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

// Twips, in the window's client area.
struct TwipsRect {
    int left;
    int top;
    int width;
    int height;
};

// A keypad key's rows (a key may fill more than one) and column, from 0 at the top left.
struct KeypadCell {
    int row = -1;
    int lastRow = -1;
    int column = -1;
    bool inKeypad() const { return column >= 0; }
};

struct WindowControl {
    const char* name;  // objectName
    ControlKind kind;
    const char* caption;  // UTF-8; the content at start for text boxes
    TwipsRect place;
    const char* accessibleName;         // UTF-8
    const char* description = nullptr;  // UTF-8: what it does, where the name does not say
    const char* token = nullptr;        // what a keypad key appends to the input line
    int tabPosition = -1;               // from 0; -1: never takes the focus
    KeypadCell cell = {};
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
std::span<const WindowControl> MainWindowControls();
// nullptr for a name that is not in the table.
const WindowControl* FindControl(std::string_view name);
// The controls that take the focus, in tab order; the first one has the focus at start.
std::vector<const WindowControl*> MainWindowTabOrder();

// The keys that append a token to the input line, in the table's order.
std::vector<const WindowControl*> KeypadKeys();
// The token a keypad key appends, empty for any other control.
QString KeypadToken(QStringView controlName);

enum class GridDirection { Up, Down, Left, Right };

// The keypad key next to `controlName` in the direction; nullptr at the keypad's edge and for
// controls outside it.
const WindowControl* KeypadNeighbour(std::string_view controlName, GridDirection direction);

// 15 twips make a pixel at 96 dots per inch.
inline constexpr int kTwipsPerPixel = 15;

// Rounded to the nearest pixel.
int TwipsToPixels(int twips);

}  // namespace vimbo
