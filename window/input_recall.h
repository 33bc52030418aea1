// SPDX-License-Identifier: MIT
// The inputs evaluated since the window opened, stepped through with Up and Down in the input
// line as in a shell: the newest first, and the line being typed kept as the newest of all.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace vimbo {

class InputRecall {
  public:
    // An input that was evaluated; stepping starts again from the line being typed. The same
    // input twice in a row is kept once, so one Up always brings back something else.
    void record(const QString& input);
    // The entry before the one shown, or nothing at the oldest. Leaving the line being typed
    // (`current`) keeps it.
    std::optional<QString> older(const QString& current);
    // The entry after the one shown, the kept line after the newest, or nothing there.
    std::optional<QString> newer();
    void clear();
    // Whether the line shown is the one being typed rather than an entry.
    bool showsTypedLine() const { return shown_ == entries_.size(); }

    const QStringList& entries() const { return entries_; }

  private:
    QStringList entries_;  // oldest first
    qsizetype shown_ = 0;  // the entry shown; entries_.size() for the line being typed
    QString draft_;
};

}  // namespace vimbo
