// SPDX-License-Identifier: MIT
// The keypad buttons and the tokens they append to the input line.
#pragma once

#include <QString>
#include <span>

namespace vimbo {

struct KeypadKey {
    const char* controlName;  // the button's objectName, e.g. "cmdNum7"
    const char* token;        // appended by InsertToken
};

std::span<const KeypadKey> KeypadKeys();

// The token of a keypad button, empty for any other control.
QString KeypadToken(QStringView controlName);

}  // namespace vimbo
