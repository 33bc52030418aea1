// SPDX-License-Identifier: MIT
// What a screen reader learns of the main window: a frame named by its title that offers only
// the controls a user can see, what GT and Print do, and the result of every evaluation.
#pragma once

#include <QString>

class QWidget;

namespace vimbo {

// Makes the main window known to assistive technology as a frame with its title as its name,
// whose children are only the controls that can be shown (not the hidden stores of settings).
// Called before anything asks for the window's accessible interface, so the first one made is
// the right one.
void InstallMainWindowAccessibility();

// Tells a screen reader the result just shown, through the input line that keeps the focus:
// its accessible description becomes "Result <result>" (nothing for an empty result), and a
// description change is reported even when the same result comes again, so it is spoken anew.
void DescribeResult(QWidget& inputLine, const QString& result);

}  // namespace vimbo
