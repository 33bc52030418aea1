// SPDX-License-Identifier: MIT
// The inputs evaluated since the window opened, stepped through with Up and Down in the input
// line as in a shell: the newest first, and the line being typed kept as the newest of all.
// An entry edited while it is shown keeps the edit while the user steps on, until a line is
// evaluated; the entries themselves never change.
#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <optional>

namespace vimbo {

class InputRecall {
  public:
    // An input that was evaluated; stepping starts again from the line being typed. The same
    // input twice in a row is kept once, so one Up always brings back something else.
    void record(const QString& input);
    // The entry before the one shown, or nothing at the oldest; `current` is what the line
    // holds, kept as the line being typed or as the shown entry's edit.
    std::optional<QString> older(const QString& current);
    // The entry after the one shown, the line being typed after the newest, or nothing there.
    std::optional<QString> newer(const QString& current);
    void clear();
    // Whether the line shown is the one being typed rather than an entry.
    bool showsTypedLine() const { return shown_ == entries_.size(); }

    const QStringList& entries() const { return entries_; }

  private:
    void keep(const QString& current);
    QString shown() const;

    QStringList entries_;  // oldest first
    qsizetype shown_ = 0;  // the entry shown; entries_.size() for the line being typed
    // The line being typed (at entries_.size()) and the entries edited, by position.
    QHash<qsizetype, QString> edits_;
};

}  // namespace vimbo
