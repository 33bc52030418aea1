// SPDX-License-Identifier: MIT
// Plain stand-ins for the window's controls, recording what the actions do to them.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <iterator>
#include <vector>

#include "window/controls.h"

namespace vimbo::testing {

// One log for all fakes, so that a test can check the order of operations across controls.
using OperationLog = QStringList;

class FakeTextBox final : public TextBox {
  public:
    FakeTextBox(OperationLog& log, QString name) : log_(log), name_(std::move(name)) {}
    QString text() const override { return text_; }
    void setText(const QString& text) override {
        text_ = text;
        log_.append(name_ + QStringLiteral(" = ") + text);
    }

  private:
    OperationLog& log_;
    QString name_;
    QString text_;
};

class FakeInputLine final : public InputLine {
  public:
    explicit FakeInputLine(OperationLog& log) : log_(log) {}
    QString text() const override { return text_; }
    void setText(const QString& text) override {
        text_ = text;
        caret = static_cast<int>(text.size());  // as a line edit does
        log_.append(QStringLiteral("txtInput = ") + text);
    }
    void giveFocus() override {
        hasFocus = true;
        ++focusCount;
        log_.append(QStringLiteral("focus"));
    }
    void setCaretPosition(int position) override {
        caret = position;
        selectionLength = 0;
        caretMoves.push_back(position);
        log_.append(QStringLiteral("caret %1").arg(position));
    }
    void announce(Outcome outcome, const QString& text) override {
        static const char* const kOutcomes[] = {"Result",  "GrandTotal", "Input",    "Edited",
                                                "Cleared", "Recalled",   "Inserted", "Copied",
                                                "Saved",   "ClearUndone"};
        static_assert(std::size(kOutcomes) == static_cast<int>(Outcome::ClearUndone) + 1);
        log_.append(QStringLiteral("say %1 %2").arg(kOutcomes[static_cast<int>(outcome)], text));
    }
    // The user's typing and selecting, which bypass the log.
    void type(const QString& text) {
        text_ = text;
        caret = static_cast<int>(text.size());
    }

    bool hasFocus = false;
    int focusCount = 0;
    int caret = 0;
    int selectionLength = 0;
    std::vector<int> caretMoves;  // every caret placement, in order

  private:
    OperationLog& log_;
    QString text_;
};

class FakeAngleModeStore final : public AngleModeStore {
  public:
    explicit FakeAngleModeStore(OperationLog& log) : log_(log) {}
    AngleMode mode() const override { return mode_; }
    void setMode(AngleMode mode) override {
        mode_ = mode;
        log_.append(QStringLiteral("lblDRG = ") +
                    QString::fromStdString(std::string(AngleModeName(mode))));
    }

  private:
    OperationLog& log_;
    AngleMode mode_ = AngleMode::Degrees;
};

class FakeCheckBox final : public CheckBox {
  public:
    bool isChecked() const override { return checked; }
    bool checked = false;
};

// Counts the reads of the whole text as well, to tell one layout from many.
class FakeTape final : public Tape {
  public:
    FakeTape() = default;  // a tape on its own, with no log
    explicit FakeTape(OperationLog& log) : log_(&log) {}
    QString wholeText() const override {
        ++reads;
        return text;
    }
    void setWholeText(const QString& newText) override {
        text = newText;
        writes.append(newText);
        if (log_ != nullptr) {
            log_->append(QStringLiteral("list1 set"));
        }
    }

    QString text;        // what the tape holds; set directly, nothing is recorded
    QStringList writes;  // every whole text stored, in order
    mutable int reads = 0;

  private:
    OperationLog* log_ = nullptr;
};

class FakeHost final : public WindowHost {
  public:
    explicit FakeHost(OperationLog& log) : log_(log) {}
    void setBusyPointer(bool isBusy) override {
        busy = isBusy;
        pointerChanges.push_back(isBusy);
        log_.append(isBusy ? QStringLiteral("busy") : QStringLiteral("default pointer"));
    }
    void processPendingEvents() override {
        log_.append(QStringLiteral("events"));
        ++rounds;
        if (onEvents) {
            onEvents(rounds);
        }
    }
    bool busy = false;
    std::vector<bool> pointerChanges;
    int rounds = 0;
    std::function<void(int round)> onEvents;  // what the queued events do, by round

  private:
    OperationLog& log_;
};

// A whole window model of fakes, in its opening state.
struct FakeWindow {
    OperationLog log;
    FakeInputLine input{log};
    FakeTextBox output{log, QStringLiteral("txtOutput")};
    FakeTextBox decimalsPattern{log, QStringLiteral("txtdec")};
    FakeTextBox grandTotal{log, QStringLiteral("Text1")};
    FakeTape tape{log};
    FakeAngleModeStore angleMode{log};
    FakeCheckBox twoDecimals;
    FakeHost window{log};
    WindowControls controls{input, output,    decimalsPattern, grandTotal,
                            tape,  angleMode, twoDecimals,     window};
};

}  // namespace vimbo::testing
