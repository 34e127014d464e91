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
