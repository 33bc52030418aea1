// SPDX-License-Identifier: MIT
// vimbo-eval's line handling: several lines per input through one EvalSession. The first
// byte holds the options (bits 0-1 the angle mode, bit 2 the decimals option); the rest is
// split at LF, and each line keeps its LF so StripLineEnd has a line end to remove.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "cli/eval_session.h"
#include "tests/support/result_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static constexpr std::array<vimbo::AngleMode, 3> kModes{
        vimbo::AngleMode::Degrees, vimbo::AngleMode::Radians, vimbo::AngleMode::Gradians};
    if (size == 0) {
        return 0;
    }
    vimbo::EvalOptions options;
    options.angleMode = kModes[(data[0] & 3u) % kModes.size()];
    options.decimals = (data[0] & 4u) != 0;
    vimbo::EvalSession session(options);

    std::string_view rest(reinterpret_cast<const char*>(data + 1), size - 1);
    bool sawFailure = false;
    while (!rest.empty()) {
        const auto end = rest.find('\n');
        const std::size_t length = end == std::string_view::npos ? rest.size() : end + 1;
        const std::string_view raw = rest.substr(0, length);
        rest.remove_prefix(length);

        const std::string_view line = vimbo::StripLineEnd(raw);
        if (line.size() > raw.size() || line.find('\n') != std::string_view::npos) {
            vimbo::test_support::ReportBadResult(raw, line);
        }
        const std::string result = session.EvaluateLine(line);
        if (line.empty()) {
            if (!result.empty()) {
                vimbo::test_support::ReportBadResult(line, result);
            }
            continue;
        }
        if (!vimbo::test_support::IsValidResult(result)) {
            vimbo::test_support::ReportBadResult(line, result);
        }
        sawFailure = sawFailure || result == "Syntax error" || result == "Error";
        // With decimals the failure texts go through the formatter, so only compare without.
        if (!options.decimals && session.anyFailure() != sawFailure) {
            vimbo::test_support::ReportBadResult(line, "anyFailure disagrees with the results");
        }
    }
    return 0;
}
