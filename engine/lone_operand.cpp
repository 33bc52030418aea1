// SPDX-License-Identifier: MIT
// The lone-operand rule: a text with no operator left gets its postfix signs applied, "!"
// before "%" whatever their written order.
#include <string_view>

#include "engine/evaluator_steps.h"
#include "engine/factorial.h"
#include "engine/more_math.h"
#include "engine/number_text.h"

namespace vimbo::detail {

namespace {

// Both postfix flags of a text: "!" last once every "%" is gone, "%" last once every "!" is.
struct PostfixFlags {
    bool factorial = false;
    bool percent = false;
};

PostfixFlags FlagsOf(std::string_view text) {
    PostfixFlags flags;
    for (auto it = text.rbegin(); it != text.rend(); ++it) {
        if (*it != '%') {
            flags.factorial = *it == '!';
            break;
        }
    }
    for (auto it = text.rbegin(); it != text.rend(); ++it) {
        if (*it != '!') {
            flags.percent = *it == '%';
            break;
        }
    }
    return flags;
}

// The text's number with its postfix signs left out.
double ValueWithoutSigns(std::string_view text) {
    return OperandValue(text, false, false, false);
}

}  // namespace

void LoneOperandRule(ExpressionText& text) {
    const PostfixFlags flags = FlagsOf(text.str());
    if (flags.factorial) {
        text.Assign(NumberText(Factorial(ValueWithoutSigns(text.str()))));
    }
    if (flags.percent) {
        text.Assign(NumberText(ValueWithoutSigns(text.str()) / 100.0));
    }
}

}  // namespace vimbo::detail
