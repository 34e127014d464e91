#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 the Quorvel authors
# SPDX-License-Identifier: MIT
#
# Installs the Debian 12 packages that building, running and testing Quorvel need. Safe to run again.
#   install-deps.sh          what building and running the program needs
#   install-deps.sh --tests  also what the tests, fuzzers and package checks need
#   install-deps.sh --screenshots  also what scripts/screenshots.sh needs
#   install-deps.sh --windows      what the Windows build needs (scripts/build-windows.sh); --tests adds it
#   install-deps.sh --web          what the browser build and its check need (scripts/build-web.sh,
#                                  scripts/check-web.sh): Emscripten, Chromium, and the page driver from
#                                  npm (scripts/web/node_modules); --tests adds it
#   install-deps.sh --bench        also what the benchmarks need (bench/startup.sh, bench/startup-windows.sh)
set -Eeuo pipefail

packages=(
    cmake ninja-build g++ pkg-config libboost-dev libxcb1-dev libwayland-dev qt6-base-private-dev
    qt6-base-dev qt6-base-dev-tools qt6-svg-dev libqt6svg6 qt6-qpa-plugins qt6-wayland
    fonts-dejavu-core fonts-liberation
)
# The Windows build: the cross compiler, icon tools, zip and NSIS; Wine to run the result.
windows_packages=(
    g++-mingw-w64-x86-64-posix mingw-w64-tools dpkg-dev librsvg2-bin icoutils zip unzip nsis
    wine64 fonts-wine xvfb xauth x11-utils xdotool xclip imagemagick fonts-liberation
)
# The browser build: Emscripten, Debian's source of acorn for it, the faces the page's program brings and
# the tools that cut them to size, icon and zip tools; Chromium and Node to drive the page.
web_packages=(
    emscripten node-acorn fonts-liberation2 python3-fonttools librsvg2-bin zip unzip dpkg-dev chromium nodejs
)
# Debian's npm, where Node came without its own (as Debian's does; other builds of Node bring npm and
# conflict with Debian's).
command -v npm >/dev/null || web_packages+=(npm)
# The benchmarks: the measuring tool of ../shared/bench is built against Xlib, XRes and XDamage, and its
# results are read with jq; the Windows one runs the Windows build.
bench_packages=(jq libx11-dev libxres-dev libxdamage-dev xvfb)
if [[ ${1:-} == --bench ]]; then
    packages+=("${bench_packages[@]}" "${windows_packages[@]}")
fi
if [[ ${1:-} == --windows ]]; then
    packages+=("${windows_packages[@]}")
fi
if [[ ${1:-} == --web ]]; then
    packages+=("${web_packages[@]}")
fi
if [[ ${1:-} == --tests ]]; then
    packages+=("${windows_packages[@]}" "${web_packages[@]}")
    packages+=(
        clang libclang-rt-14-dev clang-format clang-tidy
        xvfb xauth x11-utils xdotool xclip metacity openbox python3-xlib x11-xkb-utils gdb
        desktop-file-utils appstream dpkg-dev file
        weston dbus-daemon dbus-bin at-spi2-core python3-gi gir1.2-atspi-2.0
        lintian mandoc groff-base man-db
        adwaita-qt6
    )
fi
if [[ ${1:-} == --screenshots ]]; then
    packages+=(xvfb x11-utils xdotool openbox imagemagick)
fi

if [[ $(id -u) -ne 0 ]]; then
    echo "install-deps.sh: run as root (or with sudo) to install: ${packages[*]}" >&2
    exit 1
fi
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${packages[@]}" >/dev/null
if [[ ${1:-} == --web || ${1:-} == --tests ]]; then
    # puppeteer-core, at the version the lock file names.
    npm ci --prefix "$(dirname "${BASH_SOURCE[0]}")/web" --no-audit --no-fund --loglevel=error >/dev/null
fi
