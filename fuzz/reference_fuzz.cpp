// SPDX-License-Identifier: MIT
// The engine's EvaluateExpression and the plain reference evaluator on the same bytes; any
// difference aborts. Input layout: fuzz/fuzz_input.h.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "engine/engine.h"
#include "fuzz/fuzz_input.h"
#include "tests/engine/reference/reference_evaluator.h"

namespace {

// The reference copies the text at every rewrite and pairs parentheses by searching back
// from every ")", at every level of nesting, so its time grows with the square of the
// text's length. Inputs whose text would grow past this, once "pi" and "ans" are written
// out, are left to evaluator_fuzz, which fuzzes the engine alone on long inputs.
constexpr std::size_t kMaxTextLength = 256;

std::size_t Occurrences(std::string_view text, std::string_view what) {
    std::size_t count = 0;
    for (auto at = text.find(what); at != std::string_view::npos; at = text.find(what, at + 1)) {
        ++count;
    }
    return count;
}

// Length of the text after lower-casing, removing spaces and substituting "pi" and "ans".
std::size_t NormalisedLength(std::string_view expression, std::size_t previousLength) {
    std::string text;
    for (const char c : expression) {
        if (c != ' ') {
            text += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
        }
    }
    return text.size() + Occurrences(text, "pi") * 14 + Occurrences(text, "ans") * previousLength;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto input = vimbo::fuzz::DecodeEvaluationInput(data, size);
    if (!input) {
        return 0;
    }
    const auto [mode, previous, rest] = *input;
    if (rest.size() > kMaxTextLength || NormalisedLength(rest, previous.size()) > kMaxTextLength) {
        return -1;  // not added to the corpus
    }
    const std::string engine = vimbo::EvaluateExpression(rest, previous, mode);
    const std::string reference = vimbo::reference::EvaluateExpression(rest, previous, mode);
    if (engine != reference) {
        std::fprintf(
            stderr,
            "difference for [%.*s], ans [%.*s], %.*s:\n  engine    [%s]\n  reference [%s]\n",
            static_cast<int>(rest.size()), rest.data(), static_cast<int>(previous.size()),
            previous.data(), static_cast<int>(vimbo::AngleModeName(mode).size()),
            vimbo::AngleModeName(mode).data(), engine.c_str(), reference.c_str());
        std::abort();
    }
    return 0;
}
