#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 the Quorvel authors
# SPDX-License-Identifier: MIT
#
# Installs the Debian 12 packages that building, running and testing Quorvel need. Safe to run again.
#   install-deps.sh          what building and running the program needs
#   install-deps.sh --tests  also what the tests, fuzzers and package checks need
#   install-deps.sh --screenshots  also what scripts/screenshots.sh needs
#   install-deps.sh --windows      what the Windows build needs (scripts/build-windows.sh); --tests adds it
set -euo pipefail

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
if [[ ${1:-} == --windows ]]; then
    packages+=("${windows_packages[@]}")
fi
if [[ ${1:-} == --tests ]]; then
    packages+=("${windows_packages[@]}")
    packages+=(
        clang libclang-rt-14-dev clang-format clang-tidy
        xvfb xauth x11-utils xdotool xclip metacity openbox python3-xlib x11-xkb-utils
        desktop-file-utils appstream dpkg-dev file
        weston dbus-daemon dbus-bin at-spi2-core python3-gi gir1.2-atspi-2.0
        lintian mandoc groff-base man-db
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
