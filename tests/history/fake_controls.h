// Plain fakes of the window's controls, recording what the history commands do to them.
#pragma once

#include <QString>
#include <vector>

#include "qt_print_to.h"
#include "window/controls.h"

namespace vimbo::testing {

class FakeTextBox : public TextBox {
  public:
    QString text() const override { return text_; }
    void setText(const QString& text) override { text_ = text; }

  private:
    QString text_;
};

class FakeInputLine final : public InputLine {
  public:
    QString text() const override { return text_; }
    void setText(const QString& text) override { text_ = text; }
    void giveFocus() override { ++focusCount; }
    void setCaretPosition(int position) override { caretMoves.push_back(position); }

    int focusCount = 0;
    std::vector<int> caretMoves;

  private:
    QString text_;
};

// Counts the replacements and reads of the whole text, to tell one append from two and
// one layout from many.
class FakeTape final : public Tape {
  public:
    QString wholeText() const override {
        ++reads;
        return text;
    }
    void setWholeText(const QString& newText) override {
        text = newText;
        replacements.push_back(newText);
    }

    QString text;
    std::vector<QString> replacements;
    mutable int reads = 0;
};

class FakeLabel final : public Label {
  public:
    QString caption() const override { return caption_; }
    void setCaption(const QString& caption) override { caption_ = caption; }

  private:
    QString caption_ = QStringLiteral("DEG");
};

class FakeCheckBox final : public CheckBox {
  public:
    int value() const override { return 0; }
};

class FakeWindowHost final : public WindowHost {
  public:
    void setBusyPointer(bool busy) override { pointerChanges.push_back(busy); }
    void processPendingEvents() override { ++eventRounds; }

    std::vector<bool> pointerChanges;
    int eventRounds = 0;
};

// One main window's worth of fake controls.
struct FakeWindow {
    FakeInputLine txtInput;
    FakeTextBox txtOutput;
    FakeTextBox txtdec;
    FakeTextBox Text1;
    FakeTape list1;
    FakeLabel lblDRG;
    FakeCheckBox Check1;
    FakeWindowHost frmMain;

    WindowControls controls() {
        return WindowControls{txtInput, txtOutput, txtdec, Text1, list1, lblDRG, Check1, frmMain};
    }
};

}  // namespace vimbo::testing
