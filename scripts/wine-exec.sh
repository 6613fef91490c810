#!/usr/bin/env bash
# Runs a Windows program under Wine for the test tiers: the zh_CN locale
# (code page 936), a private prefix under the build folder, and a display.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$here/wine-env.sh"
exec wine "$@"
