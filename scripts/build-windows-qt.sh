#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 the Quorvel authors
# SPDX-License-Identifier: MIT
#
# Builds Qt (qtbase and qtsvg, of the version scripts/qt-sources.sh names) for 64-bit Windows with the
# MinGW-w64 cross compiler, as shared libraries (users may replace Qt's DLLs, as its LGPL licence
# expects) with only what Quorvel uses, into a cache folder outside the checkout. While the inputs (sources, flags, toolchain, compiler and host Qt
# versions) are unchanged, the cached Qt is reused and nothing is fetched or built.
#
#   build-windows-qt.sh [--qtsvg-source TARBALL]   build, or reuse the cache; prints one line per stage
#   build-windows-qt.sh --print-prefix             print where the Qt for Windows is (or will be) installed
#
# QUORVEL_CACHE overrides the cache folder (default ~/.cache/quorvel); QUORVEL_JOBS the build jobs (2).
# qtbase comes from Debian 12's source package; qtsvg from, in this order: --qtsvg-source, Debian's
# source package, ../shared/third_party/ beside the checkout. Either known checksum of the qtsvg tarball
# is accepted: Qt's release tarball (the same file as Debian's orig tarball) or the copy made from the
# upstream tag.
set -Eeuo pipefail
repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$repo/scripts/lib.sh"
source "$repo/scripts/qt-sources.sh"

prefix=$qt_cache/qt-$qt_version-win64
jobs=${QUORVEL_JOBS:-2}

toolchain=$repo/cmake/mingw-w64-x86_64.cmake
# No link time in the DLLs' headers and export tables, so that the same inputs give the same bytes;
# for qtbase and qtsvg alike.
# shellcheck disable=SC2054 # the commas are the linker's
link_flags=(
    -DCMAKE_SHARED_LINKER_FLAGS=-Wl,--no-insert-timestamp
    -DCMAKE_MODULE_LINKER_FLAGS=-Wl,--no-insert-timestamp
)
# Only what the program uses: Core, Gui, Widgets, the Windows platform plugin, Svg. Tablet events need
# wintab, which Debian's tarball leaves out; with OpenGL off, the Windows plugin only compiles without
# dynamic GL. Direct2D stays on: Qt 6.4 builds its DirectWrite font engine only with it. The program
# asks no MIME types, so QtCore carries no database of them (whose compressed copy is also dated).
qtbase_flags=(
    -DCMAKE_BUILD_TYPE=Release
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF
    -DFEATURE_opengl=OFF -DFEATURE_dynamicgl=OFF -DFEATURE_vulkan=OFF
    -DFEATURE_tabletevent=OFF -DFEATURE_sql=OFF -DFEATURE_dbus=OFF -DFEATURE_network=OFF
    -DFEATURE_printsupport=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DFEATURE_testlib=OFF
    -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF -DFEATURE_ico=OFF
    -DFEATURE_system_zlib=OFF -DFEATURE_mimetype_database=OFF
    "${link_flags[@]}"
)
recipe=1 # raise when the steps below change what gets built

qtsvg_source=
while (($#)); do
    case $1 in
        --print-prefix) echo "$prefix"; exit 0 ;;
        --qtsvg-source) [[ $# -ge 2 ]] || usage; qtsvg_source=$(realpath "$2"); shift 2 ;;
        *) usage ;;
    esac
done

fetch_qt_sources "$qtsvg_source"

# Everything that decides what gets built.
inputs() {
    echo "recipe $recipe"
    qt_sources_identity
    sha256sum "$toolchain" | cut -d' ' -f1
    printf '%s\n' "${qtbase_flags[@]}"
    x86_64-w64-mingw32-g++-posix --version | head -1
    dpkg-query -W -f '${Package} ${Version}\n' g++-mingw-w64-x86-64-posix mingw-w64-x86-64-dev \
        binutils-mingw-w64-x86-64 qt6-base-dev-tools cmake ninja-build
}
key=$(inputs | sha256sum | cut -d' ' -f1)
if [[ -f $prefix/quorvel-inputs && $(cat "$prefix/quorvel-inputs") == "$key" ]]; then
    say "cached in $prefix"
    exit 0
fi

started=$SECONDS
say "building into $prefix (about 20 minutes on two cores)"
build=$qt_cache/build
start_build "$build" "$key" "$prefix"

stage "configure qtbase" cmake -S "$qt_sources/qtbase/source" -B "$build/qtbase" -G Ninja --log-level=ERROR \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_INSTALL_PREFIX="$prefix" "${qtbase_flags[@]}" >"$build/qtbase.log" 2>&1
stage "build qtbase" nice cmake --build "$build/qtbase" -j "$jobs" >>"$build/qtbase.log" 2>&1
stage "install qtbase" cmake --install "$build/qtbase" >>"$build/qtbase.log" 2>&1

unpack_qtsvg() { tar -xf "$qt_sources/$qtsvg_tarball" -C "$build"; }
stage "unpack qtsvg" unpack_qtsvg
configure_qtsvg() {
    mkdir -p "$build/qtsvg"
    (cd "$build/qtsvg" && "$prefix/bin/qt-configure-module" "$build/qtsvg-everywhere-src-$qt_version" -- -G Ninja \
        "${link_flags[@]}")
}
stage "configure qtsvg" configure_qtsvg >"$build/qtsvg.log" 2>&1
stage "build qtsvg" nice cmake --build "$build/qtsvg" -j "$jobs" >>"$build/qtsvg.log" 2>&1
stage "install qtsvg" cmake --install "$build/qtsvg" >>"$build/qtsvg.log" 2>&1

echo "$key" >"$prefix/quorvel-inputs"
rm -rf "$build"
say "done in $((SECONDS - started)) s: $prefix"
