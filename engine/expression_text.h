// SPDX-License-Identifier: MIT
// The working text of one evaluation, with 1-based positions, and what the reduction steps
// keep knowing about it from one pass to the next. A pass rewrites one short stretch of a
// text that may be some 32,000 characters long; so the places the steps look for again and
// again (operators, function names, sign pairs, groups already passed over, whether the
// parentheses pair) are kept across passes and moved by each rewrite, and a pass costs about
// what it rewrites rather than the length of the whole text.
#pragma once

#ifndef VIMBO_ENGINE_INTERNALS
#error "an internal header of the engine: outside the engine and its tests, include engine/engine.h"
#endif

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace vimbo::detail {

// The texts the steps search for pass after pass. The function names stand in the order of
// the function table.
enum class Needle : std::uint8_t {
    Log,
    Ln,
    Exp,
    Sin,
    Asn,
    Cos,
    Acs,
    Tan,
    Atn,
    Sqr,
    Int,
    Abs,
    Times,
    Divide,
    Mod,
    Power,
    Plus,
    Minus,  // not at position 1, where it is the sign of the first number
};
inline constexpr std::size_t kNeedleCount = 18;

// The text of a needle; "sqr(" and "^" are searched from the end, the others from the start.
std::string_view NeedleText(Needle needle);

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

    // False when a character that no number holds occurs, so the text is not a plain number.
    bool MayBePlainNumber() const;

    // Position of the ")" that closes the "(" at `open`, 0 when none closes it.
    std::int32_t Closing(std::int32_t open) const;

    // First occurrence at or after `from`, last occurrence; 0 when there is none.
    std::int32_t Find(std::string_view what, std::int32_t from = 1) const;
    std::int32_t FindLast(std::string_view what) const;

    // The first occurrence of the needle (the last for "sqr(" and "^"); 0 when there is none.
    // Starts where the previous answer, moved by the rewrites since, leaves off.
    std::int32_t Locate(Needle needle);

    // Replaces the characters first..last (1-based, inclusive) by `with`, which holds no
    // parenthesis.
    void Replace(std::int32_t first, std::int32_t last, std::string_view with);
    void Assign(std::string text);

    // Where two signs ("+" or "-") may stand next to each other: a pair may start from
    // signPairsFrom() to signPairsTo(). Outside that stretch no pair stands.
    bool signPairsPossible() const { return signPairsFrom_ <= signPairsTo_; }
    std::int32_t signPairsFrom() const { return signPairsFrom_; }
    std::int32_t signPairsTo() const { return signPairsTo_; }
    void clearSignPairs();

    // True once every ")" is known to have its "(" in front of it. Rewrites that remove
    // whole pairs keep the pairing; any other rewrite asks for a new check.
    bool pairingChecked() const { return pairingChecked_; }
    void notePairingChecked() { pairingChecked_ = true; }

    // Every "(" in front of this position opens a group that the group step passes over (a
    // plain number followed by "^"); the group step starts looking here.
    std::int32_t groupsPassedBefore() const { return groupsPassedBefore_; }
    void passGroupsBefore(std::int32_t pos) { groupsPassedBefore_ = pos; }

  private:
    bool OccursAt(std::string_view what, std::int32_t pos) const;
    void NoteSignPair(std::int32_t pos);  // checks the pair at pos, pos + 1
    void MoveBounds(std::int32_t first, std::int32_t last, std::int32_t written);
    void MoveGroupsPassed(std::int32_t first);

    std::string text_;
    std::array<std::int32_t, 256> counts_{};
    std::int32_t signPairsFrom_ = 1;
    std::int32_t signPairsTo_ = 0;
    bool pairingChecked_ = false;
    std::int32_t groupsPassedBefore_ = 1;
    // Per needle: searched from the start, no occurrence starts before the bound; searched
    // from the end, none starts after it.
    std::array<std::int32_t, kNeedleCount> bounds_{};
};

}  // namespace vimbo::detail
