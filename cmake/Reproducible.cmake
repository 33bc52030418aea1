# SPDX-License-Identifier: MIT
# The same sources give the same package from any build folder, at any time: one time for
# everything, SOURCE_DATE_EPOCH when it is set, else the date of the changelog's latest
# entry; and no build path in what is compiled.
if(DEFINED ENV{SOURCE_DATE_EPOCH})
  set(VIMBO_SOURCE_DATE_EPOCH "$ENV{SOURCE_DATE_EPOCH}")
else()
  # A new changelog entry configures the build again, so the package never keeps an old date.
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
               ${PROJECT_SOURCE_DIR}/packaging/changelog)
  file(STRINGS ${PROJECT_SOURCE_DIR}/packaging/changelog trailer REGEX "^ -- .*>  " LIMIT_COUNT 1)
  string(REGEX REPLACE "^ -- .*>  " "" date "${trailer}")
  execute_process(COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C TZ=UTC date -d "${date}" +%s
                  OUTPUT_VARIABLE VIMBO_SOURCE_DATE_EPOCH OUTPUT_STRIP_TRAILING_WHITESPACE
                  RESULT_VARIABLE failed)
  if(failed OR date STREQUAL "")
    message(FATAL_ERROR "packaging/changelog: no date in its latest entry's trailer line")
  endif()
endif()
if(NOT VIMBO_SOURCE_DATE_EPOCH MATCHES "^[0-9]+$")
  message(FATAL_ERROR "SOURCE_DATE_EPOCH is no number of seconds: ${VIMBO_SOURCE_DATE_EPOCH}")
endif()

# __FILE__ and the debug information name the sources relative to the tree. The build
# folder comes last: GCC tries the last mapping first, and the folder may lie inside the
# source tree.
add_compile_options(-ffile-prefix-map=${PROJECT_SOURCE_DIR}=.
                    -ffile-prefix-map=${PROJECT_BINARY_DIR}=.)
