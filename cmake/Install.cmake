# SPDX-License-Identifier: MIT
# What `cmake --install` puts on a desktop, and the Debian package that plain `cpack` builds
# from it in a build folder.
include(GNUInstallDirs)

if(TARGET vimbo-calculator)
  install(TARGETS vimbo-calculator RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${PROJECT_SOURCE_DIR}/app/${VIMBO_APP_ID}.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  set(icons ${PROJECT_SOURCE_DIR}/window/pictures)
  foreach(size IN ITEMS 16 22 24 32 48 64 128 256)
    install(FILES ${icons}/vimbo-calculator-${size}.png
      DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
      RENAME vimbo-calculator.png)
  endforeach()
  install(FILES ${icons}/vimbo-calculator.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
endif()
if(TARGET vimbo-eval)
  install(TARGETS vimbo-eval RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
# A stripped install also drops the compiler's version note, as Debian's own packaging does.
if(CMAKE_OBJCOPY)
  install(CODE "
    if(CMAKE_INSTALL_DO_STRIP)
      foreach(program vimbo-calculator vimbo-eval)
        set(file \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/\${program}\")
        if(EXISTS \"\${file}\")
          execute_process(COMMAND \"${CMAKE_OBJCOPY}\" --remove-section=.comment \"\${file}\"
                          COMMAND_ERROR_IS_FATAL ANY)
        endif()
      endforeach()
    endif()")
endif()
set(VIMBO_MAINTAINER "The Vimbo Calculator developers <maintainers@vimbo-calculator.invalid>")
add_subdirectory(packaging)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vimbo-calculator)
set(CPACK_PACKAGE_VENDOR "The Vimbo Calculator developers")
set(CPACK_PACKAGE_CONTACT "${VIMBO_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
  "scientific calculator with a history tape and printed reports")
# Read here rather than named as a file, which CPack would escape for XML (so: no quotes).
file(READ ${PROJECT_SOURCE_DIR}/packaging/description.txt CPACK_DEBIAN_PACKAGE_DESCRIPTION)
set(CPACK_PACKAGE_INSTALL_DIRECTORY vimbo-calculator)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE ${VIMBO_PACKAGE_REVISION})
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${VIMBO_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The same package from the same sources: modes that do not follow the umask, and every
# time in the archives the one time of cmake/Reproducible.cmake, which CPack's archives take
# from SOURCE_DATE_EPOCH in its environment (CPackTime.cmake sets it when cpack runs without).
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE
    GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_POST_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/DebMemberModes.cmake)
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_BINARY_DIR}/CPackTime.cmake)
file(CONFIGURE OUTPUT ${CPACK_PROJECT_CONFIG_FILE} @ONLY CONTENT [[
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  set(ENV{SOURCE_DATE_EPOCH} @VIMBO_SOURCE_DATE_EPOCH@)
endif()
]])
# The libraries the programs link, each once as dpkg-shlibdeps finds it; the font the
# window asks for; and Qt's Wayland plugin, so that the window runs natively there.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-liberation)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-wayland)
include(CPack)
