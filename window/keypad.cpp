// SPDX-License-Identifier: MIT
#include "window/keypad.h"

#include <array>

namespace vimbo {

namespace {

// The engine lower-cases the whole expression, so the capitals are only for the eye.
constexpr auto kKeys = std::to_array<KeypadKey>({
    {"cmdNum0", "0"},          {"cmdNum1", "1"},    {"cmdNum2", "2"},      {"cmdNum3", "3"},
    {"cmdNum4", "4"},          {"cmdNum5", "5"},    {"cmdNum6", "6"},      {"cmdNum7", "7"},
    {"cmdNum8", "8"},          {"cmdNum9", "9"},    {"cmdDecPoint", "."},  {"cmdPlus", "+"},
    {"cmdMinusOrNeg", "-"},    {"cmdTimes", "*"},   {"cmdDividedBy", "/"}, {"cmdOpenPar", "("},
    {"cmdClosedPar", ")"},     {"cmdPercent", "%"}, {"cmdPi", "Pi"},       {"cmdRecip", "1/("},
    {"cmdLog", "Log("},        {"cmdLn", "Ln("},    {"cmdSqr", "Sqr("},    {"cmdInt", "Int("},
    {"cmdRound", ">RoundTo("},
});

}  // namespace

std::span<const KeypadKey> KeypadKeys() {
    return kKeys;
}

QString KeypadToken(QStringView controlName) {
    for (const KeypadKey& key : kKeys) {
        if (controlName == QLatin1String(key.controlName)) {
            return QString::fromLatin1(key.token);
        }
    }
    return {};
}

}  // namespace vimbo
