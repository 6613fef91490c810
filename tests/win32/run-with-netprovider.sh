#!/usr/bin/env bash
# Runs a test program in a prefix whose network neighbourhood comes from the
# test network provider.
#   run-with-netprovider.sh <volmere_netprovider.dll> <program.exe> [arguments...]
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
dll="$1"
shift
source "$root/scripts/wine-env.sh"
"$root/tests/support/register-netprovider.sh" "$WINEPREFIX" "$dll"
"$root/scripts/wine-exec.sh" "$@"
