// SPDX-License-Identifier: MIT
#include "engine/expression_text.h"

#include <algorithm>
#include <utility>

#include "engine/characters.h"

namespace vimbo::detail {

namespace {

struct NeedleInfo {
    std::string_view text;
    bool fromEnd;
    std::int32_t firstStart;  // the first position an occurrence may start at
};

constexpr std::array<NeedleInfo, kNeedleCount> kNeedles{{
    {"log(", false, 1},
    {"ln(", false, 1},
    {"exp(", false, 1},
    {"sin(", false, 1},
    {"asn(", false, 1},
    {"cos(", false, 1},
    {"acs(", false, 1},
    {"tan(", false, 1},
    {"atn(", false, 1},
    {"sqr(", true, 1},
    {"int(", false, 1},
    {"abs(", false, 1},
    {"*", false, 1},
    {"/", false, 1},
    {"mod", false, 1},
    {"^", true, 1},
    {"+", false, 1},
    {"-", false, 2},
}};

// The characters a plain number may hold.
constexpr std::string_view kNumberCharacters = "0123456789.,+-eE \t";

}  // namespace

std::string_view NeedleText(Needle needle) {
    return kNeedles[static_cast<std::size_t>(needle)].text;
}

ExpressionText::ExpressionText(std::string text) {
    Assign(std::move(text));
}

void ExpressionText::Assign(std::string text) {
    text_ = std::move(text);
    counts_.fill(0);
    clearSignPairs();
    bool afterSign = false;
    for (std::int32_t pos = 1; pos <= size(); ++pos) {
        const char c = text_[static_cast<std::size_t>(pos - 1)];
        ++counts_[static_cast<unsigned char>(c)];
        const bool sign = IsSign(c);
        if (sign && afterSign) {
            NoteSignPair(pos - 1);
        }
        afterSign = sign;
    }
    pairingChecked_ = false;
    groupsPassedBefore_ = 1;
    for (std::size_t i = 0; i < kNeedleCount; ++i) {
        bounds_[i] = kNeedles[i].fromEnd ? size() : kNeedles[i].firstStart;
    }
}

bool ExpressionText::MayBePlainNumber() const {
    std::int32_t numberCharacters = 0;
    for (const char c : kNumberCharacters) {
        numberCharacters += Count(c);
    }
    return numberCharacters == size();
}

std::string_view ExpressionText::Slice(std::int32_t first, std::int32_t last) const {
    if (first < 1) {
        first = 1;
    }
    if (last > size()) {
        last = size();
    }
    if (last < first) {
        return {};
    }
    return std::string_view(text_).substr(static_cast<std::size_t>(first - 1),
                                          static_cast<std::size_t>(last - first + 1));
}

std::int32_t ExpressionText::Closing(std::int32_t open) const {
    std::int32_t depth = 0;
    for (std::int32_t pos = open; pos <= size(); ++pos) {
        const char c = text_[static_cast<std::size_t>(pos - 1)];
        if (c == '(') {
            ++depth;
        } else if (c == ')' && --depth == 0) {
            return pos;
        }
    }
    return 0;
}

std::int32_t ExpressionText::Find(std::string_view what, std::int32_t from) const {
    if (what.empty() || Count(what.front()) == 0 || from > size()) {
        return 0;
    }
    const std::size_t start = from < 1 ? 0 : static_cast<std::size_t>(from - 1);
    const std::size_t at = text_.find(what, start);
    return at == std::string::npos ? 0 : static_cast<std::int32_t>(at + 1);
}

std::int32_t ExpressionText::FindLast(std::string_view what) const {
    if (what.empty() || Count(what.front()) == 0) {
        return 0;
    }
    const std::size_t at = text_.rfind(what);
    return at == std::string::npos ? 0 : static_cast<std::int32_t>(at + 1);
}

std::int32_t ExpressionText::Locate(Needle needle) {
    const auto index = static_cast<std::size_t>(needle);
    const NeedleInfo& info = kNeedles[index];
    std::int32_t& bound = bounds_[index];
    if (Count(info.text.front()) == 0) {
        bound = info.fromEnd ? 0 : size() + 1;
        return 0;
    }
    if (!info.fromEnd) {
        const std::int32_t pos = Find(info.text, std::max(bound, info.firstStart));
        bound = pos == 0 ? size() + 1 : pos;
        return pos;
    }
    const auto length = static_cast<std::int32_t>(info.text.size());
    for (std::int32_t pos = std::min(bound, size() - length + 1); pos >= 1; --pos) {
        if (OccursAt(info.text, pos)) {
            bound = pos;
            return pos;
        }
    }
    bound = 0;
    return 0;
}

bool ExpressionText::OccursAt(std::string_view what, std::int32_t pos) const {
    const auto at = static_cast<std::size_t>(pos - 1);
    return pos >= 1 && at + what.size() <= text_.size() && text_[at] == what.front() &&
           std::string_view(text_).substr(at, what.size()) == what;
}

void ExpressionText::Replace(std::int32_t first, std::int32_t last, std::string_view with) {
    const auto from = static_cast<std::size_t>(first - 1);
    const auto length = static_cast<std::size_t>(last >= first ? last - first + 1 : 0);
    // Removing a stretch whose parentheses pair among themselves leaves every other pair as
    // it was; `with` holds no parenthesis.
    std::int32_t depth = 0;
    bool balanced = true;
    for (std::size_t i = from; i < from + length; ++i) {
        const char c = text_[i];
        --counts_[static_cast<unsigned char>(c)];
        if (c == '(') {
            ++depth;
        } else if (c == ')' && --depth < 0) {
            balanced = false;
        }
    }
    if (!balanced || depth != 0) {
        pairingChecked_ = false;
    }
    for (const char c : with) {
        ++counts_[static_cast<unsigned char>(c)];
    }
    MoveGroupsPassed(first);
    text_.replace(from, length, with);

    const auto written = static_cast<std::int32_t>(with.size());
    const std::int32_t newLast = first + written - 1;
    if (signPairsPossible()) {
        // The stretch moves with the text after the rewrite and takes in the rewritten part.
        const std::int32_t delta = written - (last - first + 1);
        const auto moved = [&](std::int32_t pos) {
            return pos < first ? pos : (pos > last ? pos + delta : first - 1);
        };
        signPairsFrom_ = moved(signPairsFrom_);
        signPairsTo_ = moved(signPairsTo_);
    }
    // New neighbours of signs can only stand at the edges of the new text or inside it.
    for (std::int32_t pos = first - 1; pos <= newLast; ++pos) {
        NoteSignPair(pos);
    }
    MoveBounds(first, last, written);
}

void ExpressionText::clearSignPairs() {
    signPairsFrom_ = 1;
    signPairsTo_ = 0;
}

void ExpressionText::NoteSignPair(std::int32_t pos) {
    if (!IsSign(At(pos)) || !IsSign(At(pos + 1))) {
        return;
    }
    if (signPairsPossible()) {
        signPairsFrom_ = std::min(signPairsFrom_, pos);
        signPairsTo_ = std::max(signPairsTo_, pos);
    } else {
        signPairsFrom_ = pos;
        signPairsTo_ = pos;
    }
}

void ExpressionText::MoveBounds(std::int32_t first, std::int32_t last, std::int32_t written) {
    const std::int32_t delta = written - (last - first + 1);
    for (std::size_t i = 0; i < kNeedleCount; ++i) {
        const NeedleInfo& info = kNeedles[i];
        std::int32_t& bound = bounds_[i];
        if (Count(info.text.front()) == 0) {
            bound = info.fromEnd ? 0 : size() + 1;
            continue;
        }
        // An occurrence that takes in a written character starts from `low` to `high`.
        const auto length = static_cast<std::int32_t>(info.text.size());
        const std::int32_t low = std::max(first - length + 1, info.firstStart);
        std::int32_t high = first + written - 1;
        if (last < info.firstStart - 1) {
            // A character in front of the first counted position moves to where it counts.
            high = std::max(high, info.firstStart - 1 + delta);
        }
        high = std::min(high, size() - length + 1);
        const auto occursAt = [&](std::int32_t pos) { return OccursAt(info.text, pos); };
        if (!info.fromEnd) {
            if (low >= bound) {
                continue;  // every change lies beyond the part known to be free of it
            }
            std::int32_t found = 0;
            for (std::int32_t pos = low; pos <= high && found == 0; ++pos) {
                found = occursAt(pos) ? pos : 0;
            }
            bound = found != 0 ? found : (bound > last ? bound + delta : first + written);
        } else if (bound < low) {
            for (std::int32_t pos = high; pos >= low; --pos) {
                if (occursAt(pos)) {
                    bound = pos;
                    break;
                }
            }
        } else {
            bound = bound > last ? bound + delta : first + written - 1;
        }
    }
}

void ExpressionText::MoveGroupsPassed(std::int32_t first) {
    if (first >= groupsPassedBefore_) {
        return;
    }
    if (Count('(') == 0) {
        groupsPassedBefore_ = 1;
        return;
    }
    // Only a group passed over that the rewrite reaches into, or whose "^" it rewrites, has
    // to be looked at again; such a group holds a plain number and ends just in front. The
    // way back stops at a sign that neither opens the number nor follows an exponent letter,
    // so it never runs over more than one number.
    const auto backOverNumber = [this](std::int32_t pos) {
        while (pos >= 1 && kNumberCharacters.find(At(pos)) != std::string_view::npos) {
            if (IsSign(At(pos))) {
                std::int32_t before = pos - 1;
                while (IsBlank(At(before))) {
                    --before;
                }
                if (At(before) != '(' && !IsExponentLetter(At(before))) {
                    break;
                }
            }
            --pos;
        }
        return pos;
    };
    std::int32_t pos = backOverNumber(first - 1);
    if (pos == first - 1 && At(pos) == ')') {
        pos = backOverNumber(pos - 1);
    }
    groupsPassedBefore_ = pos >= 1 && At(pos) == '(' ? pos : first;
}

}  // namespace vimbo::detail
