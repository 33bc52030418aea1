// SPDX-License-Identifier: MIT
// The working text of one evaluation, with 1-based positions, and counts of the characters
// the reduction steps look for. The counts let a step that has nothing to find skip its
// search, so a pass costs what it rewrites rather than the length of the whole text.
#pragma once

#ifndef VIMBO_ENGINE_INTERNALS
#error "an internal header of the engine: outside the engine and its tests, include engine/engine.h"
#endif

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace vimbo::detail {

class ExpressionText {
  public:
    explicit ExpressionText(std::string text);

    const std::string& str() const { return text_; }
    std::int32_t size() const { return static_cast<std::int32_t>(text_.size()); }

    // The character at a 1-based position; '\0' outside the text.
    char At(std::int32_t pos) const {
        return pos >= 1 && pos <= size() ? text_[static_cast<std::size_t>(pos - 1)] : '\0';
    }
    std::string_view Slice(std::int32_t first, std::int32_t last) const;  // 1-based, inclusive

    std::int32_t Count(char c) const { return counts_[static_cast<unsigned char>(c)]; }

    // First occurrence at or after `from`, last occurrence; 0 when there is none.
    std::int32_t Find(std::string_view what, std::int32_t from = 1) const;
    std::int32_t FindLast(std::string_view what) const;

    // Replaces the characters first..last (1-based, inclusive) by `with`.
    void Replace(std::int32_t first, std::int32_t last, std::string_view with);
    void Assign(std::string text);

    // False only when no two signs ("+" or "-") can stand next to each other, so that the
    // sign rewriting would change nothing.
    bool signPairsPossible() const { return signPairsPossible_; }
    void clearSignPairs() { signPairsPossible_ = false; }

  private:
    void NoteSignPair(std::int32_t pos);  // checks the pair at pos, pos + 1

    std::string text_;
    std::array<std::int32_t, 256> counts_{};
    bool signPairsPossible_ = true;
};

}  // namespace vimbo::detail
