#!/usr/bin/env bash
# Starts volmere.exe under Wine in a prefix of its own (build/run-prefix),
# with the zh_CN locale so that the program's texts are code page 936.
#   With $DISPLAY: the program runs on that display until it is closed.
#   Without: it runs for a few seconds on a private Xvfb, inside a Wine
#   virtual desktop (which draws the caption bars), and a screenshot of the
#   main window is saved and its path printed.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
program="${VOLMERE_PROGRAM:-$root/build/windows/volmere.exe}"
shots="$root/build/screenshots"
export LC_ALL=zh_CN.UTF-8 LANG=zh_CN.UTF-8
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
export WINEPREFIX="$root/build/run-prefix"

if [ ! -f "$program" ]; then
  echo "run: $program is missing; build the windows preset first" >&2
  exit 1
fi

if [ -n "${DISPLAY:-}" ]; then
  [ -f "$WINEPREFIX/system.reg" ] || { mkdir -p "$WINEPREFIX"; wine wineboot -i >/dev/null 2>&1; }
  exec wine "$program"
fi

display_file="$(mktemp)"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$display_file" >/dev/null 2>&1 &
xvfb=$!
stop() {
  wineserver -k 2>/dev/null || true
  kill "$xvfb" 2>/dev/null && wait "$xvfb" 2>/dev/null
  rm -f "$display_file"
}
trap stop EXIT
for _ in $(seq 100); do [ -s "$display_file" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 "$display_file")"

if [ ! -f "$WINEPREFIX/system.reg" ]; then
  mkdir -p "$WINEPREFIX"
  wine wineboot -i >/dev/null 2>&1 || true
  wineserver -w || true
fi
# The picture is of the main window: the first-run question, which would
# stand in front of it, counts as answered in this prefix.
wine reg add 'HKCU\Software\Volmere' /v bz /d '不是第一次使用' /f >/dev/null 2>&1 || true

wine explorer /desktop=Volmere,1024x700 "$program" >/dev/null 2>&1 &
sleep "${VOLMERE_RUN_SECONDS:-8}"
mkdir -p "$shots"
xwd -root -silent | convert xwd:- "$shots/main-window.png"
echo "$shots/main-window.png"
