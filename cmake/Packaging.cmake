# SPDX-FileCopyrightText: 2026 the Quorvel authors
# SPDX-License-Identifier: MIT
#
# `cpack -G DEB` in a build folder makes quorvel_<version>_<arch>.deb from the install rules
# (cmake/Install.cmake). The Qt, C++ and C libraries it needs are read off the executable by
# dpkg-shlibdeps, so Depends names the libraries of the Qt that the program was built against.
set(CPACK_PACKAGE_NAME quorvel)
set(CPACK_PACKAGE_VENDOR "the Quorvel authors")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
# Debian shows the long description as it is written: lines of at most 80 characters.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "Quorvel applies the Spearman-Brown prophecy formula in either direction."
  "From the reliability of an existing test and the proportional change in its"
  "length it estimates the reliability of the lengthened or shortened test; from"
  "the reliability of the existing test and the reliability wanted it gives the"
  "change in length that is needed. For researchers, teachers and students who"
  "build tests and questionnaires.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)

# The project's address, not a person's: whoever looks after the package reads it.
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Quorvel authors <maintainers@quorvel.org>")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The X11 platform plugin comes with libqt6gui6 and the SVG icon engine with libqt6svg6, both found
# through the linked libraries, so the computed list is complete for the program to start.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's Wayland platform plugin, so that a Wayland session runs the program natively, not through XWayland.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-wayland)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)

set(CPACK_GENERATOR DEB)

include(CPack)
