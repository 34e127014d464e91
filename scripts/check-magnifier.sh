#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 the Quorvel authors
# SPDX-License-Identifier: MIT
#
# Checks that a screen magnifier is told over AT-SPI where the calculator's parts are drawn, at scale
# factor 2: the window, Calculate and field B against X11's own record of the window, and the caret's
# box after a typed digit (scripts/magnifier_atspi.py). Runs the built program on a private Xvfb with a
# private D-Bus session bus and accessibility bus.
#   check-magnifier.sh [BUILD_DIR]     (default build/release)
# Needs what `scripts/install-deps.sh --tests` installs; root is not needed.
set -Eeuo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$root/scripts/lib.sh"
build=$(realpath "${1:-$root/build/release}")
program=$build/app/quorvel
# Debian's own Python, for which python3-gi is built.
python=/usr/bin/python3
scale=2

[[ -x $program ]] || fail "no program at $program (build the quorvel target first)"
need_packages --tests xvfb x11-utils xdotool dbus-daemon at-spi2-core python3-gi gir1.2-atspi-2.0

scratch=$(mktemp -d /tmp/quorvel-magnifier.XXXXXX)
xvfb_pid="" bus_pid="" launcher_pid="" program_pid=""
stop() { [[ -z $1 ]] || { kill "$1" 2>/dev/null && wait "$1" 2>/dev/null; } || true; }
cleanup() {
    stop "$program_pid"
    stop "$launcher_pid"
    stop "$bus_pid"
    stop "$xvfb_pid"
    rm -rf "$scratch"
}
trap cleanup EXIT

unset WAYLAND_DISPLAY AT_SPI_BUS_ADDRESS DBUS_SESSION_BUS_ADDRESS QT_SCALE_FACTOR XDG_CURRENT_DESKTOP
private_home "$scratch"
source "$root/scripts/xvfb.sh"
start_xvfb "$scratch" 1600x1200 || fail "Xvfb did not start: $(cat "$scratch/xvfb.log")"

start_accessibility "$scratch"

QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=$scale "$program" >"$scratch/program.log" 2>&1 &
program_pid=$!
status=0
timeout 120 "$python" "$root/scripts/magnifier_atspi.py" "$scale" || status=$?
[[ $status -eq 0 ]] || fail "the places reported differ from the places drawn; program output: $(cat "$scratch/program.log")"
echo "check-magnifier.sh: AT-SPI reports the places drawn at scale factor $scale"
