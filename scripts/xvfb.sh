# shellcheck shell=bash
# SPDX-FileCopyrightText: 2026 the Quorvel authors
# SPDX-License-Identifier: MIT
#
# Sourced by the scripts that need a private X server (the checks, the screenshots, the Wine session):
#   start_xvfb FOLDER WIDTHxHEIGHT   starts Xvfb on a free display number with a screen of that size,
#                                    exports DISPLAY and sets xvfb_pid; the server's log is
#                                    FOLDER/xvfb.log. Returns 1 when the server did not start.
start_xvfb() {
    local folder=$1 screen=$2 display=""
    # -displayfd: Xvfb picks a free display number and writes it when it is ready to take clients.
    Xvfb -displayfd 3 -screen 0 "${screen}x24" -nolisten tcp 3>"$folder/display" >"$folder/xvfb.log" 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 200); do
        display=$(tr -dc '0-9' <"$folder/display")
        [[ -z $display ]] || break
        kill -0 "$xvfb_pid" 2>/dev/null || break
        sleep 0.1
    done
    [[ -n $display ]] || return 1
    export DISPLAY=:$display
}
