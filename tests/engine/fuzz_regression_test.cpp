// SPDX-License-Identifier: MIT
// Inputs found by the evaluator fuzz target whose bytes do not fit a golden case line.
#include <gtest/gtest.h>

#include <string>

#include "engine/engine.h"
#include "tests/support/named_rows.h"

namespace {

using vimbo::test_support::PrintTo;

struct Regression {
    const char* name;
    std::string previousOutput;
    std::string expression;
    vimbo::AngleMode angle;
    std::string expected;
};

class FuzzRegression : public testing::TestWithParam<Regression> {};

// The previous output holds "ans" itself and unclosed groups with powers; when every nested
// call substituted "ans" again, the text grew at each level and the call did not finish
// within a minute.
const Regression kRegressions[] = {
    {"AnsWithUnclosedPowerGroupsFinishes",
     std::string("1.3\x03"
                 "ans\x9e^1^(1.3\x03"
                 "ans\x9e^1^(0%0%"),
     std::string("ans9\x12"), vimbo::AngleMode::Degrees, "Error"},
};

TEST_P(FuzzRegression, Evaluates) {
    const Regression& row = GetParam();
    EXPECT_EQ(vimbo::EvaluateExpression(row.expression, row.previousOutput, row.angle),
              row.expected);
}

INSTANTIATE_TEST_SUITE_P(Engine, FuzzRegression, testing::ValuesIn(kRegressions),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
