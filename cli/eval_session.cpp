// SPDX-License-Identifier: MIT
#include "cli/eval_session.h"

#include <utility>

#include "engine/engine.h"

namespace vimbo {

EvalSession::EvalSession(EvalOptions options) : options_(std::move(options)) {}

std::string EvalSession::EvaluateLine(std::string_view line) {
    if (line.empty()) {
        return {};
    }
    std::string result = EvaluateExpression(line, options_.previousOutput, options_.angleMode);
    if (result == kSyntaxErrorText || result == kErrorText) {
        anyFailure_ = true;
    }
    if (options_.decimals) {
        result = FormatByPattern(std::string_view(result), kTwoDecimalsPattern);
    }
    options_.previousOutput = result;  // "ans" sees the formatted output, as in the window
    return result;
}

std::string_view StripLineEnd(std::string_view line) {
    if (!line.empty() && line.back() == '\n') {
        line.remove_suffix(1);
    }
    if (!line.empty() && line.back() == '\r') {
        line.remove_suffix(1);
    }
    return line;
}

}  // namespace vimbo
