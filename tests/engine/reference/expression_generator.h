// SPDX-License-Identifier: MIT
// Seeded generator of awkward expressions for comparing the two evaluators: numbers in every
// written form, runs of signs, postfix signs, the twelve functions in any letter case,
// groups nested, unclosed or stray, implied products, "pi" and "ans", the commands after
// ">" and junk, in the three angle modes. The same seed gives the same sequence.
#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "engine/engine.h"

namespace vimbo::reference {

struct GeneratedCase {
    std::string expression;
    std::string previousOutput;
    AngleMode angleMode = AngleMode::Degrees;
};

class ExpressionGenerator {
  public:
    explicit ExpressionGenerator(std::uint64_t seed) : random_(seed) {}

    GeneratedCase Next();

    // A result to offer as the previous output of a later case, as a session would.
    void Remember(const std::string& result);

  private:
    std::uint64_t Below(std::uint64_t n) { return random_() % n; }
    bool OneIn(std::uint64_t n) { return Below(n) == 0; }
    template <typename T, std::size_t N>
    T Pick(const T (&choices)[N]) {
        return choices[Below(N)];
    }

    std::string Digits(int most);
    std::string Number();
    std::string Atom(int depth);
    std::string Term(int depth);
    std::string Sum(int depth);
    std::string Commands();
    std::string Mangled(std::string text);
    std::string PreviousOutput();

    std::mt19937_64 random_;
    std::vector<std::string> recent_;
};

}  // namespace vimbo::reference
