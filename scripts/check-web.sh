#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 the Quorvel authors
# SPDX-License-Identifier: MIT
#
# Builds the browser download (scripts/build-web.sh, which first builds Qt for WebAssembly when its cache
# lacks it: about an hour the first time) and checks it:
#   - the calculation of the browser build, run under Node, gives what the native build's does on some
#     three million inputs (calc_digest in both);
#   - the zip's folder, served as it is from 127.0.0.1 by a plain static server, in headless Chromium:
#     the progress bar, the splash, the calculator about 1.5 s later, .8 Tab 2 and Calculate read back as
#     .8889, .1 and .99 as 891.00, a refused key that sounds one tone and changes nothing, the
#     missing-input message closed by Enter, the information window by a click on its badge, and the
#     page loaded again with the network off, from the service worker's cache, and File > Quit, which
#     leaves a page that says how to start again. Screenshots of each step
#     are kept in build/web/screenshots.
#   check-web.sh [NATIVE_BUILD_DIR]     (default build/release)
set -Eeuo pipefail
# shellcheck source=scripts/lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
native=${1:-$root/build/release}

scripts/build-web.sh
build=$root/build/web
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
shots=$build/screenshots
rm -rf "$shots"
mkdir -p "$shots"

scratch=$(mktemp -d /tmp/quorvel-web.XXXXXX)
server_pid=
cleanup() {
    [[ -z $server_pid ]] || kill "$server_pid" 2>/dev/null || true
    rm -rf "$scratch"
}
trap cleanup EXIT

step "the calculation in the browser build gives what the native build's gives"
cmake --build "$native" --target calc_digest >/dev/null
"$native/tests/calc_digest" >"$scratch/native.txt"
node "$build/tests/calc_digest.js" >"$scratch/web.txt"
diff -u "$scratch/native.txt" "$scratch/web.txt" >&2 || fail "the browser build's calculation differs"
sed 's/^/check-web:   /' "$scratch/web.txt"

step "the page, served from the zip's folder on 127.0.0.1"
unzip -q "$build/quorvel-$version-web.zip" -d "$scratch"
serve_folder "$scratch/quorvel-$version-web" "$scratch/server.log"
node scripts/web/check-web.mjs "http://127.0.0.1:$server_port/" "$shots"
step "all passed; screenshots in $shots"
