#!/usr/bin/env bash
# Runs the benchmarks that `make bench` has built; each section names its tier.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

echo "=== native: computer list listing through the fake"
build/native/bench/volmere_bench

echo "=== Wine: loopback ping sweep of the sweep window against fping"
# The sweep window's 255 host workers on 127.0.0.1-255 with a 100 ms time-out,
# timed by its scenario from the click to the last of the 255 rows, against
# fping over the same range, run here and now on the same machine.
windows_build="${WINDOWS_BUILD:-build/windows}"
sweep_log="$(mktemp)"
(
  source scripts/wine-env.sh
  ctest --test-dir "$windows_build" -R '^e2e\.PingSweep\.LoopbackSweepFillsBothListsAndThenCloses$' -V
) >"$sweep_log" 2>&1 || { cat "$sweep_log"; rm -f "$sweep_log"; exit 1; }
sweep_ms="$(sed -n 's/.*loopback sweep wall time: \([0-9.]*\) ms.*/\1/p' "$sweep_log" | tail -n1)"
rm -f "$sweep_log"
[ -n "$sweep_ms" ] || { echo "the sweep scenario reported no time"; exit 1; }
fping_start="$(date +%s%N)"
fping -q -a -i 1 -t 100 -r 0 -g 127.0.0.1 127.0.0.255 >/dev/null 2>&1 || true
fping_end="$(date +%s%N)"
fping_ms="$(awk -v a="$fping_start" -v b="$fping_end" 'BEGIN { printf "%.1f", (b - a) / 1e6 }')"
echo "sweep window under Wine: ${sweep_ms} ms"
echo "fping:                   ${fping_ms} ms"
awk -v s="$sweep_ms" -v f="$fping_ms" 'BEGIN { printf "ratio sweep/fping:       %.2f\n", s / f }'
