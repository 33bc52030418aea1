# SPDX-License-Identifier: MIT
# What `cmake --install` puts on a desktop; debian/ packages the same install.
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
add_subdirectory(packaging)
