#!/usr/bin/env bash
# Builds every preset and runs every tier through ctest; non-zero on any failure.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
jobs="${JOBS:-2}"
status=0
for preset in native native-tsan native-asan windows; do
  echo "=== $preset"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j"$jobs"
done
for preset in native native-tsan native-asan; do
  echo "=== tests: $preset"
  ctest --preset "$preset" -j"$jobs" || status=1
done
echo "=== tests: windows (Wine)"
# The Wine tiers share one display; each test makes its own prefix.
source scripts/wine-env.sh
ctest --preset windows || status=1
exit $status
