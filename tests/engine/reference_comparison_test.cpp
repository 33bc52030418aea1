// SPDX-License-Identifier: MIT
// The engine's evaluator against the plain reference evaluator: first on every golden case
// input (which ties the reference to the documented results), then on generated inputs.
// VIMBO_REFERENCE_SEED and VIMBO_REFERENCE_CASES override the seed and the number of cases.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "engine/engine.h"
#include "tests/engine/reference/expression_generator.h"
#include "tests/engine/reference/reference_evaluator.h"

namespace {

std::uint64_t FromEnvironment(const char* name, std::uint64_t fallback) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0' ? std::strtoull(value, nullptr, 10) : fallback;
}

// The engine's result; `difference` is empty when the reference agrees, else a report of the
// input and of both results.
std::string Compare(const std::string& expression, const std::string& previousOutput,
                    vimbo::AngleMode angle, std::string& difference) {
    const std::string engine = vimbo::EvaluateExpression(expression, previousOutput, angle);
    const std::string reference =
        vimbo::reference::EvaluateExpression(expression, previousOutput, angle);
    difference.clear();
    if (engine != reference) {
        difference = "expression [" + expression + "], ans [" + previousOutput + "], angle " +
                     std::string(vimbo::AngleModeName(angle)) + "\n  engine    [" + engine +
                     "]\n  reference [" + reference + "]";
    }
    return engine;
}

TEST(ReferenceComparison, GoldenCaseInputs) {
    int compared = 0;
    for (const auto& entry : std::filesystem::directory_iterator(VIMBO_CASES_DIR)) {
        std::ifstream in(entry.path());
        vimbo::AngleMode angle = vimbo::AngleMode::Degrees;
        std::string ans;
        for (std::string line; std::getline(in, line);) {
            if (line.empty() || line.front() == '\t' || line.front() == '#') {
                continue;
            }
            if (line.rfind("@angle ", 0) == 0) {
                angle = vimbo::AngleModeFromName(line.substr(7)).value();
            } else if (line.rfind("@ans", 0) == 0) {
                ans = line.size() > 5 ? line.substr(5) : "";
            } else {
                std::string difference;
                Compare(line, ans, angle, difference);
                EXPECT_EQ(difference, "") << entry.path();
                ++compared;
            }
        }
    }
    EXPECT_GT(compared, 100);
}

TEST(ReferenceComparison, GeneratedInputs) {
    const std::uint64_t seed = FromEnvironment("VIMBO_REFERENCE_SEED", 20261208);
    const std::uint64_t cases = FromEnvironment("VIMBO_REFERENCE_CASES", VIMBO_REFERENCE_CASES);
    vimbo::reference::ExpressionGenerator generator(seed);
    int differences = 0;
    for (std::uint64_t i = 0; i < cases && differences < 10; ++i) {
        const auto [expression, ans, angle] = generator.Next();
        std::string difference;
        generator.Remember(Compare(expression, ans, angle, difference));
        if (!difference.empty()) {
            ADD_FAILURE() << "seed " << seed << ", case " << i << ": " << difference;
            ++differences;
        }
    }
}

}  // namespace
