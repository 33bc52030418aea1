# Warnings and floating-point rules shared by every target of the project.
# Results must agree to the last bit with any correct implementation of the same
# steps, so no fast-math and no contraction into fused multiply-adds.
add_compile_options(-Wall -Wextra -Wpedantic -ffp-contract=off -fno-fast-math)
if(CMAKE_SYSTEM_PROCESSOR MATCHES "i.86")
  add_compile_options(-msse2 -mfpmath=sse)  # no x87 excess precision
endif()
if(VIMBO_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined -fno-sanitize-recover=all)
endif()
