// SPDX-License-Identifier: MIT
#include "window/input_recall.h"

namespace vimbo {

void InputRecall::record(const QString& input) {
    if (entries_.isEmpty() || entries_.last() != input) {
        entries_.append(input);
    }
    shown_ = entries_.size();
    draft_.clear();
}

std::optional<QString> InputRecall::older(const QString& current) {
    if (shown_ == 0) {
        return std::nullopt;
    }
    if (shown_ == entries_.size()) {
        draft_ = current;
    }
    return entries_.at(--shown_);
}

std::optional<QString> InputRecall::newer() {
    if (shown_ >= entries_.size()) {
        return std::nullopt;
    }
    ++shown_;
    return shown_ == entries_.size() ? draft_ : entries_.at(shown_);
}

void InputRecall::clear() {
    *this = InputRecall();
}

}  // namespace vimbo
