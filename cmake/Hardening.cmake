# SPDX-FileCopyrightText: 2026 the Quorvel authors
# SPDX-License-Identifier: MIT
#
# Release builds get the hardening that Debian builds its own packages with: bounds-checked C library
# calls, a stack protector, and on Linux relocations made read-only once resolved at start-up. Fortified
# calls need an optimised build; the debug and sanitizer builds check more than this already.
if(EMSCRIPTEN)
  # WebAssembly keeps the call stack out of the program's reach, so there is no return address to
  # protect, and Emscripten's C library has neither the stack protector's guard nor checked calls.
  return()
endif()
add_compile_options(
  $<$<CONFIG:Release>:-D_FORTIFY_SOURCE=2>
  $<$<CONFIG:Release>:-fstack-protector-strong>)
if(MINGW)
  # The C runtime of MinGW-w64 10 has neither the stack protector's guard nor the checked calls that
  # fortified code makes: GCC's libssp has both. It is linked in, last on the line, rather than shipped as
  # libssp-0.dll: one DLL fewer to ship, and its guard is seeded from the system's random source all the
  # same. ELF's RELRO has no PE counterpart; the loader places the images at random addresses (high ones
  # too) and keeps data pages from running, which the linker marks explicitly here.
  set(CMAKE_CXX_STANDARD_LIBRARIES "${CMAKE_CXX_STANDARD_LIBRARIES} -l:libssp.a")
  add_link_options(LINKER:--dynamicbase,--nxcompat,--high-entropy-va)
else()
  add_link_options($<$<CONFIG:Release>:LINKER:-z,relro,-z,now>)
endif()
