// SPDX-License-Identifier: MIT
// The input layout the evaluation fuzz targets share: the first byte picks the angle mode,
// the rest is "previous output" 0x00 "expression" (no 0x00: all of it is the expression and
// the previous output is empty).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "engine/engine.h"

namespace vimbo::fuzz {

struct EvaluationInput {
    AngleMode angleMode;
    std::string_view previousOutput;
    std::string_view expression;
};

// Nothing for an empty input.
inline std::optional<EvaluationInput> DecodeEvaluationInput(const std::uint8_t* data,
                                                            std::size_t size) {
    static constexpr std::array<AngleMode, 3> kModes{AngleMode::Degrees, AngleMode::Radians,
                                                     AngleMode::Gradians};
    if (size == 0) {
        return std::nullopt;
    }
    EvaluationInput input{kModes[data[0] % kModes.size()],
                          {},
                          std::string_view(reinterpret_cast<const char*>(data + 1), size - 1)};
    if (const auto split = input.expression.find('\0'); split != std::string_view::npos) {
        input.previousOutput = input.expression.substr(0, split);
        input.expression.remove_prefix(split + 1);
    }
    return input;
}

}  // namespace vimbo::fuzz
