// SPDX-License-Identifier: MIT
// Rows of table-driven tests show as their own name in GoogleTest's messages instead of
// their bytes. A test file brings it in with `using vimbo::test_support::PrintTo;` in the
// namespace of its rows.
#pragma once

#include <ostream>
#include <string_view>

namespace vimbo::test_support {

template <typename Row>
requires requires(const Row& row) {
    std::string_view(row.name);
}
void PrintTo(const Row& row, std::ostream* out) {
    *out << std::string_view(row.name);
}

// Rows of buttons are named by the button's control name.
template <typename Row>
requires requires(const Row& row) {
    std::string_view(row.control);
}
void PrintTo(const Row& row, std::ostream* out) {
    *out << std::string_view(row.control);
}

}  // namespace vimbo::test_support
