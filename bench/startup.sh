#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 the Quorvel authors
# SPDX-License-Identifier: MIT
#
# Start-up, memory and idle benchmark of the release program against bare Qt programs, with the
# measuring tool of ../shared/bench (startup.sh and its baselines), under a private Xvfb.
#   bench/startup.sh [-n PAIRS]        (default 9 pairs, after one warm-up pair)
#   bench/startup.sh --table           (the table of the last run again)
# Environment: SHARED_BENCH (default ../shared/bench beside the checkout), BENCH_BUILD (where to build
# and keep the results, default build/), JOBS (build jobs, default 2). Needs what
# `scripts/install-deps.sh --bench` installs.
#
# Two paired series, every quorvel run alternating with a baseline run:
#   quorvel vs qt-bare    (an empty 500x400 QWidget): the splash, quorvel's first window, against bare
#                         Qt's first window; peak memory (VmHWM); CPU used while idle;
#   quorvel vs qt-splash  (a 391x250 splash, then after a 1500 ms timer the main window "Main"): the
#                         same splash-then-window sequence written in plain Qt.
# The calculator window is found by its title "Quorvel": the splash has no title of its own, and Qt
# gives an untitled window the application name "quorvel" instead, which does not match (the match is
# case-sensitive); each run's matched window is checked to be "Quorvel".
#
# "Calculator delay" is the calculator window's map time minus (the splash's map time + 1500 ms): how
# much later than the splash time the calculator comes, as a user watching the splash sees it.
#
# Targets: splash map ≤ 1.25 × qt-bare's first map; VmHWM ≤ 1.25 × qt-bare's; calculator delay
# ≤ 20 ms; no CPU at all while idle. Exits 1 when a run failed, 0 otherwise (targets are reported,
# not enforced: times depend on the machine's load).
set -Eeuo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$root/scripts/lib.sh"
pairs=9 table_only=0
while [[ $# -gt 0 ]]; do
    case $1 in
        -n) pairs=$2; shift 2 ;;
        --table) table_only=1; shift ;;
        -h | --help) sed -n '/^# SPDX-License-Identifier/,/^set -/p' "$0" | sed '1,2d; $d; s/^# \{0,1\}//'; exit 0 ;;
        *) echo "startup.sh: unknown argument $1 (see --help)" >&2; exit 2 ;;
    esac
done
shared=${SHARED_BENCH:-$root/../shared/bench}
[[ -x $shared/startup.sh && -d $shared/baselines ]] ||
    { echo "startup.sh: no measuring tool at $shared (set SHARED_BENCH)" >&2; exit 2; }
shared=$(cd "$shared" && pwd)
jobs=${JOBS:-2}
out=${BENCH_BUILD:-$root/build}
work=$out/bench-startup
release=$out/bench-release
baselines=$out/bench-baselines

measure_all() {
    need_packages --bench cmake jq libx11-dev libxres-dev libxdamage-dev xvfb

    # --- the release program and the bare Qt baselines ---
    echo "== building the release program and the baselines"
    rm -rf "$work"
    mkdir -p "$work"
    build() { # build WHAT cmake-arguments...: quiet unless it fails
        local what=$1
        shift
        cmake "$@" >>"$work/build.log" 2>&1 || {
            cat "$work/build.log" >&2
            echo "startup.sh: building $what failed" >&2
            exit 1
        }
    }
    build quorvel -S "$root" -B "$release" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
    build quorvel --build "$release" --target quorvel --parallel "$jobs"
    build baselines -S "$shared/baselines" -B "$baselines" -G Ninja -DCMAKE_BUILD_TYPE=Release
    build baselines --build "$baselines" --parallel "$jobs"
    quorvel=$release/app/quorvel

    export PERF_DIR=$work/perf
    measure() { # measure NAME startup.sh-arguments... : the JSON lines go to $work/NAME.jsonl
        local name=$1
        shift
        echo "== quorvel vs $name, $pairs pairs"
        env -u DISPLAY "$shared/startup.sh" -n "$pairs" -w 1 -o "$work/$name.jsonl" "$@" >"$work/$name.log" 2>&1 ||
            { cat "$work/$name.log" >&2; echo "startup.sh: the measuring tool failed" >&2; exit 1; }
    }
    measure qt-bare --label quorvel --name Quorvel --vs "$baselines/qt-bare" --vs-label qt-bare -- "$quorvel"
    measure qt-splash --label quorvel --name Quorvel \
        --vs "$baselines/qt-splash" --vs-label qt-splash --vs-name Main -- "$quorvel"
}

if [[ $table_only -eq 0 ]]; then
    measure_all
elif [[ ! -f $work/qt-bare.jsonl || ! -f $work/qt-splash.jsonl ]]; then
    echo "startup.sh: no results in $work to show" >&2
    exit 1
fi

# --- the table ---
jq -s -r '
  def median: map(select(. != null)) | sort |
    if length == 0 then null elif length % 2 == 1 then .[length / 2 | floor]
    else (.[length / 2 - 1] + .[length / 2]) / 2 end;
  def r1: if . == null then "–" else (. * 10 | round / 10 | tostring) end;
  def r2: if . == null then "–" else (. * 100 | round / 100 | tostring) end;
  def mb: if . == null then null else . / 1024 end;
  def yes(c): if c then "yes" else "**no**" end;
  def delay: if .name_ms > 0 and .map_ms > 0 then .name_ms - .map_ms - 1500 else null end;
  (map(select(.phase == "run"))) as $runs
  | ($runs | map(select(.series == "qt-bare"))) as $a
  | ($runs | map(select(.series == "qt-splash"))) as $b
  | ($a | map(select(.label == "quorvel"))) as $qa | ($a | map(select(.label == "qt-bare"))) as $bare
  | ($b | map(select(.label == "quorvel"))) as $qb | ($b | map(select(.label == "qt-splash"))) as $spl
  | def pairs(x; y; f): [range(0; [x, y | length] | min) as $k | (x[$k] | f) as $p | (y[$k] | f) as $q
        | select($p != null and $q != null and $p > 0 and $q > 0) | $p / $q] | median;
    (pairs($qa; $bare; .map_ms)) as $map_ratio
  | (pairs($qa; $bare; .paint_ms)) as $paint_ratio
  | (pairs($qa; $bare; .vmhwm_kb)) as $hwm_ratio
  | (pairs($qb; $spl; .map_ms)) as $map_ratio_splash
  | (pairs($qb; $spl; .vmhwm_kb)) as $hwm_ratio_splash
  | ([$qa[], $qb[] | delay] | median) as $delay
  | ([$spl[] | delay] | median) as $delay_splash
  | ([$qa[], $qb[] | .idle_cpu_ms_sched] | max) as $idle_max
  | ([$bare[] | .idle_cpu_ms_sched] | max) as $idle_bare
  | ([$spl[] | .idle_cpu_ms_sched] | max) as $idle_splash
  | "| measure | quorvel | baseline | quorvel / baseline | target | met |",
    "|---|---|---|---|---|---|",
    "| splash (first window) mapped, ms | \([$qa[].map_ms] | median | r1) | qt-bare \([$bare[].map_ms] | median | r1) | \($map_ratio | r2) | ≤ 1.25 | \(yes($map_ratio != null and $map_ratio <= 1.25)) |",
    "| splash first drawn, ms | \([$qa[].paint_ms] | median | r1) | qt-bare \([$bare[].paint_ms] | median | r1) | \($paint_ratio | r2) | | |",
    "| peak memory VmHWM, MB | \([$qa[].vmhwm_kb] | median | mb | r1) | qt-bare \([$bare[].vmhwm_kb] | median | mb | r1) | \($hwm_ratio | r2) | ≤ 1.25 | \(yes($hwm_ratio != null and $hwm_ratio <= 1.25)) |",
    "| calculator delay (mapped − splash mapped − 1500), ms | \($delay | r1) | qt-splash \($delay_splash | r1) | | ≤ 20 ms | \(yes($delay != null and $delay <= 20)) |",
    "| CPU while idle (3 s, most of any run), ms | \($idle_max | r2) | qt-bare \($idle_bare | r2), qt-splash \($idle_splash | r2) | | 0 | \(yes($idle_max == 0)) |",
    "| splash mapped, ms (against qt-splash) | \([$qb[].map_ms] | median | r1) | qt-splash \([$spl[].map_ms] | median | r1) | \($map_ratio_splash | r2) | | |",
    "| calculator / main window mapped, ms | \([$qa[], $qb[] | .name_ms] | median | r1) | qt-splash \([$spl[].name_ms] | median | r1) | | | |",
    "| peak memory VmHWM, MB (against qt-splash) | \([$qb[].vmhwm_kb] | median | mb | r1) | qt-splash \([$spl[].vmhwm_kb] | median | mb | r1) | \($hwm_ratio_splash | r2) | | |",
    "",
    "Medians of \($bare | length) pairs against qt-bare and \($spl | length) against qt-splash; ratios are medians of the per-pair ratios. Busiest the machine got during a run: \([$runs[].sys_busy_pct] | max) % of both cores."
' <(for series in qt-bare qt-splash; do jq -c --arg s "$series" '. + {series: $s}' "$work/$series.jsonl"; done) |
    tee "$work/table.md"

# --- every run must have measured what it claims ---
bad=$(cat "$work"/qt-bare.jsonl "$work"/qt-splash.jsonl | jq -r 'select(.phase == "run") |
    select(.map_ms < 0
           or (.label == "quorvel" and (.name_window != "Quorvel" or .window == "Quorvel" or .name_ms < .map_ms + 1000))
           or (.label == "qt-splash" and .name_ms < 0))
    | "\(.label): map \(.map_ms) ms, first window \(.window), named window \(.name_window // "-") at \(.name_ms // "-") ms"')
if [[ -n $bad ]]; then
    echo "startup.sh: runs that did not measure the right windows:" >&2
    echo "$bad" >&2
    exit 1
fi
echo "(JSON lines of every run: $work/qt-bare.jsonl, $work/qt-splash.jsonl)"
