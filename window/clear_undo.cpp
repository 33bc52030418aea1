// SPDX-License-Identifier: MIT
#include "window/clear_undo.h"

#include <utility>

#include "window/input_editing.h"

namespace vimbo {

void ClearUndo::clear(WindowControls& controls, InputRecall& recall) {
    Emptied emptied{controls.input.text(), controls.output.text(), controls.grandTotal.text(),
                    controls.tape.wholeText(), recall};
    ClearAction(controls);
    recall.clear();
    // A Clear of an empty window has nothing to give back, and the one before stays next.
    if (!(emptied.input + emptied.output + emptied.grandTotal + emptied.tape).isEmpty() ||
        !emptied.recall.entries().isEmpty()) {
        emptied_.push_back(std::move(emptied));
    }
}

void ClearUndo::undo(WindowControls& controls, InputRecall& recall) {
    if (emptied_.empty()) {
        return;
    }
    Emptied emptied = std::move(emptied_.back());
    emptied_.pop_back();
    controls.input.setText(emptied.input);
    controls.output.setText(emptied.output);
    controls.grandTotal.setText(emptied.grandTotal);
    controls.tape.setWholeText(emptied.tape);
    recall = std::move(emptied.recall);
    FocusInputAtEnd(controls);
    controls.input.announce(Outcome::ClearUndone, QString());
}

}  // namespace vimbo
