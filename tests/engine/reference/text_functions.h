// SPDX-License-Identifier: MIT
// Text helpers of the reference evaluator: 1-based and inclusive positions, in the manner of
// the classic string functions.
#pragma once

#include <cstdint>
#include <string>

namespace vimbo::reference {

using Pos = std::int32_t;

// The number of characters.
Pos Length(const std::string& s);

// The character at `pos` as a one-character text; empty outside the text.
std::string CharAt(const std::string& s, Pos pos);

// Characters first..last; empty when last < first.
std::string Mid(const std::string& s, Pos first, Pos last);

// First occurrence of `what` starting at position `from`; 0 when there is none.
Pos InStr(const std::string& s, const std::string& what, Pos from = 1);

// Last occurrence of `what` that starts at or before position `from`; 0 when there is none.
Pos InStrRev(const std::string& s, const std::string& what, Pos from);

// Characters first..last replaced by `with` (last = first - 1 inserts in front of first).
void ReplaceRange(std::string& s, Pos first, Pos last, const std::string& with);

// Every occurrence, left to right and without overlapping.
std::string ReplaceEvery(const std::string& s, const std::string& what, const std::string& with);

// The text with every one of `characters` left out.
std::string Without(const std::string& s, const std::string& characters);

// Whether the text ends with `tail`.
bool EndsWith(const std::string& s, const std::string& tail);

}  // namespace vimbo::reference
