# SPDX-License-Identifier: MIT
# Run by cpack once the .deb is made (CPACK_POST_BUILD_SCRIPTS). CPack writes the modes of
# the .deb's three members as its umask made them (100664 under umask 002); dpkg-deb
# writes 100644 whatever the umask, and so does this, in each member's ar header.
foreach(deb IN LISTS CPACK_PACKAGE_FILES)
  if(NOT deb MATCHES "\\.deb$")
    continue()  # another generator's archive has no ar members
  endif()
  file(SIZE "${deb}" size)
  file(WRITE "${deb}.mode" "100644  ")
  set(at 8)  # after "!<arch>\n"
  while(at LESS size)
    # name[16] time[12] uid[6] gid[6] mode[8] size[10] "`\n"; data padded to even length
    file(READ "${deb}" header OFFSET ${at} LIMIT 60)
    string(SUBSTRING "${header}" 48 10 length)
    string(STRIP "${length}" length)
    if(NOT length MATCHES "^[0-9]+$")
      message(FATAL_ERROR "${deb}: no ar member header at byte ${at}")
    endif()
    math(EXPR mode_at "${at} + 40")
    execute_process(COMMAND dd of=${deb} bs=1 seek=${mode_at} conv=notrunc status=none
                    INPUT_FILE "${deb}.mode" COMMAND_ERROR_IS_FATAL ANY)
    math(EXPR at "${at} + 60 + ${length} + ${length} % 2")
  endwhile()
  file(REMOVE "${deb}.mode")
endforeach()
