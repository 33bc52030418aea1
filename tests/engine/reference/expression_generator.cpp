// SPDX-License-Identifier: MIT
#include "tests/engine/reference/expression_generator.h"

#include <cctype>

namespace vimbo::reference {

namespace {

// Numbers that sit on the edges of the steps: factorial limits, 32-bit places, powers that
// overflow, results near the switch to exponent form, whole and half values.
constexpr const char* kSpecialNumbers[] = {
    "0",
    "1",
    "2",
    "0.5",
    "2.5",
    "3",
    "10",
    "45",
    "90",
    "100",
    "170",
    "171",
    "180",
    "200",
    "1e308",
    "1e400",
    "1e-400",
    "5e-324",
    "2147483648",
    "100000000000000",
    "1000000000000000",
    "0.0001",
    "0.00001",
    "1,000",
    "1,2,3",
    "12,5.5",
    ".5",
    "5.",
    "007",
    "1E+20",
    "1.5E-07",
    "1e",
    "1e+",
    "2.5e+3",
};

constexpr const char* kFunctions[] = {"log(", "ln(",  "exp(", "sin(", "asn(", "cos(",
                                      "acs(", "tan(", "atn(", "sqr(", "int(", "abs("};

constexpr const char* kOperators[] = {"+", "-", "*", "/", "^", "mod"};

// Implied products, spaced and capital "mod", signs after an operator, doubled operators.
constexpr const char* kOddOperators[] = {"",   " MOD ", "*-", "^-",   "/-", "--", "+-",
                                         "-+", "++",    "**", "mod-", "%",  "!"};

constexpr const char* kPostfix[] = {"%", "!", "!%", "%!", "!!", "%%"};

constexpr const char* kPreviousOutputs[] = {
    "",      "",      "",         "12.5", "-3",   "0",      "12.50",
    "-0.25", "1E+20", "-1.5E-07", "3/4",  "-1/3", "5",      "1,000.00",
    "2",     "-2",    "0.5",      "170",  "1e5",  "Error",  "Syntax error",
    "ans",   "2+3",   "pi",       "(1",   "1)",   "7>frac", "-0"};

// Characters that may turn up anywhere: half of them mean something, half do not.
constexpr char kJunk[] = "()+-*/^%!.,eE> x#\t";

// The characters that decide how parentheses, signs and operators are paired and rewritten.
constexpr char kSoup[] = "((()))--+*/^12.5%!e";

}  // namespace

std::string ExpressionGenerator::Digits(int most) {
    std::string digits;
    const auto count = 1 + Below(static_cast<std::uint64_t>(most));
    for (std::uint64_t i = 0; i < count; ++i) {
        digits += static_cast<char>('0' + Below(10));
    }
    return digits;
}

std::string ExpressionGenerator::Number() {
    switch (Below(10)) {
        case 0:
        case 1:
            return Pick(kSpecialNumbers);
        case 2:
        case 3:
            return Digits(2) + "." + Digits(3);
        case 4:
            return (OneIn(2) ? "." : "0.") + Digits(4);
        case 5:
            return Digits(2) + (OneIn(2) ? "e" : "E") +
                   (OneIn(3)   ? ""
                    : OneIn(2) ? "-"
                               : "+") +
                   Digits(2);
        default:
            return Digits(OneIn(8) ? 18 : 2);
    }
}

std::string ExpressionGenerator::Atom(int depth) {
    const bool canNest = depth < 3;
    switch (Below(canNest ? 16 : 10)) {
        case 0:
            return OneIn(3) ? "PI" : "pi";
        case 1:
            return OneIn(3) ? "Ans" : "ans";
        case 10:
        case 11:
        case 12: {
            std::string name = Pick(kFunctions);
            for (char& c : name) {
                if (OneIn(4)) {
                    c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
                }
            }
            return name + Sum(depth + 1) + (OneIn(8) ? "" : ")");
        }
        case 13:
            // Groups or calls of one function nested around the evaluator's depth limit.
            if (OneIn(30)) {
                const std::string open = OneIn(2) ? "(" : Pick(kFunctions);
                std::string nested = Sum(depth + 1);
                for (auto levels = 95 + Below(10); levels > 0; --levels) {
                    nested = open + nested + ")";
                }
                return nested;
            }
            [[fallthrough]];
        case 14:
        case 15:
            return "(" + Sum(depth + 1) + (OneIn(8) ? "" : ")");
        default:
            return Number();
    }
}

std::string ExpressionGenerator::Term(int depth) {
    std::string term;
    for (auto signs = OneIn(4) ? 1 + Below(3) : 0; signs > 0; --signs) {
        term += OneIn(2) ? "-" : "+";
    }
    term += Atom(depth);
    if (OneIn(6)) {
        term += Pick(kPostfix);
    }
    return term;
}

std::string ExpressionGenerator::Sum(int depth) {
    std::string sum = Term(depth);
    for (auto more = Below(depth == 0 ? 5 : 3); more > 0; --more) {
        sum += OneIn(4) ? Pick(kOddOperators) : Pick(kOperators);
        sum += Term(depth);
    }
    return sum;
}

std::string ExpressionGenerator::Commands() {
    switch (Below(12)) {
        case 0:
            return ">roundto(" + Number() + (OneIn(3) ? "" : ")");
        case 1:
            return ">RoundTo(" + Digits(1) + ")>Frac";
        case 2:
            return ">frac";
        case 3:
            return OneIn(2) ? ">junk" : ">roundto(x)";
        case 4:
            return ">" + std::string(1, kJunk[Below(sizeof kJunk - 1)]) + ">frac";
        default:
            return "";
    }
}

// A few characters inserted or deleted, a few spaces, so that the input is not always
// well formed.
std::string ExpressionGenerator::Mangled(std::string text) {
    for (auto edits = OneIn(8) ? 1 + Below(3) : 0; edits > 0 && !text.empty(); --edits) {
        const auto at = Below(text.size() + 1);
        if (OneIn(3) && at < text.size()) {
            text.erase(at, 1);
        } else {
            text.insert(at, 1, kJunk[Below(sizeof kJunk - 1)]);
        }
    }
    return text;
}

std::string ExpressionGenerator::PreviousOutput() {
    if (!recent_.empty() && OneIn(3)) {
        return recent_[Below(recent_.size())];
    }
    return Pick(kPreviousOutputs);
}

void ExpressionGenerator::Remember(const std::string& result) {
    if (recent_.size() < 8) {
        recent_.push_back(result);
    } else {
        recent_[Below(recent_.size())] = result;
    }
}

GeneratedCase ExpressionGenerator::Next() {
    static constexpr AngleMode kModes[] = {AngleMode::Degrees, AngleMode::Radians,
                                           AngleMode::Gradians};
    GeneratedCase generated;
    generated.previousOutput = PreviousOutput();
    generated.angleMode = Pick(kModes);
    if (OneIn(5)) {
        // Short strings of structure characters: stray and unclosed parentheses, signs
        // before groups, operators next to each other.
        for (auto length = 1 + Below(16); length > 0; --length) {
            generated.expression += kSoup[Below(sizeof kSoup - 1)];
        }
    } else {
        generated.expression = Mangled(Sum(0) + Commands());
    }
    return generated;
}

}  // namespace vimbo::reference
