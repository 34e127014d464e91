# shellcheck shell=bash
# SPDX-FileCopyrightText: 2026 the Quorvel authors
# SPDX-License-Identifier: MIT
#
# Sourced by the project's scripts, after `set -Eeuo pipefail`, for what they share:
#   step TEXT                 prints a line that says what the script does next
#   fail TEXT                 prints "SCRIPT: FAILED: TEXT" on standard error and ends the script
#   usage                     prints the header's usage lines (those that start with "#   SCRIPT")
#                             on standard error and ends the script with status 2
#   private_home FOLDER       HOME, the XDG folders and a runtime folder (mode 700) in FOLDER, exported:
#                             a session with no settings of the user's
#   cmake_cache BUILD NAME    the value of NAME in BUILD/CMakeCache.txt; fails when it has none
#   serve_folder FOLDER LOG   serves FOLDER over HTTP on a free port of 127.0.0.1 with Python's static
#                             server (which sends .wasm as application/wasm), its output to LOG; sets
#                             server_pid and server_port
#   start_accessibility FOLDER
#                             a private D-Bus session bus in XDG_RUNTIME_DIR, and on it the accessibility
#                             bus with accessibility on; exports DBUS_SESSION_BUS_ADDRESS, sets bus_pid and
#                             launcher_pid, logs in FOLDER; at_spi_launcher is the launcher's path
#   need_packages OPTION PACKAGE...
#                             fails unless the Debian packages are installed, naming the option of
#                             scripts/install-deps.sh that installs them
# A command that fails where errexit ends the script is named, with its line, on standard error: a
# script never ends without saying why. (Inside a function this needs set -E, hence -E above.)
script_name=$(basename "$0")

step() { printf -- '-- %s\n' "$*"; }

fail() {
    printf '%s: FAILED: %s\n' "$script_name" "$*" >&2
    exit 1
}

usage() {
    local name=$script_name
    sed -n "s/^#   \(${name//./\\.}\b\)/\1/p" "$0" >&2
    exit 2
}

private_home() {
    export HOME=$1/home XDG_RUNTIME_DIR=$1/runtime
    export XDG_CONFIG_HOME=$HOME/.config XDG_CACHE_HOME=$HOME/.cache XDG_DATA_HOME=$HOME/.local/share
    mkdir -p "$XDG_CONFIG_HOME" "$XDG_CACHE_HOME" "$XDG_DATA_HOME" "$XDG_RUNTIME_DIR"
    chmod 700 "$XDG_RUNTIME_DIR"
}

cmake_cache() {
    local value
    value=$(sed -n "s/^$2:[A-Z]*=//p" "$1/CMakeCache.txt")
    [[ -n $value ]] || fail "$2 is not in $1/CMakeCache.txt: configure the build first"
    echo "$value"
}

serve_folder() {
    python3 -m http.server --bind 127.0.0.1 --directory "$1" 0 >"$2" 2>&1 &
    server_pid=$!
    server_port=
    for _ in $(seq 100); do
        server_port=$(sed -n 's/.* port \([0-9]*\) .*/\1/p' "$2")
        [[ -z $server_port ]] || return 0
        sleep 0.1
    done
    fail "the web server did not start: $(cat "$2")"
}

at_spi_launcher=/usr/libexec/at-spi-bus-launcher

start_accessibility() {
    local folder=$1
    dbus-daemon --session --nofork --nopidfile --address="unix:path=$XDG_RUNTIME_DIR/bus" --print-address=3 \
        3>"$folder/bus-address" </dev/null >"$folder/dbus.log" 2>&1 &
    bus_pid=$!
    wait_while_running "the D-Bus session bus" "$bus_pid" "$folder/dbus.log" test -s "$folder/bus-address"
    DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$folder/bus-address")
    export DBUS_SESSION_BUS_ADDRESS
    # --a11y=1: accessibility turned on, as a desktop does for a screen reader; Qt then exposes its tree.
    "$at_spi_launcher" --launch-immediately --a11y=1 </dev/null >"$folder/at-spi.log" 2>&1 &
    launcher_pid=$!
    wait_while_running "the accessibility bus" "$launcher_pid" "$folder/at-spi.log" accessibility_bus_named
}

# Asked for the name only: a call to org.a11y.Bus before the launcher owns it would start a second one.
accessibility_bus_named() {
    [[ $(dbus-send --session --reply-timeout=5000 --print-reply=literal --dest=org.freedesktop.DBus \
        /org/freedesktop/DBus org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus) == *true* ]]
}

# wait_while_running WHAT PID LOG COMMAND...: until COMMAND succeeds, for at most 30 s, while PID runs.
wait_while_running() {
    local what=$1 pid=$2 log=$3
    shift 3
    local deadline=$((SECONDS + 30))
    until "$@" >/dev/null 2>&1; do
        kill -0 "$pid" 2>/dev/null || fail "$what: the process ended: $(cat "$log")"
        ((SECONDS < deadline)) || fail "$what: not within 30 s: $(cat "$log")"
        sleep 0.1
    done
}

need_packages() {
    local option=$1 package missing=()
    shift
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$package")
    done
    ((${#missing[@]} == 0)) || fail "not installed: ${missing[*]} (scripts/install-deps.sh $option installs them)"
}

# A subshell that fails ends its parent too, which reports it: one line per failure.
report_error() {
    local status=$1 line=$2 command=$3
    ((BASH_SUBSHELL == 0)) || return 0
    printf '%s: FAILED at line %s (status %s): %s\n' "$script_name" "$line" "$status" "$command" >&2
}
trap 'report_error $? $LINENO "$BASH_COMMAND"' ERR
