// SPDX-License-Identifier: MIT
// The evaluator's behaviour beyond the golden cases: limits, long inputs, robustness.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "engine/engine.h"
#include "engine/evaluator_steps.h"
#include "tests/support/result_check.h"

namespace {

std::string Evaluate(const std::string& text, const std::string& ans = "",
                     vimbo::AngleMode angle = vimbo::AngleMode::Degrees) {
    return vimbo::EvaluateExpression(text, ans, angle);
}

std::string Repeat(const std::string& piece, int times) {
    std::string out;
    out.reserve(piece.size() * static_cast<std::size_t>(times));
    for (int i = 0; i < times; ++i) {
        out += piece;
    }
    return out;
}

std::string Nested(int depth, const std::string& inner) {
    return Repeat("(", depth) + inner + Repeat(")", depth);
}

TEST(NestingLimit, GroupsUpToTheLimitEvaluate) {
    EXPECT_EQ(Evaluate(Nested(vimbo::detail::kMaxNestingDepth, "1+1")), "2");
}

TEST(NestingLimit, OneLevelBeyondTheLimitIsAnError) {
    EXPECT_EQ(Evaluate(Nested(vimbo::detail::kMaxNestingDepth + 1, "1+1")), "Error");
}

TEST(NestingLimit, HundredThousandOpenParenthesesEndInError) {
    EXPECT_EQ(Evaluate(Repeat("(", 100000) + "1"), "Error");
}

TEST(NestingLimit, NestedFunctionsCountTowardsTheLimit) {
    EXPECT_EQ(Evaluate(Repeat("abs(", 50) + "-4" + Repeat(")", 50)), "4");
    EXPECT_EQ(Evaluate(Repeat("abs(", 150) + "-4"), "Error");
}

TEST(NestingLimit, AnsReferringToItselfEndsInError) {
    // "ans" is substituted again by every nested call, without end.
    EXPECT_EQ(Evaluate("ans", "ans"), "Error");
}

TEST(LongInput, SumOfAsManyOnesAsTheInputLineHolds) {
    // 16,384 ones fill the 32,767 characters of the window's input line.
    EXPECT_EQ(Evaluate("1" + Repeat("+1", 16383)), "16384");
}

TEST(LongInput, AlternatingSignsAndProducts) {
    EXPECT_EQ(Evaluate("0" + Repeat("+2*3-5", 5000)), "5000");
    EXPECT_EQ(Evaluate(Repeat("(1)", 3000)), "1");
}

TEST(LongInput, LongerThanTheInputLineStillCompletes) {
    EXPECT_EQ(Evaluate("1" + Repeat("+1", 60000)), "60001");
}

TEST(LongInput, RoundingAfterEveryStepAccumulates) {
    // Every intermediate sum is written back with 15 significant digits.
    EXPECT_EQ(Evaluate("1E+15" + Repeat("+0.4", 10)), "1E+15");
}

TEST(AngleMode, NamesReadBackAsTheirModesAndNothingElseIsAMode) {
    for (const auto mode :
         {vimbo::AngleMode::Degrees, vimbo::AngleMode::Radians, vimbo::AngleMode::Gradians}) {
        EXPECT_EQ(vimbo::AngleModeFromName(vimbo::AngleModeName(mode)), mode);
    }
    for (const char* other : {"deg", "TURNS", "", "DEG "}) {
        EXPECT_FALSE(vimbo::AngleModeFromName(other)) << other;
    }
}

TEST(Context, RecursiveCallsSeeTheSameContext) {
    EXPECT_EQ(Evaluate("(sin(ans))", "90"), "1");
    EXPECT_EQ(Evaluate("(sin(pi/2))", "", vimbo::AngleMode::Radians), "1");
    EXPECT_EQ(Evaluate("abs(cos(200))", "", vimbo::AngleMode::Gradians), "1");
}

TEST(Robustness, RandomTextsGiveOneOfTheResultForms) {
    const std::string alphabet = "0123456789.,+-*/^()%!eE >pimodsinlgqrtabcxf";
    std::mt19937 random(20261208);
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
    std::uniform_int_distribution<int> length(0, 24);
    for (int n = 0; n < 20000; ++n) {
        std::string text;
        for (int i = length(random); i > 0; --i) {
            text.push_back(alphabet[pick(random)]);
        }
        const std::string result = Evaluate(text);
        // One of the four forms, never empty, no infinity or not-a-number in any spelling.
        ASSERT_TRUE(vimbo::test_support::IsValidResult(result))
            << "[" << text << "] gave [" << result << "]";
    }
}

}  // namespace
