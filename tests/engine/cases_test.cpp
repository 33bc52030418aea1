// SPDX-License-Identifier: MIT
// Runs the golden cases in tests/cases/*.txt: an expression on one line, its expected
// result on the next, indented by a tab. "@angle RAD" and "@ans TEXT" set the context for
// the cases that follow in the same file ("@ans" alone empties it); "#" starts a comment.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "engine/engine.h"
#include "tests/support/named_rows.h"

namespace {

using vimbo::test_support::PrintTo;

std::vector<std::string> CaseFiles() {
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(VIMBO_CASES_DIR)) {
        if (entry.path().extension() == ".txt") {
            files.push_back(entry.path().filename().string());
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

class GoldenCases : public testing::TestWithParam<std::string> {};

TEST_P(GoldenCases, EveryCaseGivesItsResult) {
    const std::string path = std::string(VIMBO_CASES_DIR) + "/" + GetParam();
    std::ifstream in(path);
    ASSERT_TRUE(in) << "cannot open " << path;
    vimbo::AngleMode angle = vimbo::AngleMode::Degrees;
    std::string ans;
    std::string line;
    std::string expression;
    int expressionLine = 0;
    int lineNumber = 0;
    bool pending = false;
    int cases = 0;
    while (std::getline(in, line)) {
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (!line.empty() && line.front() == '\t') {
            EXPECT_TRUE(pending) << path << ":" << lineNumber << ": result without expression";
            const std::string expected = line.substr(1);
            const std::string actual = vimbo::EvaluateExpression(expression, ans, angle);
            if (actual != expected) {
                ADD_FAILURE_AT(path.c_str(), expressionLine)
                    << "expression [" << expression << "] (angle " << vimbo::AngleModeName(angle)
                    << ", ans [" << ans << "])\n  expected [" << expected << "]\n  actual   ["
                    << actual << "]";
            }
            pending = false;
            ++cases;
            continue;
        }
        EXPECT_FALSE(pending) << path << ":" << expressionLine << ": expression without result";
        if (line.empty() || line.front() == '#') {
            continue;
        }
        if (line.rfind("@angle ", 0) == 0) {
            const auto named = vimbo::AngleModeFromName(line.substr(7));
            ASSERT_TRUE(named) << path << ":" << lineNumber << ": unknown angle mode";
            angle = *named;
        } else if (line == "@ans") {
            ans.clear();
        } else if (line.rfind("@ans ", 0) == 0) {
            ans = line.substr(5);
        } else {
            expression = line;
            expressionLine = lineNumber;
            pending = true;
        }
    }
    EXPECT_FALSE(pending) << path << ": last expression has no result";
    EXPECT_GT(cases, 0) << path << " holds no case";
}

INSTANTIATE_TEST_SUITE_P(Files, GoldenCases, testing::ValuesIn(CaseFiles()),
                         [](const testing::TestParamInfo<std::string>& info) {
                             std::string name = info.param.substr(0, info.param.size() - 4);
                             for (char& c : name) {
                                 if (!std::isalnum(static_cast<unsigned char>(c))) {
                                     c = '_';
                                 }
                             }
                             return name;
                         });

}  // namespace
