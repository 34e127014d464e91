#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 the Quorvel authors
# SPDX-License-Identifier: MIT
#
# Checks that a close request to the calculator ends the program while the information window is open
# and active, under metacity (GNOME's classic window manager), on a private Xvfb. The program is started
# with its display named on the command line and none in the environment, alternately as -display :N
# and --display=:N; each run opens the information window and asks for the calculator's close, either
# as WM_DELETE_WINDOW sent to it (as a title bar's close button does) or as _NET_CLOSE_WINDOW sent to
# metacity (as a task bar does), and the program must end with status 0 (scripts/close_request.py).
#   check-close.sh [BUILD_DIR | PROGRAM] [RUNS]     (default build/release, 6 runs)
# Needs what `scripts/install-deps.sh --tests` installs; root is not needed.
set -Eeuo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$root/scripts/lib.sh"
target=${1:-$root/build/release}
runs=${2:-6}
# Debian's own Python, for which python3-xlib is built.
python=/usr/bin/python3

program=$target
[[ -d $program ]] && program=$program/app/quorvel
[[ -f $program && -x $program ]] || fail "no program at $program: build the target quorvel first"
for tool in Xvfb metacity xprop; do
    command -v "$tool" >/dev/null || fail "$tool is missing (scripts/install-deps.sh --tests)"
done
"$python" -c 'import Xlib' 2>/dev/null || fail "python3-xlib is missing (scripts/install-deps.sh --tests)"

scratch=$(mktemp -d /tmp/quorvel-close.XXXXXX)
xvfb_pid="" wm_pid=""
stop() { [[ -z $1 ]] || { kill "$1" 2>/dev/null && wait "$1" 2>/dev/null; } || true; }
cleanup() {
    stop "$wm_pid"
    stop "$xvfb_pid"
    rm -rf "$scratch"
}
trap cleanup EXIT
trap 'exit 1' INT TERM

# A session of its own: no settings of the user's, no Wayland.
private_home "$scratch"
unset WAYLAND_DISPLAY QT_QPA_PLATFORM DBUS_SESSION_BUS_ADDRESS

source "$root/scripts/xvfb.sh"
start_xvfb "$scratch" 1280x1024 || fail "Xvfb did not start: $(cat "$scratch/xvfb.log")"

step "metacity on $DISPLAY"
metacity --sm-disable >"$scratch/metacity.log" 2>&1 &
wm_pid=$!
for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    kill -0 "$wm_pid" 2>/dev/null || fail "metacity ended: $(cat "$scratch/metacity.log")"
    sleep 0.1
done
xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' ||
    fail "metacity does not manage the screen: $(cat "$scratch/metacity.log")"

step "$runs close requests to $program"
timeout --kill-after=5 120 "$python" "$root/scripts/close_request.py" "$program" "$runs" ||
    fail "the program did not run as asked, or a close request was not honoured"
step "close check passed"
