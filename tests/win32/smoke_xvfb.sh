#!/usr/bin/env bash
# End to end on a real X display: zorvane.exe under Wine's X11 driver, on Xvfb
# with a small window manager (openbox). Types an expression, checks DEG with
# its shortcut, presses Enter and reads both boxes back (win32_peek.exe); MostTop
# must show as "above" to the window manager and go again; Escape ends the
# program. With a third argument, saves a picture of the window there.
#
#   smoke_xvfb.sh ZORVANE_EXE PEEK_EXE [SCREENSHOT.png]
#
# Runs in the Wine prefix of WINEPREFIX, whose graphics driver it sets to X11
# for the run and back to the null driver at the end; the programs through the
# Wine loader of their architecture (scripts/lib/wine.bash).
set -euo pipefail
zorvane=$1
peek=$2
picture=${3:-}
: "${WINEPREFIX:?set WINEPREFIX to a Wine prefix}"
export WINEDEBUG=-all
# shellcheck source=scripts/lib/wine.bash
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/lib/wine.bash"
zorvane_wine_setup
wine64=$ZORVANE_WINE64

number=90
while [[ -e /tmp/.X11-unix/X$number || -e /tmp/.X$number-lock ]]; do number=$((number + 1)); done
export DISPLAY=:$number
pids=()
drivers='HKCU\Software\Wine\Drivers'
cleanup() {
  timeout 20 wineserver -k 2>/dev/null || true
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  timeout 30 "$wine64" reg add "$drivers" /v Graphics /d null /f >/dev/null 2>&1 || true
  timeout 20 wineserver -w 2>/dev/null || true
}
trap cleanup EXIT
fail() {
  echo "smoke: $*" >&2
  exit 1
}

Xvfb "$DISPLAY" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 100); do [[ -e /tmp/.X11-unix/X$number ]] && break; sleep 0.05; done
openbox --sm-disable >/dev/null 2>&1 &
pids+=($!)
timeout 20 wineserver -k 2>/dev/null || true
timeout 30 "$wine64" reg add "$drivers" /v Graphics /d x11 /f >/dev/null 2>&1
timeout 20 wineserver -w

loader=$(zorvane_wine_for "$zorvane")
"$loader" "$zorvane" &
pids+=($!)
window=$(timeout 60 xdotool search --sync --onlyvisible --name '^Zorvane$' | head -n 1)
[[ -n "$window" ]] || fail "the window did not appear"
xdotool windowactivate --sync "$window" 2>/dev/null || true
sleep 0.5

xdotool key --delay 50 alt+d
xdotool type --delay 30 '2*(1+sin30'
xdotool key Return
sleep 0.5
boxes=$(zorvane_wine -t 30 "$peek" | tr -d '\r')
expected=$'2*(1+SIN30\n--\n2*(1+SIN30\n=3\n--'
[[ "$boxes" == "$expected" ]] || fail "the boxes read"$'\n'"$boxes"$'\n'"instead of"$'\n'"$expected"
[[ -n "$picture" ]] && import -window "$window" -frame "$picture"

above() { xprop -id "$window" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE; }
xdotool key alt+t
sleep 0.5
above || fail "MostTop checked, but the window manager does not keep the window above"
xdotool key alt+t
sleep 0.5
above && fail "MostTop unchecked, but the window manager still keeps the window above"

xdotool key Escape
for _ in $(seq 100); do xdotool search --name '^Zorvane$' >/dev/null 2>&1 || break; sleep 0.1; done
xdotool search --name '^Zorvane$' >/dev/null 2>&1 && fail "Escape did not end the program"
echo "smoke: typed, evaluated, read back; MostTop above and back; Escape ended the program"
