# SPDX-License-Identifier: MIT
# What `cmake --install` puts on a desktop, and the Debian package CPack builds from it.
include(GNUInstallDirs)

if(TARGET vimbo-calculator)
  install(TARGETS vimbo-calculator RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${PROJECT_SOURCE_DIR}/app/vimbo-calculator.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  foreach(size IN ITEMS 16 32)
    install(FILES ${PROJECT_SOURCE_DIR}/window/pictures/vimbo-calculator-${size}.png
      DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
      RENAME vimbo-calculator.png)
  endforeach()
endif()
if(TARGET vimbo-eval)
  install(TARGETS vimbo-eval RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()

set(CPACK_PACKAGE_NAME vimbo-calculator)
set(CPACK_PACKAGE_VENDOR "Vimbo Calculator")
set(CPACK_PACKAGE_CONTACT "Vimbo Calculator maintainers <maintainers@vimbo-calculator.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_INSTALL_DIRECTORY vimbo-calculator)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION math)
# The libraries the programs link, found by dpkg-shlibdeps, and the font the window asks for.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6widgets6, libqt6printsupport6, fonts-liberation")
set(CPACK_STRIP_FILES ON)
include(CPack)
