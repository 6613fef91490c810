#!/usr/bin/env bash
# Runs the benchmarks that `make bench` has built; each section names its tier.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

echo "=== native: computer list listing through the fake"
build/native/bench/volmere_bench
