#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 the Quorvel authors
# SPDX-License-Identifier: MIT
#
# Builds Qt 6.4.2 (qtbase and qtsvg) for 64-bit Windows with the MinGW-w64 cross compiler, as shared
# libraries (users may replace Qt's DLLs, as its LGPL licence expects) with only what Quorvel uses, into
# a cache folder outside the checkout. While the inputs (sources, flags, toolchain, compiler and host Qt
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
set -euo pipefail
repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

cache=${QUORVEL_CACHE:-$HOME/.cache/quorvel}
prefix=$cache/qt-6.4.2-win64
jobs=${QUORVEL_JOBS:-2}

qtbase_debian_version=6.4.2+dfsg-10
qtsvg_debian_version=6.4.2-2
qtsvg_tarball=qtsvg-everywhere-src-6.4.2.tar.xz
qtsvg_known_sha256=(
    b746af3cb1793621d8ed7eae38d9ad5a15541dc2742031069f2ae3fe87590314 # Qt's release, Debian's orig tarball
    52e2c37abec731e77f8df7b10ea6cabe8c6823079a4d8fb22b0bbad65a9aaf98 # git archive of the tag v6.4.2
)
toolchain=$repo/cmake/mingw-w64-x86_64.cmake
# No link time in the DLLs' headers and export tables, so that the same inputs give the same bytes;
# for qtbase and qtsvg alike.
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

usage() { sed -n '9,11p' "${BASH_SOURCE[0]}" | sed 's/^# \{0,1\}//' >&2; exit 2; }
qtsvg_source=
while (($#)); do
    case $1 in
        --print-prefix) echo "$prefix"; exit 0 ;;
        --qtsvg-source) [[ $# -ge 2 ]] || usage; qtsvg_source=$(realpath "$2"); shift 2 ;;
        *) usage ;;
    esac
done

# Stage lines go to the terminal (descriptor 3) even while a stage's own output goes to its log.
exec 3>&1
say() { printf 'build-windows-qt: %s\n' "$*" >&3; }
stage() { # stage NAME COMMAND...: runs a stage, then prints its name and how long it took
    local name=$1 start=$SECONDS
    shift
    "$@"
    say "$name: $((SECONDS - start)) s"
}

src=$cache/src
mkdir -p "$src"

# apt_source PACKAGE=VERSION: fetches, checks and unpacks a Debian source package into the current
# folder, through a private APT configuration that knows bookworm's source packages: nothing under
# /etc/apt or /var/lib/apt is touched, and its files go when the script ends.
apt_dir=
apt_source() {
    if [[ -z $apt_dir ]]; then
        apt_dir=$(mktemp -d)
        trap 'rm -rf "$apt_dir"' EXIT
        mkdir -p "$apt_dir/lists/partial"
        cat >"$apt_dir/deb-src.sources" <<'SOURCES'
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SOURCES
        apt_options=(-o "Dir::Etc::SourceList=$apt_dir/deb-src.sources" -o Dir::Etc::SourceParts=/dev/null
            -o "Dir::State::Lists=$apt_dir/lists" -o Debug::NoLocking=1 -o APT::Sandbox::User=root)
        apt-get "${apt_options[@]}" update -qq >/dev/null
    fi
    apt-get "${apt_options[@]}" source -qq "$1" >/dev/null
}

# qtbase: unpacked with Debian's patches under $src/qtbase, with its .dsc (which names every tarball's
# checksum) kept as the source's identity.
fetch_qtbase() {
    local dir
    dir=$(mktemp -d "$src/qtbase.XXXX")
    (cd "$dir" && apt_source "qt6-base=$qtbase_debian_version")
    rm -rf "$src/qtbase"
    mkdir "$src/qtbase"
    mv "$dir"/qt6-base_*.dsc "$src/qtbase/"
    mv "$dir"/qt6-base-*/ "$src/qtbase/source"
    rm -rf "$dir"
}
[[ -f $src/qtbase/source/CMakeLists.txt ]] || stage "fetch qtbase $qtbase_debian_version" fetch_qtbase

known_qtsvg() {
    local sum
    sum=$(sha256sum "$1" | cut -d' ' -f1)
    [[ " ${qtsvg_known_sha256[*]} " == *" $sum "* ]]
}
# The qtsvg tarball, from the first source that has it, is checked and kept in the cache.
fetch_qtsvg() {
    local dir candidate
    dir=$(mktemp -d "$src/qtsvg.XXXX")
    if [[ -n $qtsvg_source ]]; then
        candidate=$qtsvg_source
    elif (cd "$dir" && apt_source "qt6-svg=$qtsvg_debian_version") 2>/dev/null; then
        candidate=$(echo "$dir"/qt6-svg_*.orig.tar.xz)
    else
        say "qtsvg: Debian's source package cannot be fetched; taking the copy beside the checkout"
        candidate=$repo/../shared/third_party/$qtsvg_tarball
    fi
    if ! known_qtsvg "$candidate"; then
        say "qtsvg: $candidate has none of the known checksums of QtSvg 6.4.2" >&2
        exit 1
    fi
    cp "$candidate" "$src/$qtsvg_tarball"
    rm -rf "$dir"
}
if [[ -n $qtsvg_source || ! -f $src/$qtsvg_tarball ]]; then
    stage "fetch qtsvg" fetch_qtsvg
fi
known_qtsvg "$src/$qtsvg_tarball" || { say "qtsvg: the cached tarball has changed" >&2; exit 1; }

# Everything that decides what gets built.
inputs() {
    echo "recipe $recipe"
    sha256sum "$src"/qtbase/*.dsc "$src/$qtsvg_tarball" "$toolchain" | cut -d' ' -f1
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
# A build that stopped half-way (interrupted, or a full disk) goes on where it stopped when its inputs
# are the same; otherwise it starts afresh.
build=$cache/build
if [[ -f $build/quorvel-inputs && $(cat "$build/quorvel-inputs") == "$key" ]]; then
    say "going on with the unfinished build in $build"
else
    rm -rf "$build"
    mkdir -p "$build"
    echo "$key" >"$build/quorvel-inputs"
fi
rm -rf "$prefix"
trap 'say "failed; the last lines of the logs in $build:"; tail -n 20 "$build"/*.log >&3' ERR

stage "configure qtbase" cmake -S "$src/qtbase/source" -B "$build/qtbase" -G Ninja --log-level=ERROR \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_INSTALL_PREFIX="$prefix" "${qtbase_flags[@]}" >"$build/qtbase.log" 2>&1
stage "build qtbase" nice cmake --build "$build/qtbase" -j "$jobs" >>"$build/qtbase.log" 2>&1
stage "install qtbase" cmake --install "$build/qtbase" >>"$build/qtbase.log" 2>&1

unpack_qtsvg() { tar -xf "$src/$qtsvg_tarball" -C "$build"; }
stage "unpack qtsvg" unpack_qtsvg
configure_qtsvg() {
    mkdir -p "$build/qtsvg"
    (cd "$build/qtsvg" && "$prefix/bin/qt-configure-module" "$build/qtsvg-everywhere-src-6.4.2" -- -G Ninja \
        "${link_flags[@]}")
}
stage "configure qtsvg" configure_qtsvg >"$build/qtsvg.log" 2>&1
stage "build qtsvg" nice cmake --build "$build/qtsvg" -j "$jobs" >>"$build/qtsvg.log" 2>&1
stage "install qtsvg" cmake --install "$build/qtsvg" >>"$build/qtsvg.log" 2>&1

echo "$key" >"$prefix/quorvel-inputs"
rm -rf "$build"
say "done in $((SECONDS - started)) s: $prefix"
