# SPDX-FileCopyrightText: 2026 the Quorvel authors
# SPDX-License-Identifier: MIT
#
# quorvel_add_windows_resources(<target> <file name> <description>): gives a Windows executable the
# program's icon, manifest and version information as resources. The icon is drawn from the program's
# SVG at each size Windows shows (16 to 256 px), each size drawn for itself rather than scaled from
# another, and stored as PNG, which Windows reads since Vista.
find_program(QUORVEL_RSVG_CONVERT rsvg-convert REQUIRED)
find_program(QUORVEL_ICOTOOL icotool REQUIRED)

set(quorvel_svg ${PROJECT_SOURCE_DIR}/resources/icons/quorvel.svg)
set(quorvel_ico ${PROJECT_BINARY_DIR}/windows-resources/quorvel.ico)
set(quorvel_icon_pngs)
set(quorvel_icon_commands)
foreach(side 16 20 24 32 40 48 64 96 128 256)
  set(png ${PROJECT_BINARY_DIR}/windows-resources/icon-${side}.png)
  list(APPEND quorvel_icon_pngs --raw=${png})
  list(APPEND quorvel_icon_commands
    COMMAND ${QUORVEL_RSVG_CONVERT} --width=${side} --height=${side} --output=${png} ${quorvel_svg})
endforeach()
add_custom_command(OUTPUT ${quorvel_ico}
  ${quorvel_icon_commands}
  COMMAND ${QUORVEL_ICOTOOL} --create --output=${quorvel_ico} ${quorvel_icon_pngs}
  DEPENDS ${quorvel_svg}
  COMMENT "Drawing the Windows icon"
  VERBATIM)
add_custom_target(quorvel_windows_icon DEPENDS ${quorvel_ico})

set(quorvel_manifest ${PROJECT_BINARY_DIR}/windows-resources/quorvel.manifest)
configure_file(${PROJECT_SOURCE_DIR}/resources/windows/quorvel.manifest ${quorvel_manifest} @ONLY)

function(quorvel_add_windows_resources target quorvel_file_name quorvel_description)
  set(rc ${PROJECT_BINARY_DIR}/windows-resources/${quorvel_file_name}.rc)
  configure_file(${PROJECT_SOURCE_DIR}/resources/windows/quorvel.rc.in ${rc} @ONLY)
  # windres reads the files the script names without telling the build about them.
  set_source_files_properties(${rc} PROPERTIES OBJECT_DEPENDS "${quorvel_ico};${quorvel_manifest}")
  target_sources(${target} PRIVATE ${rc})
  add_dependencies(${target} quorvel_windows_icon)
endfunction()
