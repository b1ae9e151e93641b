#!/usr/bin/env bash
# The full-screen saver on two monitors, in an Xorg dummy display and a Wine prefix of its own, the root
# painted bright: monitors_test.sh <Plumora.scr> right|left (where the 1024 x 768 monitor starts; xrandr then
# moves it to the other side). In X's root the left one is at +0+0, and the primary right of it.
set -euo pipefail
SCR=$1
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/../../tools/wine-session.sh"
WINE_SESSION_MONITORS=$2 wine_session_start
SHOT=$(mktemp --suffix=.png)
trap 'stop_saver; wine_session_stop; rm -f "$SHOT"' EXIT
xsetroot -solid '#ff8000'
declare -A PRIMARY=([right]=1280x1024+0+0 [left]=1280x1024+1024+0) OTHER=([right]=1024x768+1280+0 [left]=1024x768+0+0)

program_windows() { xdotool search --onlyvisible --class '^plumora\.scr$' "$@" 2>/dev/null || true; }
geometries() { for id in $(program_windows); do window_geometry "$id"; done | sort | paste -sd' '; }

# Waits up to 40 s for the render window on the primary and one cover on the other monitor of layout $1,
# and for a screenshot of the root with the scene lit on the primary and every pixel of the cover black.
wait_covered() {
  local deadline=$((SECONDS + 40)) seen="" lit="" max=""
  while [ $SECONDS -lt $deadline ]; do
    seen=$(geometries)
    if [ "$seen" = "$(printf '%s\n' "${PRIMARY[$1]}" "${OTHER[$1]}" | sort | paste -sd' ')" ]; then
      screenshot "$SHOT"
      lit=$(convert "$SHOT" -crop "${PRIMARY[$1]}" +repage -colorspace gray -format '%[fx:mean]' info:)
      max=$(convert "$SHOT" -crop "${OTHER[$1]}" +repage -format '%[max]' info:)
      awk "BEGIN { exit !($lit > 0.05 && $max == 0) }" && return 0
    fi
    sleep 0.3
  done
  fail "$1: no scene on the primary beside a black monitor (windows: $seen; mean $lit, cover's brightest $max)"
}

# A click on the cover changes nothing; F3 to window mode takes the cover away, F3 back lays it again; the
# layout changed while the saver runs is covered again; a key sent to the cover ends the saver, and no
# window of the program is left.
start_saver /s
wait_covered "$2"
xdotool mousemove $(($(cut -d+ -f2 <<<"${OTHER[$2]}") + 500)) 300 click 1 2>/dev/null
expect_running_for 2
key F3
[ "$(window_geometry "$(wait_window_mode 20)")" = "$(geometries)" ] || fail "window mode kept a cover"
key F3
wait_covered "$2"
other=$([ "$2" = right ] && echo left || echo right)
xrandr --output DUMMY1 --mode 1024x768 "--$other-of" DUMMY0
wait_covered "$other"
cover=$(for id in $(program_windows); do [ "$(window_geometry "$id")" != "${OTHER[$other]}" ] || echo "$id"; done)
xdotool key --window "${cover:?no cover}" q 2>/dev/null
[ "$(wait_exit 20)" = 0 ] || fail "q on the cover did not end it with exit code 0"
[ -z "$(xdotool search --class '^plumora\.scr$' 2>/dev/null || true)" ] || fail "a window is left after the end"
