// SPDX-License-Identifier: MIT
#include "engine/expression_text.h"

#include <utility>

namespace vimbo::detail {

namespace {
bool IsSign(char c) {
    return c == '+' || c == '-';
}
}  // namespace

ExpressionText::ExpressionText(std::string text) {
    Assign(std::move(text));
}

void ExpressionText::Assign(std::string text) {
    text_ = std::move(text);
    counts_.fill(0);
    for (const char c : text_) {
        ++counts_[static_cast<unsigned char>(c)];
    }
    signPairsPossible_ = true;
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

void ExpressionText::Replace(std::int32_t first, std::int32_t last, std::string_view with) {
    const auto from = static_cast<std::size_t>(first - 1);
    const auto length = static_cast<std::size_t>(last >= first ? last - first + 1 : 0);
    for (std::size_t i = from; i < from + length; ++i) {
        --counts_[static_cast<unsigned char>(text_[i])];
    }
    for (const char c : with) {
        ++counts_[static_cast<unsigned char>(c)];
    }
    text_.replace(from, length, with);
    // New neighbours of signs can only stand at the edges of the new text or inside it.
    const auto newLast = first + static_cast<std::int32_t>(with.size()) - 1;
    for (std::int32_t pos = first - 1; pos <= newLast; ++pos) {
        NoteSignPair(pos);
    }
}

void ExpressionText::NoteSignPair(std::int32_t pos) {
    if (IsSign(At(pos)) && IsSign(At(pos + 1))) {
        signPairsPossible_ = true;
    }
}

}  // namespace vimbo::detail
