// SPDX-License-Identifier: MIT
// The control interfaces bound to the Qt widgets of the main window.
#pragma once

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

#include "window/controls.h"
#include "window/tape_view.h"

namespace vimbo {

// The text exactly as set; the output line and the grand total draw a value wider than they
// shortened themselves (ValueBox).
class QtTextBox final : public TextBox {
  public:
    explicit QtTextBox(QLineEdit& box) : box_(box) {}
    QString text() const override { return box_.text(); }
    void setText(const QString& text) override { box_.setText(text); }

  private:
    QLineEdit& box_;
};

class QtInputLine final : public InputLine {
  public:
    explicit QtInputLine(QLineEdit& box) : box_(box) {}
    QString text() const override { return box_.text(); }
    void setText(const QString& text) override { box_.setText(text); }
    void giveFocus() override;
    void setCaretPosition(int position) override;
    void announce(Outcome outcome, const QString& text) override;

  private:
    QLineEdit& box_;
};

// The hidden label lblDRG holds the angle mode as its caption: "DEG", "RAD" or "GRAD".
class QtAngleModeLabel final : public AngleModeStore {
  public:
    explicit QtAngleModeLabel(QLabel& label) : label_(label) {}
    AngleMode mode() const override;
    void setMode(AngleMode mode) override;

  private:
    QLabel& label_;
};

class QtCheckBox final : public CheckBox {
  public:
    explicit QtCheckBox(QCheckBox& box) : box_(box) {}
    // Ticked only: a grey (partly checked) box does not count.
    bool isChecked() const override { return box_.checkState() == Qt::Checked; }

  private:
    QCheckBox& box_;
};

class QtTape final : public Tape {
  public:
    explicit QtTape(TapeView& view) : view_(view) {}
    QString wholeText() const override { return view_.wholeText(); }
    void setWholeText(const QString& text) override { view_.setWholeText(text); }
    int length() const override { return view_.length(); }
    void appendText(const QString& tail) override { view_.appendWholeText(tail); }

  private:
    TapeView& view_;
};

// The busy pointer covers every widget, the text boxes with their own pointers included.
class QtWindowHost final : public WindowHost {
  public:
    QtWindowHost() = default;
    ~QtWindowHost() override;
    QtWindowHost(const QtWindowHost&) = delete;
    QtWindowHost& operator=(const QtWindowHost&) = delete;

    void setBusyPointer(bool busy) override;
    void processPendingEvents() override;

  private:
    bool busy_ = false;
};

}  // namespace vimbo
