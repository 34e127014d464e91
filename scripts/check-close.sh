#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 the Quorvel authors
# SPDX-License-Identifier: MIT
#
# Checks that a close request to the calculator ends the program, under metacity (GNOME's classic window
# manager) on a private Xvfb, with a private session bus and accessibility on, as for a screen reader
# user (scripts/close_request.py does the runs):
#   - with the information window open and active: the display named on the command line only
#     (-display :N, --display=:N), the close asked for as WM_DELETE_WINDOW sent to the calculator (as a
#     title bar's close button does) or as _NET_CLOSE_WINDOW sent to metacity (as a task bar does);
#   - at the moment the splash hands over to the calculator by itself: WM_DELETE_WINDOW straight to the
#     calculator's window as soon as the accessibility tree shows it and no longer the About window.
# Every program must end with status 0. One still running 5 s after its close request is reported with what
# is needed to find out why: every thread's stack (gdb) and whether a second request ends it.
#   check-close.sh [BUILD_DIR | PROGRAM] [INFORMATION_RUNS] [HANDOVER_RUNS] [WINDOW_MANAGER]
#       (default build/release, 6 and 20 runs, metacity; openbox is the other window manager it knows)
# Needs what `scripts/install-deps.sh --tests` installs; root is not needed, but gdb reads the stacks of a
# program it did not start only as root or where the kernel allows it (kernel.yama.ptrace_scope 0).
set -Eeuo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$root/scripts/lib.sh"
target=${1:-$root/build/release}
information_runs=${2:-6}
handover_runs=${3:-20}
window_manager=${4:-metacity}
# Debian's own Python, for which python3-xlib and python3-gi are built.
python=/usr/bin/python3

program=$target
[[ -d $program ]] && program=$program/app/quorvel
[[ -f $program && -x $program ]] || fail "no program at $program: build the target quorvel first"
[[ $window_manager == metacity || $window_manager == openbox ]] ||
    fail "no window manager named $window_manager: metacity or openbox"
for tool in Xvfb "$window_manager" xprop dbus-daemon dbus-send; do
    command -v "$tool" >/dev/null || fail "$tool is missing (scripts/install-deps.sh --tests)"
done
[[ -x $at_spi_launcher ]] || fail "the AT-SPI bus launcher is missing: at-spi2-core (scripts/install-deps.sh --tests)"
"$python" -c 'import Xlib, gi; gi.require_version("Atspi", "2.0"); from gi.repository import Atspi' \
    2>/dev/null || fail "python3-xlib or Python's AT-SPI binding is missing (scripts/install-deps.sh --tests)"

scratch=$(mktemp -d /tmp/quorvel-close.XXXXXX)
xvfb_pid="" wm_pid="" bus_pid="" launcher_pid=""
stop() { [[ -z $1 ]] || { kill "$1" 2>/dev/null && wait "$1" 2>/dev/null; } || true; }
cleanup() {
    stop "$wm_pid"
    stop "$launcher_pid"
    stop "$bus_pid"
    stop "$xvfb_pid"
    rm -rf "$scratch"
}
trap cleanup EXIT
trap 'exit 1' INT TERM

# A session of its own: no settings of the user's, no Wayland.
private_home "$scratch"
unset WAYLAND_DISPLAY QT_QPA_PLATFORM DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS

source "$root/scripts/xvfb.sh"
start_xvfb "$scratch" 1280x1024 || fail "Xvfb did not start: $(cat "$scratch/xvfb.log")"

step "session bus and accessibility bus"
start_accessibility "$scratch"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

step "$window_manager on $DISPLAY"
case $window_manager in
    metacity) metacity --sm-disable >"$scratch/wm.log" 2>&1 & ;;
    openbox) openbox >"$scratch/wm.log" 2>&1 & ;;
esac
wm_pid=$!
manages_the_screen() { xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'; }
wait_while_running "$window_manager managing the screen" "$wm_pid" "$scratch/wm.log" manages_the_screen

step "close requests to $program: $information_runs with the information window open," \
    "$handover_runs at the splash's hand-over"
timeout --kill-after=5 120 "$python" "$root/scripts/close_request.py" "$program" "$information_runs" \
    "$handover_runs" || fail "the program did not run as asked, or a close request was not honoured"
step "close check passed"
