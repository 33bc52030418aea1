// SPDX-License-Identifier: MIT
// "Clear" that can be taken back: Ctrl+Z brings back everything it emptied (the input, the
// output, the grand total, the tape and the recalled inputs). What a Clear emptied is kept
// until the tape or the grand total changes again, so clicks, a look at the tape or a second
// Clear by accident lose nothing; a Clear of a window that still holds something keeps that
// too, and each Ctrl+Z takes back one Clear, the latest first.
#pragma once

#include <QString>
#include <vector>

#include "window/controls.h"
#include "window/input_recall.h"

namespace vimbo {

class ClearUndo {
  public:
    // The Clear action, keeping what it empties; the recalled inputs go with the tape.
    void clear(WindowControls& controls, InputRecall& recall);
    bool canUndo() const { return !emptied_.empty(); }
    // Puts back what the latest kept Clear emptied; the focus ends in the input line after
    // its last character.
    void undo(WindowControls& controls, InputRecall& recall);
    // The tape or the grand total has changed: an undo would bring back an older window
    // over the user's new work.
    void forget() { emptied_.clear(); }

  private:
    struct Emptied {
        QString input;
        QString output;
        QString grandTotal;
        QString tape;
        InputRecall recall;
    };
    std::vector<Emptied> emptied_;  // the latest last
};

}  // namespace vimbo
