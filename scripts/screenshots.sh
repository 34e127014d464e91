#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 the Quorvel authors
# SPDX-License-Identifier: MIT
#
# Takes the README's screenshots of a built program under Xvfb, driving it as a person would.
#   screenshots.sh BUILD_DIR [OUT_DIR]     (needs xvfb, xdotool, x11-utils, imagemagick)
set -euo pipefail
build=${1:?build folder}
out=${2:-docs/screenshots}
mkdir -p "$out"

display=:57
Xvfb $display -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
export DISPLAY=$display
sleep 1

# shot NAME WINDOW-ID: the window and its frame, cropped from the screen
shot() {
    local geometry
    geometry=$(xwininfo -id "$2" | awk '/Absolute upper-left X/{x=$4} /Absolute upper-left Y/{y=$4}
        /Width/{w=$2} /Height/{h=$2} END{printf "%dx%d+%d+%d", w, h, x, y}')
    import -window root -crop "$geometry" +repage "$out/$1.png"
}
# window_sized W H: the visible window of the program with that width and height (titles do not tell
# the windows apart: xdotool matches them without regard to case)
window_sized() {
    local id
    for _ in $(seq 50); do
        for id in $(xdotool search --onlyvisible --pid "$program" 2>/dev/null); do
            if xwininfo -id "$id" | grep -q "Width: $1\$" && xwininfo -id "$id" | grep -q "Height: $2\$"; then
                echo "$id"
                return
            fi
        done
        sleep 0.1
    done
    echo "screenshots.sh: no $1x$2 window" >&2
    exit 1
}
# click WINDOW-ID X Y: a click at a point of the window's content
click() { xdotool mousemove --window "$1" "$2" "$3" click 1; sleep 0.3; }

"$build/app/quorvel" &
program=$!
splash=$(window_sized 391 250)
sleep 0.3
shot splash "$splash"

sleep 1.5
calculator=$(xdotool search --onlyvisible --pid "$program" --name '^Quorvel$' | head -1)
menu=$(( $(xwininfo -id "$calculator" | awk '/Height/{print $2}') - 400 ))
click "$calculator" 427 $((menu + 196))
xdotool type --delay 60 '.8'
click "$calculator" 427 $((menu + 238))
xdotool type --delay 60 '2'
click "$calculator" 61 $((menu + 376))
shot calculator "$calculator"

click "$calculator" 441 $((menu + 376))
click "$calculator" 61 $((menu + 376))
sleep 0.5
box=$(xdotool search --onlyvisible --pid "$program" | grep -v "^$calculator\$" | tail -1)
shot message "$box"
xdotool key Return
sleep 0.3

click "$calculator" 257 $((menu + 375))
information=$(window_sized 500 475)
sleep 0.3
shot information "$information"
xdotool key space
sleep 0.3

click "$calculator" 106 $((menu / 2))
sleep 0.3
xdotool key Down Return
sleep 0.5
about=$(window_sized 391 250)
shot about "$about"

kill $program
wait $program 2>/dev/null || true
