# SPDX-License-Identifier: MIT
# Warnings and floating-point rules shared by every target of the project.
# Results must agree to the last bit with any correct implementation of the same
# steps, so no fast-math and no contraction into fused multiply-adds.
add_compile_options(-Wall -Wextra -Wpedantic -ffp-contract=off -fno-fast-math)
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
  # GCC 12 at -O3 reports std::string's own insert and replace as overlapping copies
  # (a known false positive of that compiler); it says nothing about the code there.
  add_compile_options(-Wno-restrict)
endif()
if(CMAKE_SYSTEM_PROCESSOR MATCHES "i.86")
  add_compile_options(-msse2 -mfpmath=sse)  # no x87 excess precision
endif()
if(VIMBO_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined -fno-sanitize-recover=all)
endif()
