#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 the Quorvel authors
# SPDX-License-Identifier: MIT
#
# Builds Qt (qtbase and qtsvg) for the browser with Debian's Emscripten, as static WebAssembly libraries
# (the only kind Qt for WebAssembly builds) with only what Quorvel uses, into a cache folder beside the
# Windows one. While the inputs (sources, flags, Emscripten and host Qt versions) are unchanged, the
# cached Qt is reused and nothing is fetched or built.
#
#   build-web-qt.sh                 build, or reuse the cache; prints one line per stage with its time
#   build-web-qt.sh --print-prefix  print where the Qt for the browser is (or will be) installed
#   build-web-qt.sh --print-env     print the environment (EMSDK, NODE_PATH) that builds against it need
#
# QUORVEL_CACHE overrides the cache folder (default ~/.cache/quorvel); QUORVEL_JOBS the build jobs (2).
set -Eeuo pipefail
# shellcheck source=scripts/lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
# shellcheck source=scripts/qt-sources.sh
source "$(dirname "${BASH_SOURCE[0]}")/qt-sources.sh"

prefix=$qt_cache/qt-$qt_version-wasm
jobs=${QUORVEL_JOBS:-2}
emsdk=$qt_cache/emsdk
# Only what the program uses. OpenGL stays on: Qt 6.4's backing store in the browser draws through WebGL.
qtbase_flags=(
    -platform wasm-emscripten -qt-host-path /usr -release -static -nomake examples -nomake tests
    -no-feature-network -no-feature-sql -no-feature-printsupport -no-feature-testlib
    -no-feature-concurrent -no-feature-xml -no-feature-dbus
)
recipe=1 # raise when the steps below change what gets built

print_env() {
    printf 'export EMSDK=%q NODE_PATH=/usr/share/nodejs\n' "$emsdk"
}
case ${1:-} in
    --print-prefix) echo "$prefix"; exit 0 ;;
    --print-env) print_env; exit 0 ;;
    "") ;;
    *) usage ;;
esac

# Qt finds Emscripten through an emsdk folder: its .emscripten names where Emscripten is, below the
# folder, and Qt takes emcc and Emscripten's CMake toolchain file from there. Debian's Emscripten is
# linked into it; its emcc reads its own configuration.
make_emsdk() {
    mkdir -p "$emsdk/upstream/emscripten"
    echo "EMSCRIPTEN_ROOT = '/upstream/emscripten'" >"$emsdk/.emscripten"
    ln -sf /usr/share/emscripten/* /usr/bin/emcc /usr/bin/em++ "$emsdk/upstream/emscripten/"
}
make_emsdk
eval "$(print_env)"
# Debian's Node does not look in /usr/share/nodejs, where emcc's acorn is.
export EMSDK NODE_PATH

fetch_qt_sources

inputs() {
    echo "recipe $recipe"
    qt_sources_identity
    printf '%s\n' "${qtbase_flags[@]}"
    dpkg-query -W -f '${Package} ${Version}\n' emscripten clang-14 lld-14 binaryen qt6-base-dev-tools \
        cmake ninja-build
}
key=$(inputs | sha256sum | cut -d' ' -f1)
if [[ -f $prefix/quorvel-inputs && $(cat "$prefix/quorvel-inputs") == "$key" ]]; then
    say "cached in $prefix"
    exit 0
fi

started=$SECONDS
say "building into $prefix (about an hour on two cores)"
build=$qt_cache/build-wasm
start_build "$build" "$key" "$prefix"

configure_qtbase() {
    mkdir -p "$build/qtbase"
    (cd "$build/qtbase" && "$qt_sources/qtbase/source/configure" -prefix "$prefix" "${qtbase_flags[@]}" -- \
        -G Ninja -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake)
}
stage "configure qtbase" configure_qtbase >"$build/qtbase.log" 2>&1
stage "build qtbase" nice cmake --build "$build/qtbase" -j "$jobs" >>"$build/qtbase.log" 2>&1
stage "install qtbase" cmake --install "$build/qtbase" >>"$build/qtbase.log" 2>&1

unpack_qtsvg() { tar -xf "$qt_sources/$qtsvg_tarball" -C "$build"; }
stage "unpack qtsvg" unpack_qtsvg
configure_qtsvg() {
    mkdir -p "$build/qtsvg"
    (cd "$build/qtsvg" && "$prefix/bin/qt-configure-module" "$build/qtsvg-everywhere-src-$qt_version" -- -G Ninja)
}
stage "configure qtsvg" configure_qtsvg >"$build/qtsvg.log" 2>&1
stage "build qtsvg" nice cmake --build "$build/qtsvg" -j "$jobs" >>"$build/qtsvg.log" 2>&1
stage "install qtsvg" cmake --install "$build/qtsvg" >>"$build/qtsvg.log" 2>&1

echo "$key" >"$prefix/quorvel-inputs"
rm -rf "$build"
say "done in $((SECONDS - started)) s: $prefix"
