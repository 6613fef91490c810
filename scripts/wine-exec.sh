#!/usr/bin/env bash
# Runs a Windows program under Wine for the test tiers: the zh_CN locale
# (code page 936), a private prefix under the build folder, and a display.
set -uo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$here/wine-env.sh"
# Not exec: the shell must live on to run wine-env.sh's exit trap, which
# stops the private Xvfb. A stop request reaches the program first.
wine "$@" &
program=$!
trap 'kill -TERM $program 2>/dev/null; wait $program; exit 143' TERM INT
wait $program
