// SPDX-License-Identifier: MIT
// "Clear" that can be taken back, once: right after it, Ctrl+Z brings back everything it
// emptied (the input, the output, the grand total, the tape and the recalled inputs). The
// next action forgets it, so an undo never lands on a window the user has changed since.
#pragma once

#include <QString>
#include <optional>

#include "window/controls.h"
#include "window/input_recall.h"

namespace vimbo {

class ClearUndo {
  public:
    // The Clear action, keeping what it empties; the recalled inputs go with the tape.
    void clear(WindowControls& controls, InputRecall& recall);
    bool canUndo() const { return emptied_.has_value(); }
    // Puts back what the last Clear emptied, if nothing has happened since; the focus ends in
    // the input line after its last character.
    void undo(WindowControls& controls, InputRecall& recall);
    void forget() { emptied_.reset(); }

  private:
    struct Emptied {
        QString input;
        QString output;
        QString grandTotal;
        QString tape;
        InputRecall recall;
    };
    std::optional<Emptied> emptied_;
};

}  // namespace vimbo
