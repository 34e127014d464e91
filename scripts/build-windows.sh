#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 the Quorvel authors
# SPDX-License-Identifier: MIT
#
# Cross-builds Quorvel for 64-bit Windows (the `windows` preset, against the Qt that
# scripts/build-windows-qt.sh builds or finds in its cache) and makes the two downloads in build/windows:
#   quorvel-VERSION-win64.zip    the portable program folder, which runs from wherever it is unpacked
#   quorvel-VERSION-setup.exe    the installer (NSIS): per user, no administrator rights, /S for silence
# Both hold the program, quorvel.exe, its console twin quorvel.com (for cmd.exe and PowerShell), and every
# DLL they load: Qt's, the plugins Qt loads (found by trying the program under Wine) and the MinGW
# runtime. Every file is dated from the newest changelog entry, so the zip is the same bytes for the same
# sources and tools.
set -Eeuo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
source scripts/lib.sh
build=$root/build/windows

scripts/build-windows-qt.sh
qt=$(scripts/build-windows-qt.sh --print-prefix)

# The newest changelog entry dates every file: Qt's resource compiler writes it for each embedded
# file in place of the file's own time (which a checkout sets to its own), and strip into each
# binary's header.
SOURCE_DATE_EPOCH=$(dpkg-parsechangelog -l packaging/changelog -S Timestamp)
export SOURCE_DATE_EPOCH

cmake --preset windows -DQUORVEL_WINDOWS_ROOTS="$qt" >/dev/null
nice cmake --build --preset windows -j "${QUORVEL_JOBS:-2}"

version=$(cmake_cache "$build" CMAKE_PROJECT_VERSION)
name=quorvel-$version-win64
folder=$build/package/$name
zip=$build/$name.zip
setup=$build/quorvel-$version-setup.exe

# The plugins Qt loads for this program: the Windows platform plugin and the style that draws native
# controls. (The program draws its SVG pictures through Qt SVG itself, so no image-format plugin.)
plugins=(platforms/qwindows.dll styles/qwindowsvistastyle.dll)
mingw=x86_64-w64-mingw32
# Where the DLLs that the program and Qt import come from; any other import is Windows' own, which
# scripts/check-windows.sh checks against the list of DLLs every Windows 10 and 11 has.
dll_dirs=("$qt/bin" "/usr/lib/gcc/$mingw/$("$mingw-g++-posix" -dumpversion)" "/usr/$mingw/lib")

rm -rf "$build/package"
mkdir -p "$folder"

# Binaries are copied without their symbol tables, which only a debugger reads.
ship() { # ship FILE DESTINATION_FOLDER
    mkdir -p "$2"
    "$mingw-strip" --strip-unneeded -o "$2/$(basename "$1")" "$1"
}
imports() { "$mingw-objdump" -p "$1" | sed -n 's/^\s*DLL Name: //p'; }
find_dll() { find "${dll_dirs[@]}" -maxdepth 1 -iname "$1" -print -quit; }
# ship_with_imports FILE DESTINATION_FOLDER: ships a binary and, into the program folder, every DLL it
# needs that is not shipped yet, and theirs in turn.
ship_with_imports() {
    ship "$1" "$2"
    local dll source
    for dll in $(imports "$1"); do
        source=$(find_dll "$dll")
        if [[ -n $source && ! -e $folder/$(basename "$source") ]]; then
            ship_with_imports "$source" "$folder"
        fi
    done
}

ship_with_imports "$build/quorvel.exe" "$folder"
ship_with_imports "$build/quorvel.com" "$folder"
for plugin in "${plugins[@]}"; do
    ship_with_imports "$qt/plugins/$plugin" "$folder/$(dirname "$plugin")"
done

# The licences: the program's, and those of Qt (LGPL 3, which builds on the GPL 3) and of the MinGW
# runtime, with where their sources are.
cp LICENSE "$folder/LICENSE.txt"
mkdir "$folder/licenses"
cp /usr/share/common-licenses/LGPL-3 "$folder/licenses/LGPL-3.0.txt"
cp /usr/share/common-licenses/GPL-3 "$folder/licenses/GPL-3.0.txt"
cp packaging/windows/THIRD-PARTY.txt "$folder/licenses/"

find "$folder" -type d -exec chmod 755 {} +
find "$folder" -type f -exec chmod 644 {} +
find "$folder" -exec touch --no-dereference --date="@$SOURCE_DATE_EPOCH" {} +

# The zip: entries in a fixed order, times in UTC, no extra fields (owners, access times), and the
# folder's own date.
rm -f "$zip"
(cd "$build/package" && find "$name" -type f | LC_ALL=C sort |
    TZ=UTC zip -X -D -9 -q "$zip" -@)
touch --date="@$SOURCE_DATE_EPOCH" "$zip"

# The installer removes what it installed, file by file, then the folders if they are empty.
uninstall_list=$build/package/uninstall.nsh
{
    (cd "$folder" && find . -type f | LC_ALL=C sort | sed 's|^\./||; s|/|\\|g; s|.*|  Delete "$INSTDIR\\&"|')
    (cd "$folder" && find . -mindepth 1 -type d | LC_ALL=C sort -r | sed 's|^\./||; s|/|\\|g; s|.*|  RMDir "$INSTDIR\\&"|')
} >"$uninstall_list"
makensis -INPUTCHARSET UTF8 -V2 \
    -DVERSION="$version" -DPROGRAM_DIR="$folder" -DICON="$build/windows-resources/quorvel.ico" \
    -DUNINSTALL_LIST="$uninstall_list" -DOUTFILE="$setup" \
    packaging/windows/quorvel.nsi
touch --date="@$SOURCE_DATE_EPOCH" "$setup"

ls -l "$zip" "$setup" | awk '{ printf "build-windows: %s, %d bytes\n", $NF, $5 }'
