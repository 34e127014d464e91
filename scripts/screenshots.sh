#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 the Quorvel authors
# SPDX-License-Identifier: MIT
#
# Takes the README's screenshots of a built program as a user sees them: on a private Xvfb under the
# Openbox window manager, so that the windows have their title bars, driving the program as a person
# would. The calculator and About windows are taken again at scale factor 2 (the @2x files), with the
# window manager's titles scaled to match.
#   screenshots.sh BUILD_DIR [OUT_DIR]     (default docs/screenshots)
# Needs what `scripts/install-deps.sh --screenshots` installs.
set -Eeuo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

build=$(cd "${1:?usage: screenshots.sh BUILD_DIR [OUT_DIR]}" && pwd)
out=${2:-docs/screenshots}
program_file=$build/app/quorvel
[[ -x $program_file ]] || fail "no program at $program_file (build the quorvel target first)"
mkdir -p "$out"

scratch=$(mktemp -d /tmp/quorvel-screenshots.XXXXXX)
xvfb_pid="" wm_pid="" program_pid=""
stop() { [[ -z $1 ]] || { kill "$1" 2>/dev/null && wait "$1" 2>/dev/null; } || true; }
cleanup() {
    stop "$program_pid"
    stop "$wm_pid"
    stop "$xvfb_pid"
    rm -rf "$scratch"
}
trap cleanup EXIT

# A session of its own: no settings of the user's, no Wayland, X11 through Qt's xcb plugin.
private_home "$scratch"
unset WAYLAND_DISPLAY QT_SCALE_FACTOR
export QT_QPA_PLATFORM=xcb

source "$(dirname "${BASH_SOURCE[0]}")/xvfb.sh"
start_xvfb "$scratch" 1280x1024 || fail "Xvfb did not start: $(cat "$scratch/xvfb.log")"

scale=1

# start_window_manager: Openbox with Debian's default settings, its title fonts multiplied by the scale
# as a desktop set to that scale would have them; returns once it manages the screen.
start_window_manager() {
    stop "$wm_pid"
    wm_pid=""
    local config=$scratch/openbox-$scale.xml
    awk -v scale="$scale" '
        /<font place="(Active|Inactive)Window">/ { title = 1 }
        title && /<size>/ {
            match($0, /[0-9]+/)
            $0 = substr($0, 1, RSTART - 1) substr($0, RSTART, RLENGTH) * scale substr($0, RSTART + RLENGTH)
        }
        /<\/font>/ { title = 0 }
        { print }' /etc/xdg/openbox/rc.xml >"$config"
    openbox --config-file "$config" >"$scratch/openbox.log" 2>&1 &
    wm_pid=$!
    for _ in $(seq 100); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return
        kill -0 "$wm_pid" 2>/dev/null || break
        sleep 0.1
    done
    fail "openbox did not start: $(cat "$scratch/openbox.log")"
}

start_program() {
    QT_SCALE_FACTOR=$scale "$program_file" >"$scratch/quorvel.log" 2>&1 &
    program_pid=$!
}

stop_program() {
    stop "$program_pid"
    program_pid=""
}

# window_sized W H: the program's visible window whose content is W x H at scale 1 (titles do not tell
# the windows apart: the About window is untitled and xdotool matches titles without regard to case).
window_sized() {
    local id size want="$(($1 * scale)) $(($2 * scale))"
    for _ in $(seq 100); do
        for id in $(xdotool search --onlyvisible --pid "$program_pid" 2>/dev/null); do
            size=$(xwininfo -id "$id" | awk '/^ *Width:/{w=$2} /^ *Height:/{h=$2} END{print w, h}')
            if [[ $size == "$want" ]]; then
                echo "$id"
                return
            fi
        done
        kill -0 "$program_pid" 2>/dev/null || fail "quorvel exited: $(cat "$scratch/quorvel.log")"
        sleep 0.1
    done
    fail "no $1x$2 window at scale $scale"
}

# calculator_window: the calculator, 500 wide with the menu bar above its 400-high content.
calculator_window() {
    local id
    for _ in $(seq 100); do
        for id in $(xdotool search --onlyvisible --pid "$program_pid" --name '^Quorvel$' 2>/dev/null); do
            if xwininfo -id "$id" | grep -q "^ *Width: $((500 * scale))\$"; then
                echo "$id"
                return
            fi
        done
        sleep 0.1
    done
    fail "no calculator window at scale $scale"
}

# shot NAME WINDOW-ID: the window with the frame the window manager draws around it, as on the screen.
shot() {
    local extents geometry
    sleep 0.5
    # Out of the way, so that no control shows the hover look.
    xdotool mousemove 1279 1023
    sleep 0.3
    extents=$(xprop -id "$2" _NET_FRAME_EXTENTS | sed -n 's/^.* = //p' | tr -d ,)
    geometry=$(xwininfo -id "$2" | awk -v extents="${extents:-0 0 0 0}" '
        BEGIN { split(extents, e, " ") }
        /Absolute upper-left X/ { x = $4 } /Absolute upper-left Y/ { y = $4 }
        /^ *Width:/ { w = $2 } /^ *Height:/ { h = $2 }
        END { printf "%dx%d+%d+%d", w + e[1] + e[2], h + e[3] + e[4], x - e[1], y - e[3] }')
    import -window root -crop "$geometry" +repage "$out/$1.png"
    echo "$out/$1.png: $geometry"
}

# click WINDOW-ID X Y: a click at a point of the window's content, in scale-1 pixels.
click() {
    xdotool mousemove --window "$1" $(($2 * scale)) $(($3 * scale)) click 1
    sleep 0.3
}

# menu_height WINDOW-ID: the height of the calculator's menu bar, in scale-1 pixels.
menu_height() {
    echo $(($(xwininfo -id "$1" | awk '/^ *Height:/{print $2}') / scale - 400))
}

# compute WINDOW-ID MENU: types .8 and 2 into the calculator and presses Calculate.
compute() {
    click "$1" 427 $(($2 + 196))
    xdotool type --delay 60 '.8'
    click "$1" 427 $(($2 + 238))
    xdotool type --delay 60 '2'
    click "$1" 61 $(($2 + 376))
}

# open_about WINDOW-ID MENU: Window > About, the first item of the Window menu.
open_about() {
    click "$1" 106 $(($2 / 2))
    xdotool key Down Return
}

start_window_manager
start_program
shot splash "$(window_sized 391 250)"
calculator=$(calculator_window)
menu=$(menu_height "$calculator")
compute "$calculator" "$menu"
shot calculator "$calculator"

click "$calculator" 441 $((menu + 376))
click "$calculator" 61 $((menu + 376))
box=""
for _ in $(seq 50); do
    box=$(xdotool search --onlyvisible --pid "$program_pid" | grep -vx "$calculator" | tail -1) || true
    [[ -z $box ]] || break
    sleep 0.1
done
[[ -n $box ]] || fail "no message box after Calculate with empty fields"
shot message "$box"
xdotool key Return
sleep 0.3

click "$calculator" 257 $((menu + 375))
shot information "$(window_sized 500 475)"
xdotool key space
sleep 0.3

open_about "$calculator" "$menu"
shot about "$(window_sized 391 250)"
stop_program

scale=2
start_window_manager
start_program
window_sized 391 250 >/dev/null
calculator=$(calculator_window)
menu=$(menu_height "$calculator")
compute "$calculator" "$menu"
shot calculator@2x "$calculator"
open_about "$calculator" "$menu"
shot about@2x "$(window_sized 391 250)"
stop_program
