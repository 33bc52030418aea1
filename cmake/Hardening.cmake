# SPDX-License-Identifier: MIT
# The hardening Debian builds its packages with (dpkg-buildflags): stack protector, fortified
# C library calls, a read-only relocation table bound at start, and position-independent
# executables. Left out of the sanitizer and fuzzing builds, whose runtimes do that work.
option(VIMBO_HARDEN "Build with Debian's hardening flags" ON)
if(VIMBO_HARDEN AND NOT VIMBO_SANITIZE AND NOT VIMBO_BUILD_FUZZ)
  include(CheckPIESupported)
  check_pie_supported()
  set(CMAKE_POSITION_INDEPENDENT_CODE ON)
  add_compile_options(-fstack-protector-strong -Wformat -Werror=format-security)
  # The C library fortifies its calls only in optimised code, and warns otherwise.
  add_compile_definitions($<$<NOT:$<CONFIG:Debug>>:_FORTIFY_SOURCE=2>)
  add_link_options(LINKER:-z,relro LINKER:-z,now)
endif()
