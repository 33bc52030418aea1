// SPDX-License-Identifier: MIT
#include "tests/support/result_check.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "engine/engine.h"

namespace vimbo::test_support {
namespace {

bool AllDigits(std::string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(),
                                        [](const unsigned char c) { return std::isdigit(c) != 0; });
}

bool IsFractionText(std::string_view text) {
    if (!text.empty() && text.front() == '-') {
        text.remove_prefix(1);
    }
    const auto slash = text.find('/');
    return slash != std::string_view::npos && AllDigits(text.substr(0, slash)) &&
           AllDigits(text.substr(slash + 1));
}

bool MentionsInfOrNan(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](const unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower.find("inf") != std::string::npos || lower.find("nan") != std::string::npos;
}

}  // namespace

bool IsValidResult(const std::string_view result) {
    if (result.empty() || MentionsInfOrNan(result)) {
        return false;
    }
    return result == "Syntax error" || result == "Error" || IsFractionText(result) ||
           IsPlainNumber(result);
}

void ReportBadResult(const std::string_view what, const std::string_view result) {
    std::fprintf(stderr, "bad result for [%.*s]: [%.*s]\n", static_cast<int>(what.size()),
                 what.data(), static_cast<int>(result.size()), result.data());
    std::abort();
}

}  // namespace vimbo::test_support
