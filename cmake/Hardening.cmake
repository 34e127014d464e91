# SPDX-FileCopyrightText: 2026 the Quorvel authors
# SPDX-License-Identifier: MIT
#
# Release builds get the hardening that Debian builds its own packages with: bounds-checked C library
# calls, a stack protector, and relocations made read-only once resolved at start-up. Fortified calls need
# an optimised build; the debug and sanitizer builds check more than this already.
add_compile_options(
  $<$<CONFIG:Release>:-D_FORTIFY_SOURCE=2>
  $<$<CONFIG:Release>:-fstack-protector-strong>)
add_link_options($<$<CONFIG:Release>:LINKER:-z,relro,-z,now>)
