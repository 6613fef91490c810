#!/usr/bin/env bash
# Runs one end-to-end scenario in a world of its own:
#   run-scenario.sh --prepare                 (re)makes the template Wine prefix
#   run-scenario.sh DRIVER.exe --gtest_filter=Suite.Test [more gtest arguments]
# For the scenario it copies the template prefix, maps drive D: to a fresh
# folder holding D:\volmere (the program and the tool stand-ins) and D:\tools
# (the browser stand-in), starts a private Xvfb, runs the driver program on
# it with the filter, answers the driver's screenshot requests, and at the
# end ends every process of the prefix.
#
# Environment (ctest sets it; see tests/e2e/CMakeLists.txt):
#   VOLMERE_E2E_PROGRAM  the program under test, copied as D:\volmere\volmere.exe
#   VOLMERE_E2E_STANDIN  the recording stand-in (standin.exe)
#   VOLMERE_E2E_FIND     the find filter (find.exe)
#   VOLMERE_E2E_WORK     folder for the template prefix and the scenario folders
#   VOLMERE_E2E_SHOTS    folder that keeps the screenshots
#   VOLMERE_E2E_KEEP_PREFIX=1 keeps the scenario's prefix after the run
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
root="$(cd "$here/../.." && pwd)"
work="${VOLMERE_E2E_WORK:?VOLMERE_E2E_WORK is not set}"
shots="${VOLMERE_E2E_SHOTS:?VOLMERE_E2E_SHOTS is not set}"
template="$work/template-prefix"
mkdir -p "$work" "$shots"

# The tools the program starts by command line; each is the recording stand-in.
standin_tools=(net cacls secedit wmic mstsc ping)

log() { echo "run-scenario: $*" >&2; }

# A private display, so that the screenshots show this scenario only.
start_display() {
  unset DISPLAY
  export WINEPREFIX="$1"
  # shellcheck source=../../scripts/wine-env.sh
  source "$root/scripts/wine-env.sh"
  xvfb_pid="${volmere_xvfb_pid:-}"
  trap cleanup EXIT
  trap 'exit 143' TERM INT
}

# Every window opens on one Wine virtual desktop (frames and caption bars
# drawn), and web pages and .html files open in the browser stand-in (a
# fresh prefix does not even tie .html to its own browser).
configure_template() {
  for extension in .html .htm; do
    wine reg add "HKCR\\$extension" /ve /d htmlfile /f >/dev/null 2>&1
  done
  wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d e2e /f >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v e2e /d 1024x768 /f >/dev/null 2>&1
  for class in htmlfile http https; do
    wine reg add "HKCR\\$class\\shell\\open\\command" /ve /d '"D:\tools\browser.exe" "%1"' /f \
      >/dev/null 2>&1
  done
  wineserver -w
}

prepare_template() {
  rm -rf "$template"
  mkdir -p "$template"
  start_display "$template"
  configure_template
  wine --version >"$template/.ready"
}

cleanup() {
  [ -n "${poller_pid:-}" ] && kill "$poller_pid" 2>/dev/null || true
  [ -n "${WINEPREFIX:-}" ] && wineserver -k 2>/dev/null || true
  [ -n "${xvfb_pid:-}" ] && kill "$xvfb_pid" 2>/dev/null || true
  [ -n "${volmere_display_file:-}" ] && rm -f "$volmere_display_file"
  if [ -n "${run_dir:-}" ] && [ "${VOLMERE_E2E_KEEP_PREFIX:-0}" != 1 ]; then
    rm -rf "$run_dir/prefix"
  fi
}

screenshot() {
  local png="$1"
  # xwd -root shows the program's dialogs above MainWindow as black boxes under
  # the Wine desktop; import composes every window of the screen.
  import -silent -window root "png:$png.part" && mv "$png.part" "$png"
}

# Answers the driver's "<name>.request" files with "<name>.png".
poll_screenshots() {
  while true; do
    for request in "$shots"/*.request; do
      [ -e "$request" ] || continue
      screenshot "${request%.request}.png" || true
      rm -f "$request"
    done
    sleep 0.2
  done
}

if [ "${1:-}" = "--prepare" ]; then
  exec 9>"$work/template.lock"
  flock 9
  prepare_template
  log "template prefix ready: $template"
  exit 0
fi

driver="${1:?usage: run-scenario.sh DRIVER.exe --gtest_filter=Suite.Test}"
shift
scenario=""
for arg in "$@"; do
  case "$arg" in --gtest_filter=*) scenario="${arg#--gtest_filter=}" ;; esac
done
[ -n "$scenario" ] || { log "no --gtest_filter given"; exit 2; }
scenario_file="${scenario//[^A-Za-z0-9._-]/_}"
program="${VOLMERE_E2E_PROGRAM:?VOLMERE_E2E_PROGRAM is not set}"
[ -f "$program" ] || { log "the program under test has not been built: $program"; exit 1; }

(
  flock 9
  if [ "$(cat "$template/.ready" 2>/dev/null)" != "$(wine --version)" ]; then
    (prepare_template)
  fi
) 9>"$work/template.lock"

run_dir="$work/runs/$scenario_file"
rm -rf "$run_dir"
mkdir -p "$run_dir/d/volmere" "$run_dir/d/tools"
cp -a "$template" "$run_dir/prefix"
ln -s "$run_dir/d" "$run_dir/prefix/dosdevices/d:"

program_dir="$run_dir/d/volmere"
cp "$program" "$program_dir/volmere.exe"
for tool in "${standin_tools[@]}"; do cp "$VOLMERE_E2E_STANDIN" "$program_dir/$tool.exe"; done
cp "$VOLMERE_E2E_FIND" "$program_dir/find.exe"
cp "$VOLMERE_E2E_STANDIN" "$run_dir/d/tools/browser.exe"
# "net config workstation" on a Chinese Windows in the workgroup WORKGROUP.
printf '工作站域                     WORKGROUP\r\n' | iconv -f UTF-8 -t GBK >"$program_dir/net.out"

rm -f "$shots/$scenario_file"-*.png "$shots/$scenario_file"-*.request
start_display "$run_dir/prefix"
poll_screenshots &
poller_pid=$!

# The driver prints the program's texts as they are, in code page 936.
status=0
VOLMERE_E2E_PROGRAM_DIR='D:\volmere' VOLMERE_E2E_TOOLS_DIR='D:\tools' \
  VOLMERE_E2E_SHOTS_DIR="$(winepath -w "$shots" 2>/dev/null)" \
  wine "$driver" "$@" 2>&1 | iconv -f GBK -t UTF-8 -c || status=$?

# Every scenario keeps a picture, even one whose driver took none.
if ! ls "$shots/$scenario_file"-*.png >/dev/null 2>&1; then
  screenshot "$shots/$scenario_file-final.png" || true
fi
log "$scenario: exit $status; folder $run_dir/d, screenshots $shots/$scenario_file-*.png"
exit $status
