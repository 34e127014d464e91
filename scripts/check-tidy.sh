#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 the Quorvel authors
# SPDX-License-Identifier: MIT
#
# Runs clang-tidy with the checks of .clang-tidy over the program's sources (calc, platform, windows,
# app), two files at a time, and fails on any finding. It reads the compile commands of a configured
# build, which must have been built once (the sources include the headers that moc and rcc generate).
#   check-tidy.sh [BUILD_DIR]     (default: build/release)
set -Eeuo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
build=${1:-build/release}

if [[ ! -f $build/compile_commands.json ]]; then
    echo "check-tidy.sh: no $build/compile_commands.json: configure and build first (cmake --preset release)" >&2
    exit 1
fi
tidy=$(command -v clang-tidy-14 || command -v clang-tidy) || {
    echo "check-tidy.sh: clang-tidy not found (scripts/install-deps.sh --tests installs it)" >&2
    exit 1
}

# Each file's findings are printed whole, once it is done, so that the two runs do not interleave.
export tidy build
if git ls-files -z -- 'calc/*.cpp' 'platform/*.cpp' 'windows/*.cpp' 'app/*.cpp' |
    xargs -0 -n 1 -P 2 bash -c 'out=$("$tidy" -p "$build" --quiet "$1" 2>&1) ||
        { grep -v -E "^[0-9]+ warnings? (and [0-9]+ errors? )?generated\.$" <<<"$out"; exit 1; }' tidy; then
    echo "check-tidy.sh: no findings"
else
    echo "check-tidy.sh: clang-tidy has findings (above)" >&2
    exit 1
fi
