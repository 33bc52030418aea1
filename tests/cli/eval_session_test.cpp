// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/eval_session.h"
#include "tests/support/named_rows.h"

namespace {

using vimbo::test_support::PrintTo;

std::vector<std::string> RunLines(vimbo::EvalOptions options, const std::vector<std::string>& lines,
                                  bool* anyFailure = nullptr) {
    vimbo::EvalSession session(std::move(options));
    std::vector<std::string> results;
    for (const std::string& line : lines) {
        results.push_back(session.EvaluateLine(line));
    }
    if (anyFailure != nullptr) {
        *anyFailure = session.anyFailure();
    }
    return results;
}

TEST(EvalSession, AnsIsThePreviousResult) {
    EXPECT_EQ(RunLines({}, {"2+3", "ans*2", "ans-1"}), (std::vector<std::string>{"5", "10", "9"}));
}

TEST(EvalSession, AnsOptionGivesTheOneBeforeTheFirst) {
    vimbo::EvalOptions options;
    options.previousOutput = "12.5";
    EXPECT_EQ(RunLines(options, {"ans*2"}), std::vector<std::string>{"25"});
}

TEST(EvalSession, EmptyLineGivesEmptyLineAndKeepsAns) {
    bool failed = true;
    EXPECT_EQ(RunLines({}, {"7", "", "ans+1"}, &failed), (std::vector<std::string>{"7", "", "8"}));
    EXPECT_FALSE(failed);
}

TEST(EvalSession, LineOfBlanksIsEvaluated) {
    bool failed = false;
    EXPECT_EQ(RunLines({}, {"   "}, &failed), std::vector<std::string>{"Error"});
    EXPECT_TRUE(failed);
}

TEST(EvalSession, FailureAfterFailureTextInAns) {
    bool failed = false;
    EXPECT_EQ(RunLines({}, {"2)(3", "ans+1"}, &failed),
              (std::vector<std::string>{"Syntax error", "Error"}));
    EXPECT_TRUE(failed);
}

TEST(EvalSession, AngleModeIsPassedOn) {
    vimbo::EvalOptions options;
    options.angleMode = vimbo::AngleMode::Gradians;
    EXPECT_EQ(RunLines(options, {"cos(200)", "atn(1)"}), (std::vector<std::string>{"-1", "50"}));
}

TEST(EvalSession, DecimalsFormatTheResultAndAnsSeesTheFormattedText) {
    vimbo::EvalOptions options;
    options.decimals = true;
    EXPECT_EQ(
        RunLines(options, {"1/3", "ans*3", "10^20", "1/0", "0.75>frac"}),
        (std::vector<std::string>{"0.33", "0.99", "100000000000000000000.00", "Error", "3/4"}));
}

struct LineEndCase {
    const char* name;
    const char* raw;
    const char* line;
};

class LineEnds : public testing::TestWithParam<LineEndCase> {};

TEST_P(LineEnds, OneLineEndIsRemoved) {
    EXPECT_EQ(vimbo::StripLineEnd(GetParam().raw), GetParam().line);
}

INSTANTIATE_TEST_SUITE_P(StripLineEnd, LineEnds,
                         testing::Values(LineEndCase{"Lf", "2+3\n", "2+3"},
                                         LineEndCase{"CrLf", "2+3\r\n", "2+3"},
                                         LineEndCase{"None", "2+3", "2+3"},
                                         LineEndCase{"EmptyCrLf", "\r\n", ""},
                                         LineEndCase{"BlanksKept", "  \n", "  "}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
