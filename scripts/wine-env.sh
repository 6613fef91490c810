# Sourced: sets up the environment the Windows tiers run in.
#   WINEPREFIX  a private prefix (default: build/windows/wineprefix), made on first use
#   DISPLAY     kept when set; otherwise a private Xvfb is started for this shell
#               and stopped when the shell exits
volmere_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export LC_ALL=zh_CN.UTF-8 LANG=zh_CN.UTF-8
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
export WINEPREFIX="${WINEPREFIX:-$volmere_root/build/windows/wineprefix}"
if [ -z "${DISPLAY:-}" ]; then
  # Xvfb picks a free display number itself and writes it once it is ready,
  # so shells starting at the same moment never share one.
  volmere_display_file="$(mktemp)"
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$volmere_display_file" >/dev/null 2>&1 &
  volmere_xvfb_pid=$!
  trap 'kill $volmere_xvfb_pid 2>/dev/null && wait $volmere_xvfb_pid 2>/dev/null; rm -f "$volmere_display_file"' EXIT
  for _ in $(seq 100); do [ -s "$volmere_display_file" ] && break; sleep 0.1; done
  export DISPLAY=":$(head -n1 "$volmere_display_file")"
fi
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  mkdir -p "$WINEPREFIX"
  wine wineboot -i >/dev/null 2>&1 || true
  wineserver -w || true
fi
