#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 the Quorvel authors
# SPDX-License-Identifier: MIT
#
# Installs what the tests need, then builds and runs every check: the test suites in a release build,
# clang-tidy over the program's sources, the test suites again under AddressSanitizer and
# UndefinedBehaviorSanitizer, a short run of each fuzzer, the program on Wayland, the places a magnifier
# is told at scale factor 2, close requests under metacity, the desktop files and the Debian package,
# the Windows downloads under Wine, and the browser build in headless Chromium.
set -Eeuo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

scripts/install-deps.sh --tests

step() { printf '\n== %s\n' "$*"; }

step "layers"
scripts/check-layers.sh

step "release build and tests"
cmake --preset release -DBUILD_TESTING=ON >/dev/null
cmake --build --preset release
ctest --preset release

step "clang-tidy"
scripts/check-tidy.sh build/release

step "sanitizer build and tests"
cmake --preset asan >/dev/null
cmake --build --preset asan
# The exhaustive sweep of every typed pair runs once, in the release build: under the sanitizers it
# would take many minutes and find nothing the fuzzers do not.
ctest --preset asan -LE exhaustive

step "fuzzers, short run"
fuzz/run.sh

step "formatting"
git ls-files -- '*.cpp' '*.h' | xargs clang-format --dry-run --Werror

step "native Wayland"
scripts/check-wayland.sh build/release

step "what a screen magnifier is told at scale factor 2"
scripts/check-magnifier.sh build/release

step "close requests under metacity"
scripts/check-close.sh build/release

step "desktop files and package"
scripts/check-package.sh build/release

step "Windows: cross build, installer and zip under Wine"
scripts/check-windows.sh

step "browser: WebAssembly build, served and driven in headless Chromium"
scripts/check-web.sh build/release

step "all checks passed"
