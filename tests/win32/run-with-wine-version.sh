#!/usr/bin/env bash
# Runs a test program in a prefix whose Wine reports another Windows version.
#   run-with-wine-version.sh <winxp|win7|win8|...> <program.exe> [arguments...]
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
version="$1"
shift
source "$root/scripts/wine-env.sh"
wine reg add 'HKCU\Software\Wine' /v Version /d "$version" /f >/dev/null
"$root/scripts/wine-exec.sh" "$@"
