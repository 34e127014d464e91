#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 the Quorvel authors
# SPDX-License-Identifier: MIT
#
# Builds the libFuzzer targets with the fuzz preset and runs each one briefly, one after the other (the
# machine has two cores). Exits non-zero when a target finds an input that breaks a property.
#   QUORVEL_FUZZ_SECONDS    seconds per target (default 5)
#   QUORVEL_FUZZ_BUILD_DIR  build folder instead of the preset's build/fuzz
set -Eeuo pipefail

repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$repo"
seconds="${QUORVEL_FUZZ_SECONDS:-5}"

if [[ -n "${QUORVEL_FUZZ_BUILD_DIR:-}" ]]; then
    build="$(realpath -m "$QUORVEL_FUZZ_BUILD_DIR")"
    cmake --preset fuzz -B "$build"
    cmake --build "$build"
else
    build="$repo/build/fuzz"
    cmake --preset fuzz
    cmake --build --preset fuzz
fi

# A few texts a user would type start each corpus; libFuzzer adds what it finds to the same folder.
seed() {
    local target="$1" name="$2" bytes="$3"
    mkdir -p "$build/corpus/$target"
    printf '%b' "$bytes" >"$build/corpus/$target/$name"
}
seed fuzz_val decimal '.75'
seed fuzz_val fraction '30/40'
seed fuzz_val trailing-point '100.'
seed fuzz_val spaced ' .5 '
seed fuzz_val zero-divisor '1/0'
seed fuzz_val exponent '1e3'
# 8 bytes of digits (little-endian), then 2 * decimals + 1: 2675 / 10^3, 125 / 10^3, 99995 / 10^5.
seed fuzz_format half-2.675 '\x73\x0a\x00\x00\x00\x00\x00\x00\x07'
seed fuzz_format half-0.125 '\x7d\x00\x00\x00\x00\x00\x00\x00\x07'
seed fuzz_format carry-0.99995 '\x9b\x86\x01\x00\x00\x00\x00\x00\x0b'
# The bits of 0.5, then a pattern to try.
seed fuzz_format grouping-pattern '\x00\x00\x00\x00\x00\x00\xe0\x3f\x00#,##0'
# '0' first: typed texts A|B|AB; '1' first: raw texts.
seed fuzz_calculation doubled '0.5|2|'
seed fuzz_calculation longer '0.8||.9'
seed fuzz_calculation large-change '0.1||.99'
seed fuzz_calculation both-out-of-range '01.5|150|'
seed fuzz_calculation all-three '0.5|2|.9'
seed fuzz_calculation fraction '030/40|2|'
seed fuzz_calculation signed '1-.5|2|'

mkdir -p "$build/findings"
passed=0
failed=0
for target in fuzz_val fuzz_format fuzz_calculation; do
    echo "== $target: ${seconds}s"
    if "$build/fuzz/$target" "$build/corpus/$target" -max_total_time="$seconds" -max_len=64 \
        -artifact_prefix="$build/findings/$target-" -print_final_stats=1; then
        passed=$((passed + 1))
    else
        echo "== $target found an input that breaks a property: see $build/findings/"
        failed=$((failed + 1))
    fi
done

echo "fuzz: $passed passed, $failed failed"
[[ $failed -eq 0 ]]
