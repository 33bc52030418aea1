// SPDX-License-Identifier: MIT
// What a screen reader learns of the main window: a frame named by its title that offers only
// the controls a user can see, and the outcome of every action.
#pragma once

#include <QString>

#include "window/controls.h"

class QWidget;

namespace vimbo {

// Makes the main window known to assistive technology as a frame with its title as its name,
// whose children are only the controls that can be shown (not the hidden stores of settings).
// Called before anything asks for the window's accessible interface, so the first one made is
// the right one.
void InstallMainWindowAccessibility();

// What a screen reader says of an action's outcome: "Result 42", "Grand total 90", "Input 6*7",
// "Input empty", "Cleared".
QString OutcomeMessage(Outcome outcome, const QString& text);

// Tells a screen reader an action's outcome once, from the input line that has the focus when
// the action ends: as an announcement where Qt has one (6.8), else as a description that is
// empty again at once, so that no later return of the focus reads out a stale outcome.
void AnnounceOutcome(QWidget& inputLine, Outcome outcome, const QString& text);

}  // namespace vimbo
