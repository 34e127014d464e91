# SPDX-FileCopyrightText: 2026 the Quorvel authors
# SPDX-License-Identifier: MIT
#
# Boost is header-only, and its headers are the same for every platform: for the browser build the
# build machine's serve, and Emscripten, which looks only under its own roots, is shown them alone,
# through a folder that holds nothing but a link to them (as the Windows toolchain file does).
if(EXISTS /usr/include/boost/version.hpp)
  set(QUORVEL_BOOST_ROOT ${CMAKE_BINARY_DIR}/boost-headers)
  if(NOT EXISTS ${QUORVEL_BOOST_ROOT}/include/boost)
    file(MAKE_DIRECTORY ${QUORVEL_BOOST_ROOT}/include)
    file(CREATE_LINK /usr/include/boost ${QUORVEL_BOOST_ROOT}/include/boost SYMBOLIC)
  endif()
  list(APPEND CMAKE_FIND_ROOT_PATH ${QUORVEL_BOOST_ROOT})
endif()
