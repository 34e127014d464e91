#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 the Quorvel authors
# SPDX-License-Identifier: MIT
#
# Size and start-up of the browser build against a bare Qt widget built for the browser the same way
# (../shared/bench/baselines' qt-bare, an empty 500x400 QWidget, behind a copy of Quorvel's own page),
# both served from 127.0.0.1 and loaded in headless Chromium with a new profile each time.
#   bench/startup-web.sh [-n PAIRS]     (default 9 pairs, after one warm-up pair)
# Prints each file the page loads with its size and gzip'd size (what a server that compresses sends),
# then the times from the start of the page load to the first window painted (the splash; the bare
# widget) and to the calculator window, per pair and as medians. Environment: SHARED_BENCH (default ../shared/bench).
set -Eeuo pipefail
# shellcheck source=scripts/lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/../scripts/lib.sh"
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
pairs=9
[[ ${1:-} != -n ]] || pairs=$2
shared=$(cd "${SHARED_BENCH:-$root/../shared/bench}" && pwd)

scripts/build-web.sh >/dev/null
qt=$(scripts/build-web-qt.sh --print-prefix)
eval "$(scripts/build-web-qt.sh --print-env)"
baselines=build/web-baselines
cmake -S "$shared/baselines" -B "$baselines" -G Ninja --toolchain "$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
    -DCMAKE_BUILD_TYPE=Release >/dev/null
nice cmake --build "$baselines" --target qt-bare >/dev/null

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/web/CMakeCache.txt)
scratch=$(mktemp -d /tmp/quorvel-bench-web.XXXXXX)
server_pid=
trap '[[ -z $server_pid ]] || kill "$server_pid"; rm -rf "$scratch"' EXIT
unzip -q "build/web/quorvel-$version-web.zip" -d "$scratch"
folder=$scratch/quorvel-$version-web
mkdir "$scratch/bare"
cp "$baselines/qt-bare.js" "$baselines/qt-bare.wasm" "$folder/quorvel.svg" "$scratch/bare/"
sed -e "s/quorvel\.wasm/qt-bare.wasm/; s/quorvel\.js/qt-bare.js/" \
    -e "s/^const wasmBytes = .*/const wasmBytes = $(stat -c %s "$scratch/bare/qt-bare.wasm");/" \
    -e "/serviceWorker/d" "$folder/index.html" >"$scratch/bare/index.html"

sizes() { # sizes FOLDER: each file's bytes and gzip -9'd bytes, and their sums (the licences, which the
          # page never loads, left out)
    local file raw packed total_raw=0 total_packed=0
    while IFS= read -r file; do
        raw=$(stat -c %s "$file")
        packed=$(gzip -9 -c "$file" | wc -c)
        total_raw=$((total_raw + raw)) total_packed=$((total_packed + packed))
        printf '  %-40s %10d %10d\n' "${file#"$1"/}" "$raw" "$packed"
    done < <(find "$1" -type f -not -path '*/licenses/*' | LC_ALL=C sort)
    printf '  %-40s %10d %10d\n' "in all" "$total_raw" "$total_packed"
}
echo "quorvel: bytes, gzip -9'd bytes"
sizes "$folder"
echo "qt-bare: bytes, gzip -9'd bytes"
sizes "$scratch/bare"

serve_folder "$scratch" "$scratch/server.log"
node scripts/web/bench-web.mjs "$pairs" "http://127.0.0.1:$server_port/quorvel-$version-web/" \
    "http://127.0.0.1:$server_port/bare/"
