#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 the Quorvel authors
# SPDX-License-Identifier: MIT
#
# Start-up and memory of the Windows program under Wine, against a bare Qt program cross-built the same
# way, with the measuring tool of ../shared/bench (startup.sh), in a new Wine prefix on a private Xvfb.
#   bench/startup-windows.sh [-n PAIRS]     (default 9 pairs, after one warm-up pair)
# Environment: SHARED_BENCH (default ../shared/bench beside the checkout).
#
# quorvel.exe of the portable zip runs paired with qt-bare.exe (an empty 500x400 QWidget, from
# ../shared/bench/baselines) placed beside it, so that both load the same Qt DLLs from the same folder.
# Wine's server stays up between runs, as it would on a desktop where Wine already runs. The first window
# (the splash; qt-bare's only window) is timed; peak memory is read 6 s after it, when the calculator
# has been up for a while, and idle CPU counted over the 3 s after that.
# Needs what `scripts/install-deps.sh --bench` installs.
set -Eeuo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
source scripts/lib.sh
pairs=9
[[ ${1:-} != -n ]] || pairs=$2
shared=$(cd "${SHARED_BENCH:-$root/../shared/bench}" && pwd)

need_packages --bench jq libx11-dev libxres-dev libxdamage-dev

scripts/build-windows.sh >/dev/null
qt=$(scripts/build-windows-qt.sh --print-prefix)
baselines=build/windows-baselines
cmake -S "$shared/baselines" -B "$baselines" -G Ninja --toolchain "$root/cmake/mingw-w64-x86_64.cmake" \
    -DQUORVEL_WINDOWS_ROOTS="$qt" -DCMAKE_BUILD_TYPE=Release >/dev/null
nice cmake --build "$baselines" --target qt-bare >/dev/null

version=$(cmake_cache build/windows CMAKE_PROJECT_VERSION)
scratch=$(mktemp -d /tmp/quorvel-bench-windows.XXXXXX)
source scripts/wine-session.sh
trap 'stop_wine_session; rm -rf "$scratch"' EXIT
unzip -q "build/windows/quorvel-$version-win64.zip" -d "$scratch"
folder=$scratch/quorvel-$version-win64
cp "$baselines/qt-bare.exe" "$folder/"
ls -l "build/windows/quorvel-$version-win64.zip" | awk '{ printf "zip: %d bytes\n", $5 }'
echo "unpacked: $(du -sb "$folder" --exclude=qt-bare.exe | cut -f1) bytes"

start_wine_session "$scratch"
# The measuring tool counts only windows that a window manager may manage, and Wine makes every window
# unmanaged when told that no manager runs (as scripts/check-windows.sh does): here it is told the
# opposite, Wine's default. The first window is mapped the same either way, but hiding the splash then
# waits 2 s for the absent manager, so the calculator's time is not measured here.
"$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d Y /f >/dev/null 2>&1
"$wineserver" --wait
"$wineserver" -p
PERF_DIR=$scratch/perf "$shared/startup.sh" -n "$pairs" -w 1 --idle-ms 6000 --label quorvel \
    --vs "$wine $folder/qt-bare.exe" --vs-label qt-bare "$wine" "$folder/quorvel.exe"
