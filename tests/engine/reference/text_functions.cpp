// SPDX-License-Identifier: MIT
#include "tests/engine/reference/text_functions.h"

namespace vimbo::reference {

Pos Length(const std::string& s) {
    return static_cast<Pos>(s.size());
}

// The character at `pos` as a one-character text; empty outside the text.
std::string CharAt(const std::string& s, Pos pos) {
    return pos >= 1 && pos <= Length(s) ? s.substr(static_cast<std::size_t>(pos - 1), 1) : "";
}

// Characters first..last; empty when last < first.
std::string Mid(const std::string& s, Pos first, Pos last) {
    if (first < 1) {
        first = 1;
    }
    if (last > Length(s)) {
        last = Length(s);
    }
    if (last < first) {
        return "";
    }
    return s.substr(static_cast<std::size_t>(first - 1),
                    static_cast<std::size_t>(last - first + 1));
}

// First occurrence of `what` starting at position `from`; 0 when there is none.
Pos InStr(const std::string& s, const std::string& what, Pos from) {
    if (from < 1) {
        from = 1;
    }
    if (from > Length(s)) {
        return 0;
    }
    const std::size_t at = s.find(what, static_cast<std::size_t>(from - 1));
    return at == std::string::npos ? 0 : static_cast<Pos>(at) + 1;
}

// Last occurrence of `what` that starts at or before position `from`; 0 when there is none.
Pos InStrRev(const std::string& s, const std::string& what, Pos from) {
    if (from < 1) {
        return 0;
    }
    const std::size_t at = s.rfind(what, static_cast<std::size_t>(from - 1));
    return at == std::string::npos ? 0 : static_cast<Pos>(at) + 1;
}

// Characters first..last replaced by `with` (last = first - 1 inserts in front of first).
void ReplaceRange(std::string& s, Pos first, Pos last, const std::string& with) {
    s.replace(static_cast<std::size_t>(first - 1), static_cast<std::size_t>(last - first + 1),
              with);
}

// Every occurrence, left to right and without overlapping.
std::string ReplaceEvery(const std::string& s, const std::string& what, const std::string& with) {
    std::string out;
    Pos from = 1;
    for (Pos at = InStr(s, what); at != 0; at = InStr(s, what, from)) {
        out += Mid(s, from, at - 1) + with;
        from = at + Length(what);
    }
    return out + Mid(s, from, Length(s));
}

std::string Without(const std::string& s, const std::string& characters) {
    std::string out;
    for (const char c : s) {
        if (characters.find(c) == std::string::npos) {
            out += c;
        }
    }
    return out;
}

bool EndsWith(const std::string& s, const std::string& tail) {
    return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

}  // namespace vimbo::reference
