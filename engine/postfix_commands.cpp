// SPDX-License-Identifier: MIT
// The commands typed after ">": rounding to places, then the fraction.
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/errors.h"
#include "engine/evaluator_steps.h"
#include "engine/fraction.h"
#include "engine/number_text.h"
#include "engine/operand_text.h"
#include "engine/rounding.h"

namespace vimbo::detail {

namespace {

// Places text of ">roundto(" as a 32-bit whole number, halves to the even neighbour.
std::int32_t WholePlaces(std::string_view placesText) {
    if (!IsPlainNumber(placesText)) {
        Fail();
    }
    const double rounded = std::nearbyint(ReadNumberText(placesText));
    if (!(rounded >= -2147483648.0 && rounded <= 2147483647.0)) {
        Raise(ErrorKind::Overflow);
    }
    return static_cast<std::int32_t>(rounded);
}

}  // namespace

std::string ApplyPostfixCommands(std::string_view commands, std::string expression) {
    constexpr std::string_view kRoundTo = ">roundto(";
    if (const std::size_t at = commands.find(kRoundTo); at != std::string_view::npos) {
        const std::size_t from = at + kRoundTo.size();
        const std::size_t close = commands.find(')', from);
        const std::string_view places = commands.substr(
            from, close == std::string_view::npos ? std::string_view::npos : close - from);
        expression = NumberText(RoundToPlaces(ReadNumberText(expression), WholePlaces(places)));
    }
    if (commands.find(">frac") != std::string_view::npos) {
        expression = ToFractionText(ReadNumberText(expression));
    }
    return expression;
}

}  // namespace vimbo::detail
