#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 the Quorvel authors
# SPDX-License-Identifier: MIT
#
# Checks that Quorvel runs natively on Wayland. Starts a headless Weston, a private D-Bus session bus and
# the accessibility bus, starts the built program with QT_QPA_PLATFORM=wayland and no X display, and
# drives it through its accessibility tree only (scripts/wayland_atspi.py): the About window shows first
# and the calculator about 1.5 s later, .8 and 2 give .8889, and File › Quit ends the program with
# status 0.
#   check-wayland.sh [BUILD_DIR | PROGRAM]     (default build/release)
# Needs what `scripts/install-deps.sh --tests` installs; root is not needed. Every process it starts is
# ended when it exits.
set -Eeuo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$root/scripts/lib.sh"
target=${1:-$root/build/release}
# Debian's own Python, for which python3-gi is built: a python3 earlier on PATH (pyenv, a venv) lacks it.
python=/usr/bin/python3
socket=wayland-quorvel

# The program itself, or the one executable named quorvel in a build folder (packaging copies aside).
find_program() {
    if [[ -f $1 && -x $1 ]]; then
        realpath "$1"
        return
    fi
    [[ -d $1 ]] || fail "$1 is neither a build folder nor the program"
    local found
    mapfile -t found < <(find "$(realpath "$1")" -name _CPack_Packages -prune -o \
        -type f -name quorvel -perm -u+x -print)
    [[ ${#found[@]} -gt 0 ]] || fail "no executable named quorvel in $1: build the target quorvel first"
    [[ ${#found[@]} -eq 1 ]] || fail "several executables named quorvel in $1, name one: ${found[*]}"
    echo "${found[0]}"
}

need() {
    local what=$1 package=$2
    shift 2
    "$@" >/dev/null 2>&1 || fail "$what is missing: install $package (scripts/install-deps.sh --tests)"
}

program=$(find_program "$target")
need "Weston" weston command -v weston
need "dbus-daemon" dbus-daemon command -v dbus-daemon
need "dbus-send" dbus-bin command -v dbus-send
need "the AT-SPI bus launcher" at-spi2-core test -x "$at_spi_launcher"
need "Python's AT-SPI binding" "python3-gi gir1.2-atspi-2.0" \
    "$python" -c 'import gi; gi.require_version("Atspi", "2.0"); from gi.repository import Atspi'
need "Qt's Wayland platform plugin" qt6-wayland \
    compgen -G '/usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so'

scratch=$(mktemp -d /tmp/quorvel-wayland.XXXXXX)
runtime=$scratch/runtime
weston_pid="" bus_pid="" launcher_pid="" driver_pid=""

# Ends one process started here: politely, then for good.
stop() {
    local pid=$1
    [[ -n $pid ]] || return 0
    kill "$pid" 2>/dev/null || true
    for _ in $(seq 50); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -KILL "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
}
# What these processes started in turn (Weston's shell clients, the accessibility bus and its registry)
# shares the private runtime folder: end whatever of it is left.
stop_strays() {
    local environ pid variables
    for environ in /proc/[0-9]*/environ; do
        pid=${environ#/proc/}
        pid=${pid%/environ}
        [[ $pid != "$$" ]] || continue
        mapfile -t -d '' variables 2>/dev/null <"$environ" || continue
        [[ " ${variables[*]} " != *" XDG_RUNTIME_DIR=$runtime "* ]] || kill -KILL "$pid" 2>/dev/null || true
    done
}
cleanup() {
    stop "$driver_pid"
    stop "$launcher_pid"
    stop "$bus_pid"
    stop "$weston_pid"
    stop_strays
    rm -rf "$scratch"
}
trap cleanup EXIT
trap 'exit 1' INT TERM

# Nothing from the calling session: no X display, no bus of its own, no settings of its user.
unset DISPLAY WAYLAND_DISPLAY WAYLAND_SOCKET AT_SPI_BUS_ADDRESS DBUS_SESSION_BUS_ADDRESS
private_home "$scratch"

step "starting a headless Weston"
# The proto scope logs every request of every client: the driver reads the windows' comings and goings.
weston --backend=headless-backend.so --socket="$socket" --no-config --idle-time=0 \
    --width=1280 --height=1024 --logger-scopes=log,proto </dev/null >"$scratch/weston.log" 2>&1 &
weston_pid=$!
wait_while_running "Weston's socket $runtime/$socket" "$weston_pid" "$scratch/weston.log" \
    test -S "$runtime/$socket"
echo "$(weston --version) on $runtime/$socket"

step "starting a private D-Bus session bus and the accessibility bus"
start_accessibility "$scratch"
a11y_enabled=$(dbus-send --session --reply-timeout=5000 --print-reply=literal --dest=org.a11y.Bus /org/a11y/bus \
    org.freedesktop.DBus.Properties.Get string:org.a11y.Status string:IsEnabled)
[[ $a11y_enabled == *true* ]] || fail "the accessibility bus says accessibility is off: $a11y_enabled"
echo "session bus $DBUS_SESSION_BUS_ADDRESS; accessibility on"

step "starting $program on Wayland, driving it through its accessibility tree"
QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=$socket \
    timeout --kill-after=5 180 "$python" "$root/scripts/wayland_atspi.py" \
    "$program" "$scratch/program.log" "$scratch/weston.log" </dev/null &
driver_pid=$!
driver_status=0
wait "$driver_pid" || driver_status=$?
driver_pid=""
if [[ -s $scratch/program.log ]]; then
    echo "program output:"
    cat "$scratch/program.log"
fi
[[ $driver_status -ne 124 ]] || fail "the check took longer than 180 s"
[[ $driver_status -eq 0 ]] || fail "the program did not behave on Wayland (status $driver_status)"

step "native Wayland check passed"
