// SPDX-License-Identifier: MIT
#include "window/input_recall.h"

namespace vimbo {

void InputRecall::record(const QString& input) {
    if (entries_.isEmpty() || entries_.last() != input) {
        entries_.append(input);
    }
    shown_ = entries_.size();
    edits_.clear();
}

std::optional<QString> InputRecall::older(const QString& current) {
    if (shown_ == 0) {
        return std::nullopt;
    }
    keep(current);
    --shown_;
    return shown();
}

std::optional<QString> InputRecall::newer(const QString& current) {
    if (shown_ >= entries_.size()) {
        return std::nullopt;
    }
    keep(current);
    ++shown_;
    return shown();
}

void InputRecall::clear() {
    *this = InputRecall();
}

void InputRecall::keep(const QString& current) {
    if (shown_ < entries_.size() && current == entries_.at(shown_)) {
        edits_.remove(shown_);
    } else {
        edits_.insert(shown_, current);
    }
}

QString InputRecall::shown() const {
    return edits_.value(shown_, shown_ < entries_.size() ? entries_.at(shown_) : QString());
}

}  // namespace vimbo
