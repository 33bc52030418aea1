// SPDX-License-Identifier: MIT
// What the working text keeps across rewrites must agree with a fresh look at the text: the
// needles' occurrences, the stretch of sign pairs, the groups passed over.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "engine/expression_text.h"

namespace vimbo::detail {
namespace {

constexpr Needle kNeedles[] = {Needle::Log,   Needle::Ln,    Needle::Sin,    Needle::Sqr,
                               Needle::Abs,   Needle::Times, Needle::Divide, Needle::Mod,
                               Needle::Power, Needle::Plus,  Needle::Minus};

// The occurrence a search of the whole text finds.
std::int32_t Fresh(const ExpressionText& text, Needle needle) {
    const std::string_view what = NeedleText(needle);
    if (needle == Needle::Sqr || needle == Needle::Power) {
        return text.FindLast(what);
    }
    return text.Find(what, needle == Needle::Minus ? 2 : 1);
}

std::string Pick(std::mt19937& random, std::initializer_list<const char*> pieces, int count) {
    std::string out;
    std::uniform_int_distribution<std::size_t> which(0, pieces.size() - 1);
    for (int i = 0; i < count; ++i) {
        out += *(pieces.begin() + which(random));
    }
    return out;
}

// Random texts of names, operators, signs and numbers, rewritten at random places by
// number texts (with signs and exponent letters, or none at all), as the steps rewrite them.
TEST(ExpressionTextBounds, LocateAgreesWithAFreshSearchAfterEveryRewrite) {
    std::mt19937 random(15);
    for (int round = 0; round < 300; ++round) {
        ExpressionText text(Pick(random,
                                 {"log(", "ln(", "sin(", "sqr(", "abs(", "*", "/", "mod", "^", "+",
                                  "-", "1", "2.5", "e", "(", ")", "--", "+-"},
                                 40));
        for (int rewrite = 0; rewrite < 40 && text.size() > 0; ++rewrite) {
            for (const Needle needle : kNeedles) {
                ASSERT_EQ(text.Locate(needle), Fresh(text, needle))
                    << NeedleText(needle) << " in " << text.str();
            }
            std::uniform_int_distribution<std::int32_t> at(1, text.size());
            const std::int32_t first = at(random);
            const std::int32_t last = std::min(
                text.size(), first + std::uniform_int_distribution<std::int32_t>(-1, 6)(random));
            const std::string with = Pick(random, {"7", "-", "+", "E", "1E+20", "-3", ".5"},
                                          std::uniform_int_distribution<int>(0, 3)(random));
            text.Replace(first, last, with);
        }
    }
}

TEST(ExpressionTextBounds, EverySignPairLiesInTheNotedStretch) {
    std::mt19937 random(16);
    for (int round = 0; round < 300; ++round) {
        ExpressionText text(Pick(random, {"1", "+", "-", "*", "(", ")", "2E-05"}, 30));
        text.clearSignPairs();  // as after a sign rewriting: only new pairs are noted
        const std::string before = text.str();
        std::uniform_int_distribution<std::int32_t> at(1, text.size());
        const std::int32_t first = at(random);
        const std::string with = Pick(random, {"-", "+", "5"}, 2);
        text.Replace(first, std::min(text.size(), first + 2), with);
        const auto sign = [&](std::int32_t p) { return text.At(p) == '+' || text.At(p) == '-'; };
        // A pair that takes in a written character, or joins the two neighbours.
        const auto newLast = first + static_cast<std::int32_t>(with.size()) - 1;
        for (std::int32_t pos = first - 1; pos <= newLast; ++pos) {
            if (sign(pos) && sign(pos + 1)) {
                EXPECT_TRUE(text.signPairsPossible() && text.signPairsFrom() <= pos &&
                            pos <= text.signPairsTo())
                    << before << " -> " << text.str() << " at " << pos;
            }
        }
    }
}

struct PassedCase {
    const char* name;
    std::string text;
    std::int32_t passedBefore;  // the group step's resume point before the rewrite
    std::int32_t first, last;
    std::string with;
    std::int32_t expected;  // resume point after the rewrite
};

class GroupsPassedTest : public ::testing::TestWithParam<PassedCase> {};

TEST_P(GroupsPassedTest, ResumesInFrontOfEveryGroupTheRewriteReaches) {
    const PassedCase& c = GetParam();
    ExpressionText text(c.text);
    text.passGroupsBefore(c.passedBefore);
    text.Replace(c.first, c.last, c.with);
    EXPECT_EQ(text.groupsPassedBefore(), c.expected) << text.str();
}

INSTANTIATE_TEST_SUITE_P(
    Rewrites, GroupsPassedTest,
    ::testing::Values(
        // (2)^(3)^2: both groups passed over; the power rewrites "(3)^2".
        PassedCase{"PowerTakesTheLastGroup", "(2)^(3)^2", 9, 5, 9, "9", 5},
        PassedCase{"RewriteAfterThePassedPart", "(2)^(3)^2+1*1", 9, 11, 13, "1", 9},
        PassedCase{"RewriteOfTheCaret", "(2)^3", 5, 4, 5, "8", 1},
        PassedCase{"RewriteInsideANegativeGroup", "(-2)^2", 6, 3, 6, "4", 1},
        PassedCase{"ExponentSignInTheGroup", "(1E-05)^2", 9, 7, 9, "1", 1},
        PassedCase{"SignOfASumStopsTheWayBack", "(2)^1+1+1*1", 12, 9, 11, "1", 9},
        PassedCase{"NoGroupLeft", "1+1^2", 6, 3, 5, "1", 1}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vimbo::detail
