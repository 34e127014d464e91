# SPDX-FileCopyrightText: 2026 the Quorvel authors
# SPDX-License-Identifier: MIT
#
# Where `cmake --install` and the package put the program: the executable in bin/ and, on freedesktop
# systems, the desktop entry, the AppStream metadata and the icon, all three named by QUORVEL_APP_ID so
# that the desktop matches the running program (setDesktopFileName) to its entry and icon, the manual
# page, and the changelog and copyright where Debian looks for them.
include(GNUInstallDirs)

install(TARGETS quorvel
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
  BUNDLE DESTINATION .)
if(WIN32)
  install(TARGETS quorvel_console RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()

if(UNIX AND NOT APPLE)
  # A stripped install (the package's) also drops the compiler's notes, as Debian's dh_strip does.
  set(quorvel_installed "\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/$<TARGET_FILE_NAME:quorvel>")
  install(CODE "if(CMAKE_INSTALL_DO_STRIP)
    execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment --remove-section=.note
      \"${quorvel_installed}\" COMMAND_ERROR_IS_FATAL ANY)
  endif()")

  set(quorvel_desktop_dir ${PROJECT_SOURCE_DIR}/resources/desktop)
  install(FILES ${quorvel_desktop_dir}/${QUORVEL_APP_ID}.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${quorvel_desktop_dir}/${QUORVEL_APP_ID}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  # The same picture that the program embeds as its window icon.
  install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/quorvel.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
    RENAME ${QUORVEL_APP_ID}.svg)

  # The manual page and the changelog are installed compressed, as Debian ships them. gzip -n leaves the
  # file name and time out of the header, so the same source always gives the same bytes.
  find_program(QUORVEL_GZIP gzip REQUIRED)
  set(quorvel_manual ${PROJECT_BINARY_DIR}/quorvel.1.gz)
  set(quorvel_changelog ${PROJECT_BINARY_DIR}/changelog.gz)
  add_custom_command(OUTPUT ${quorvel_manual}
    COMMAND ${QUORVEL_GZIP} -9n --stdout ${PROJECT_SOURCE_DIR}/docs/quorvel.1 > ${quorvel_manual}
    DEPENDS ${PROJECT_SOURCE_DIR}/docs/quorvel.1
    VERBATIM)
  add_custom_command(OUTPUT ${quorvel_changelog}
    COMMAND ${QUORVEL_GZIP} -9n --stdout ${PROJECT_SOURCE_DIR}/packaging/changelog > ${quorvel_changelog}
    DEPENDS ${PROJECT_SOURCE_DIR}/packaging/changelog
    VERBATIM)
  add_custom_target(quorvel_docs ALL DEPENDS ${quorvel_manual} ${quorvel_changelog})
  install(FILES ${quorvel_manual} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  install(FILES ${quorvel_changelog} DESTINATION ${CMAKE_INSTALL_DOCDIR})
  # The licence, in Debian's machine-readable format.
  install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})
endif()
