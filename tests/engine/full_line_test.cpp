// SPDX-License-Identifier: MIT
// Full input lines (32,767 characters) of the shapes whose evaluation keeps what it searches
// for across passes: each gives what a short form of the same calculation gives, or, where no
// short form rounds alike, the result recorded from the evaluator that searched the whole
// text at every pass.
#include <gtest/gtest.h>

#include <string>

#include "engine/engine.h"

namespace {

constexpr std::size_t kFullLine = 32767;

std::string FullLine(const std::string& term, const std::string& separator) {
    std::string text = term;
    while (text.size() + separator.size() + term.size() <= kFullLine) {
        text += separator + term;
    }
    return text;
}

std::size_t Terms(const std::string& term, const std::string& separator) {
    return (kFullLine + separator.size()) / (term.size() + separator.size());
}

std::string Nested(const std::string& open, std::size_t depth, const std::string& inner) {
    std::string text;
    for (std::size_t i = 0; i < depth; ++i) {
        text += open;
    }
    return text + inner + std::string(depth, ')');
}

std::string Evaluate(const std::string& text, const std::string& ans = "") {
    return vimbo::EvaluateExpression(text, ans, vimbo::AngleMode::Degrees);
}

struct FullLineCase {
    const char* name;
    std::string input;
    std::string ans;
    std::string expected;  // a short form of the same calculation, evaluated alike
};

class FullLineTest : public ::testing::TestWithParam<FullLineCase> {};

TEST_P(FullLineTest, GivesTheResultOfTheShortForm) {
    const FullLineCase& c = GetParam();
    EXPECT_EQ(Evaluate(c.input, c.ans), Evaluate(c.expected, c.ans)) << c.expected;
}

std::string Times(std::size_t n, const std::string& value) {
    return std::to_string(n) + "*" + value;
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, FullLineTest,
    ::testing::Values(
        FullLineCase{"Sines", FullLine("sin(30)", "+"), "", Times(Terms("sin(30)", "+"), "0.5")},
        FullLineCase{"SquareRoots", FullLine("sqr(4)", "+"), "", Times(Terms("sqr(4)", "+"), "2")},
        FullLineCase{"Ans", FullLine("ans", "+"), "2", Times(Terms("ans", "+"), "2")},
        FullLineCase{"Groups", FullLine("(2)", "+"), "", Times(Terms("(2)", "+"), "2")},
        FullLineCase{"GroupsSideBySide", FullLine("(1)", ""), "", "1"},
        FullLineCase{"NegatedProducts", FullLine("-(1)", "*"), "",
                     "(-1)^" + std::to_string(Terms("-(1)", "*"))},
        FullLineCase{"GroupPowers", FullLine("(1)", "^"), "", "1"},
        FullLineCase{"GroupSquares", FullLine("(3)^2", "+"), "", Times(Terms("(3)^2", "+"), "9")},
        FullLineCase{"NegativeFactors", FullLine("1*-1", "-"), "",
                     std::to_string(Terms("1*-1", "-")) + "-2"},
        FullLineCase{"Ones", FullLine("1", "+"), "", std::to_string(Terms("1", "+"))},
        FullLineCase{"Remainders", FullLine("7", "mod"), "", "7mod7"},
        FullLineCase{"PerCents", FullLine("100%", "*"), "", "1"},
        FullLineCase{"SumsAsAFraction", FullLine("0.5", "+") + ">frac", "",
                     Times(Terms("0.5", "+"), "0.5") + ">frac"},
        FullLineCase{"NestedSquareRoots", Nested("sqr(", 6553, "1"), "", "1"},
        FullLineCase{"NestedNegatedGroups", Nested("2*-(", 50, "1"), "", "(-2)^50"},
        FullLineCase{"NestedToTheDepthLimit", Nested("(", 99, FullLine("1", "+").substr(198)), "",
                     std::to_string(Terms("1", "+") - 99)}),
    [](const auto& info) { return std::string(info.param.name); });

struct RecordedCase {
    const char* name;
    std::string input;
    const char* recorded;
};

class FullLineRecordedTest : public ::testing::TestWithParam<RecordedCase> {};

TEST_P(FullLineRecordedTest, GivesTheRecordedResult) {
    EXPECT_EQ(Evaluate(GetParam().input), GetParam().recorded);
}

// Sums of irrational terms round at every pass, so only the recorded results compare.
INSTANTIATE_TEST_SUITE_P(
    Recorded, FullLineRecordedTest,
    ::testing::Values(RecordedCase{"SquareRootsOfTwo", FullLine("sqr(2)", "+"), "6619.9336854561"},
                      RecordedCase{"SinesOfOne", FullLine("sin(1)", "+"), "81.6947145329902"},
                      RecordedCase{"SinesAndCosines", FullLine("sin(1)+cos(1)", "+"),
                                   "2380.48223773719"},
                      RecordedCase{"FactorialsOfAHalf", FullLine("0.5!", "+"), "5807.4450424772"},
                      RecordedCase{"NestedTooDeep", Nested("(", 16383, "1"), "Error"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
