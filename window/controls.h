// SPDX-License-Identifier: MIT
// The few operations the window's actions need of its controls. The actions work on these
// interfaces only: the Qt widgets are one binding, the tests' plain fakes another.
#pragma once

#include <QString>

#include "engine/engine.h"

namespace vimbo {

// A text box (txtOutput, txtdec, Text1): holds and shows exactly the string set.
class TextBox {
  public:
    virtual ~TextBox() = default;
    virtual QString text() const = 0;
    virtual void setText(const QString& text) = 0;
};

// What an action changed that the window shows, as a screen reader is told it.
enum class Outcome {
    Result,       // with the output line's new result
    GrandTotal,   // with the grand total just written onto the tape
    Input,        // with the input line's new text, after a key that had the focus
    Edited,       // with the input line's new text, where the input line kept the focus
    Cleared,      // everything emptied; no text
    Recalled,     // with the earlier input that Up or Down brought back
    Inserted,     // with the text a tape line put into the input line
    Copied,       // with the text put on the clipboard
    Saved,        // with the name of the file the tape went into
    ClearUndone,  // what Clear emptied is back; no text
};

// The input line txtInput: a text box that can take the focus and place its caret.
// Caret positions count UTF-16 code units, as QString::size() does.
class InputLine : public TextBox {
  public:
    virtual void giveFocus() = 0;                     // the caret does not move
    virtual void setCaretPosition(int position) = 0;  // nothing selected afterwards
    // Tells a screen reader, once, what the action now ending has changed. Every such action
    // ends with the focus here, and a screen reader follows only the focused object.
    virtual void announce(Outcome outcome, const QString& text) = 0;
};

// Where the window keeps its angle mode (the hidden label lblDRG, which shows it as text).
class AngleModeStore {
  public:
    virtual ~AngleModeStore() = default;
    virtual AngleMode mode() const = 0;
    virtual void setMode(AngleMode mode) = 0;
};

// A check box (Check1, the "2 decimals" option).
class CheckBox {
  public:
    virtual ~CheckBox() = default;
    virtual bool isChecked() const = 0;
};

// The history tape list1: its whole text, stored exactly as set (CR LF pairs and lone CRs
// included). Its length counts UTF-16 code units, the same units as the character
// indices of its page layout.
class Tape {
  public:
    virtual ~Tape() = default;
    virtual QString wholeText() const = 0;
    virtual void setWholeText(const QString& text) = 0;
    virtual int length() const { return static_cast<int>(wholeText().size()); }
    // A whole-text replacement by the current text followed by `tail`. A tape that keeps its
    // text itself may do it without copying the whole text.
    virtual void appendText(const QString& tail) { setWholeText(wholeText() + tail); }
};

// The line of 16 asterisks that closes every entry on the tape.
inline const QString kTapeSeparator = QStringLiteral("****************");

// The main window frmMain itself: its mouse pointer and one round of pending events.
class WindowHost {
  public:
    virtual ~WindowHost() = default;
    virtual void setBusyPointer(bool busy) = 0;
    virtual void processPendingEvents() = 0;
};

// The busy pointer from construction until release() or destruction, whichever comes first,
// so that the default pointer comes back however an action ends.
class BusyPointer {
  public:
    explicit BusyPointer(WindowHost& host) : host_(host) { host_.setBusyPointer(true); }
    ~BusyPointer() { release(); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;

    void release() {
        if (busy_) {
            busy_ = false;
            host_.setBusyPointer(false);
        }
    }

  private:
    WindowHost& host_;
    bool busy_ = true;
};

// The window model: every field of the main window's state, as its controls.
struct WindowControls {
    InputLine& input;             // txtInput
    TextBox& output;              // txtOutput: the last result, and what "ans" refers to
    TextBox& decimalsPattern;     // txtdec: "0.00" or "", as the last Equals action left it
    TextBox& grandTotal;          // Text1
    Tape& tape;                   // list1
    AngleModeStore& angleMode;    // lblDRG
    const CheckBox& twoDecimals;  // Check1: "2 decimals"
    WindowHost& window;           // frmMain
    // True while an Equals action runs: one that starts at its event points is dropped, or a
    // second Enter would record an entry nobody typed and count a result twice.
    bool equalsRunning = false;
};

}  // namespace vimbo
