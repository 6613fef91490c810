#!/usr/bin/env bash
# Registers the test network provider DLL in a Wine prefix: programs started
# in the prefix afterwards see its fixture as their network neighbourhood.
# It becomes the prefix's only network provider.
#
#   register-netprovider.sh <wine prefix> <path of volmere_netprovider.dll>
set -euo pipefail
if [ $# -ne 2 ]; then
  echo "usage: $0 <wine prefix> <volmere_netprovider.dll>" >&2
  exit 2
fi
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
export WINEPREFIX="$1"
dll="$(cd "$(dirname "$2")" && pwd)/$(basename "$2")"
source "$root/scripts/wine-env.sh"

name=VolmereTestNet
services='HKLM\System\CurrentControlSet\Services'
wine reg add 'HKLM\System\CurrentControlSet\Control\NetworkProvider\Order' \
  /v ProviderOrder /t REG_SZ /d "$name" /f >/dev/null
wine reg add "$services\\$name\\NetworkProvider" \
  /v ProviderPath /t REG_SZ /d "$(winepath -w "$dll")" /f >/dev/null
# The display name must match the one the DLL puts into its entries.
wine reg add "$services\\$name\\NetworkProvider" \
  /v Name /t REG_SZ /d 'Volmere Test Network' /f >/dev/null
