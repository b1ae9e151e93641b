#!/usr/bin/env bash
# The full-screen saver on two monitors: monitors_test.sh <Plumora.scr> right|left. Each case has an Xorg
# dummy display and a Wine prefix of its own (tools/wine-session.sh); the root is painted bright, so that an
# uncovered monitor shows. X's root puts the left layout's 1024 x 768 monitor at +0+0, the primary right of it.
set -euo pipefail
SCR=$1
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/../../tools/wine-session.sh"
WINE_SESSION_MONITORS=$2 wine_session_start
SHOT=$(mktemp --suffix=.png)
trap 'stop_saver; wine_session_stop; rm -f "$SHOT"' EXIT
xsetroot -solid '#ff8000'

program_windows() { xdotool search --onlyvisible --class '^plumora\.scr$' "$@" 2>/dev/null || true; }
geometries() { for id in $(program_windows); do window_geometry "$id"; done | sort | paste -sd' '; }

# Waits up to 40 s for the render window on the primary (region $1) and one cover on the other monitor
# ($2), then for a screenshot of the root with the scene lit on the primary and every pixel of the cover black.
wait_covered() {
  local deadline=$((SECONDS + 40)) seen="" lit="" max=""
  while [ $SECONDS -lt $deadline ]; do
    seen=$(geometries)
    if [ "$seen" = "$(printf '%s\n' "$1" "$2" | sort | paste -sd' ')" ]; then
      screenshot "$SHOT"
      lit=$(convert "$SHOT" -crop "$1" +repage -colorspace gray -format '%[fx:mean]' info:)
      max=$(convert "$SHOT" -crop "$2" +repage -format '%[max]' info:)
      awk "BEGIN { exit !($lit > 0.05 && $max == 0) }" && return 0
    fi
    sleep 0.3
  done
  fail "no scene on $1 beside a black $2 (windows: $seen; primary's mean $lit, cover's brightest $max)"
}

ends_without_windows() {
  [ "$(wait_exit 15)" = 0 ] || fail "$1 did not end it with exit code 0"
  [ -z "$(xdotool search --class '^plumora\.scr$' 2>/dev/null || true)" ] || fail "a window is left after $1"
}

# A click on the cover changes nothing; F3 to window mode takes the cover away, F3 back lays it again; a
# key sent to the cover ends the saver.
case_right() {
  start_saver /s
  wait_covered 1280x1024+0+0 1024x768+1280+0
  xdotool mousemove 1700 400 click 1 2>/dev/null
  expect_running_for 2
  key F3
  [ "$(window_geometry "$(wait_window_mode 20)")" = "$(geometries)" ] || fail "window mode kept a cover"
  key F3
  wait_covered 1280x1024+0+0 1024x768+1280+0
  xdotool key --window "$(program_windows --all --name '^$' | head -1)" q 2>/dev/null
  ends_without_windows "q on the cover"
}

# The monitor left of the primary, at negative coordinates in Windows: the dialog opens on the primary, and
# the layout changed to the right while the saver runs is covered again.
case_left() {
  start_saver /s
  wait_covered 1280x1024+1024+0 1024x768+0+0
  key F1
  local dialog
  dialog=$(wait_config_dialog 20)
  [ "$(window_geometry "$dialog" | cut -d+ -f2-)" = "1024+0" ] || fail "the dialog is off the primary"
  xdotool key --window "$dialog" Escape 2>/dev/null
  for _ in $(seq 100); do program_windows --all --name '^Configuration$' | grep -q . || break; sleep 0.1; done
  xrandr --output DUMMY1 --mode 1024x768 --right-of DUMMY0
  wait_covered 1280x1024+0+0 1024x768+1280+0
  key Escape
  ends_without_windows Escape
}

"case_$2"
