# SPDX-FileCopyrightText: 2026 the Quorvel authors
# SPDX-License-Identifier: MIT
#
# Cross-builds for 64-bit Windows with Debian's MinGW-w64 GCC, in its POSIX-threads flavour (Qt needs
# std::thread). Libraries, headers and CMake packages are looked up only under the MinGW root and the
# folders named in QUORVEL_WINDOWS_ROOTS (the cross-built Qt, for one), never among the build machine's
# own; programs (moc, rcc, windres) are the build machine's.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR AMD64)

set(QUORVEL_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${QUORVEL_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${QUORVEL_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${QUORVEL_MINGW_TRIPLE}-windres)

# Try-compile projects read this file again and need the same roots.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES QUORVEL_WINDOWS_ROOTS)
set(CMAKE_FIND_ROOT_PATH /usr/${QUORVEL_MINGW_TRIPLE} ${QUORVEL_WINDOWS_ROOTS})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Boost is header-only, and its headers are the same for every platform: the build machine's serve, and
# the cross compiler is shown them alone, through a folder that holds nothing but a link to them.
if(EXISTS /usr/include/boost/version.hpp)
  set(QUORVEL_BOOST_ROOT ${CMAKE_BINARY_DIR}/boost-headers)
  if(NOT EXISTS ${QUORVEL_BOOST_ROOT}/include/boost)
    file(MAKE_DIRECTORY ${QUORVEL_BOOST_ROOT}/include)
    file(CREATE_LINK /usr/include/boost ${QUORVEL_BOOST_ROOT}/include/boost SYMBOLIC)
  endif()
  list(APPEND CMAKE_FIND_ROOT_PATH ${QUORVEL_BOOST_ROOT})
endif()
