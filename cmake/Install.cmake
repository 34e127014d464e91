# SPDX-FileCopyrightText: 2026 the Quorvel authors
# SPDX-License-Identifier: MIT
#
# Where `cmake --install` and the package put the program: the executable in bin/ and, on freedesktop
# systems, the desktop entry, the AppStream metadata and the icon, all three named by QUORVEL_APP_ID so
# that the desktop matches the running program (setDesktopFileName) to its entry and icon.
include(GNUInstallDirs)

install(TARGETS quorvel
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
  BUNDLE DESTINATION .)

if(UNIX AND NOT APPLE)
  set(quorvel_desktop_dir ${PROJECT_SOURCE_DIR}/resources/desktop)
  install(FILES ${quorvel_desktop_dir}/${QUORVEL_APP_ID}.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${quorvel_desktop_dir}/${QUORVEL_APP_ID}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  # The same picture that the program embeds as its window icon.
  install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/quorvel.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
    RENAME ${QUORVEL_APP_ID}.svg)
  # Debian looks for the licence of a package here.
  install(FILES ${PROJECT_SOURCE_DIR}/LICENSE
    DESTINATION ${CMAKE_INSTALL_DOCDIR}
    RENAME copyright)
endif()
