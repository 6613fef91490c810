# Sourced: sets up the environment the Windows tiers run in.
#   WINEPREFIX  a private prefix (default: build/windows/wineprefix), made on first use
#   DISPLAY     kept when set; otherwise a private Xvfb is started for this shell
volmere_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export LC_ALL=zh_CN.UTF-8 LANG=zh_CN.UTF-8
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
export WINEPREFIX="${WINEPREFIX:-$volmere_root/build/windows/wineprefix}"
if [ -z "${DISPLAY:-}" ]; then
  for n in $(seq 90 140); do
    if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then
      Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
      volmere_xvfb_pid=$!
      export DISPLAY=":$n"
      trap 'kill $volmere_xvfb_pid 2>/dev/null || true' EXIT
      for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done
      break
    fi
  done
fi
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  mkdir -p "$WINEPREFIX"
  wine wineboot -i >/dev/null 2>&1 || true
  wineserver -w || true
fi
