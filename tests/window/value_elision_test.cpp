// SPDX-License-Identifier: MIT
// What a value box draws of a value too wide for it, measured one unit a character.
#include <gtest/gtest.h>

#include <initializer_list>
#include <utility>

#include "window/value_elision.h"

namespace vimbo {
namespace {

TEST(ElidedValue, KeepsSignFirstDigitsPointAndWholeExponent) {
    const auto characters = [](const QString& text) { return static_cast<int>(text.size()); };
    // Each row: the value, what is drawn of it in 15 characters.
    const std::initializer_list<std::pair<QString, QString>> rows = {
        {"42", "42"},
        {"", ""},
        {"Syntax error", "Syntax error"},
        {"-1.42857142857143E-11", "-1.4285714…E-11"},
        {"4.22550200076077E+29", "4.22550200…E+29"},
        {"-1.79769313486232E+308", "-1.797693…E+308"},
        {"-0.000123456789012345", "-0.00012345678…"},
        // Digits before the point that do not fit: the exponent form, exact where it fits.
        {"100000000000000000000.00", "1E+20"},
        {"422550200076076467165567735125.33", "4.22550200…E+29"},
        {"-12345678901234567890", "-1.2345678…E+19"},
        {"12345678901234567890e-5", "1.23456789…E+14"},
        {"0.0000000000000000001234", "1.234E-19"},
        // Not a number: its start.
        {"-2147483647/2147483646", "-2147483647/21…"},
        {"12 + 1234567890123", "12 + 123456789…"},
    };
    for (const auto& [value, drawn] : rows) {
        EXPECT_EQ(ElidedValue(value, 15, characters), drawn) << value.toStdString();
    }
}

}  // namespace
}  // namespace vimbo
