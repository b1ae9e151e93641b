#!/usr/bin/env bash
# End-to-end tests of the full-screen saver on two monitors: monitors_test.sh <Plumora.scr> right|left
# Each case runs in a display and a Wine prefix of its own: Xorg's dummy driver with the 1280 x 1024 primary
# and a 1024 x 768 monitor right of it (Windows x = 1280) or left of it (x = -1024, X's root puts it at
# +0+0 and the primary at +1024+0). The root is painted a bright colour, so an uncovered monitor shows.
set -euo pipefail
SCR=$1
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/../../tools/wine-session.sh"
WINE_SESSION_MONITORS=$2 wine_session_start
SHOTS=$(mktemp -d)
trap 'stop_saver; wine_session_stop; rm -rf "$SHOTS"' EXIT
xsetroot -solid '#ff8000'

RIGHT_LAYOUT="1024x768+1280+0 1280x1024+0+0"
LEFT_LAYOUT="1024x768+0+0 1280x1024+1024+0"

# The shown X windows of the program, "WxH+X+Y" each, sorted, on one line: the render window and the covers.
program_windows() {
  local id
  for id in $({ xdotool search --onlyvisible --class '^plumora\.scr$' 2>/dev/null || true; }); do
    window_geometry "$id"
  done | sort | paste -sd' '
}

# Waits up to $1 seconds until the program shows exactly the windows $2.
wait_windows() {
  local deadline=$((SECONDS + $1)) seen=""
  while [ $SECONDS -lt $deadline ]; do
    seen=$(program_windows)
    [ "$seen" = "$2" ] && return 0
    sleep 0.2
  done
  fail "the program's windows are not \"$2\" within $1 s (last seen: \"$seen\")"
}

# The X window of the program's window with geometry $1.
window_at() {
  local id
  for id in $({ xdotool search --onlyvisible --class '^plumora\.scr$' 2>/dev/null || true; }); do
    [ "$(window_geometry "$id")" = "$1" ] && { echo "$id"; return 0; }
  done
  fail "no window of the program at $1"
}

# Waits up to $1 seconds for a screenshot of the whole root with the scene lit on the primary (region $2)
# and every pixel of the second monitor (region $3) black; keeps the last one as $SHOTS/$4.png.
wait_scene_and_black() {
  local deadline=$((SECONDS + $1)) lit="" cover=""
  while [ $SECONDS -lt $deadline ]; do
    screenshot "$SHOTS/$4.png"
    lit=$(convert "$SHOTS/$4.png" -crop "$2" +repage -colorspace gray -format '%[fx:mean]' info:)
    cover=$(convert "$SHOTS/$4.png" -crop "$3" +repage -format '%[max]' info:)
    awk "BEGIN { exit !($lit > 0.05 && $cover == 0) }" && return 0
    sleep 0.5
  done
  fail "$4: no scene on the primary beside a black monitor within $1 s (primary's mean $lit, cover's brightest $cover)"
}

# The program has ended, and no window of it is left on the display.
expect_ended_without_windows() {
  [ "$(wait_exit 15)" = 0 ] || fail "$1 did not end it with exit code 0"
  [ -z "$({ xdotool search --class '^plumora\.scr$' 2>/dev/null || true; })" ] || fail "a window is left after $1"
}

# The second monitor right of the primary: covered for as long as the full screen lasts. A click on the
# cover changes nothing; a key sent to it acts as on the scene (F3 to window mode, which takes the cover
# away, and back, which lays it again; q ends the saver).
case_right() {
  start_saver /s
  wait_windows 40 "$RIGHT_LAYOUT"
  wait_scene_and_black 30 1280x1024+0+0 1024x768+1280+0 right
  xdotool mousemove 1700 400 click 1 sleep 0.2 click 3 2>/dev/null
  expect_running_for 2
  xdotool key --window "$(window_at 1024x768+1280+0)" F3 2>/dev/null
  local id
  id=$(wait_window_mode 20)
  [ "$(program_windows)" = "$(window_geometry "$id")" ] || fail "window mode left a cover: $(program_windows)"
  key F3
  wait_windows 20 "$RIGHT_LAYOUT"
  xdotool key --window "$(window_at 1024x768+1280+0)" q 2>/dev/null
  expect_ended_without_windows "q on the cover"
}

# The second monitor left of the primary, at negative coordinates: covered; the Configuration dialog opens
# over the scene on the primary; the layout changed to the right while the saver runs is covered again.
case_left() {
  start_saver /s
  wait_windows 40 "$LEFT_LAYOUT"
  wait_scene_and_black 30 1280x1024+1024+0 1024x768+0+0 left
  key F1
  local id
  id=$(wait_config_dialog 20)
  [ "$(window_geometry "$id" | cut -d+ -f2-)" = "1024+0" ] || fail "the dialog is not top left on the primary"
  xdotool key --window "$id" alt+F4 2>/dev/null
  local deadline=$((SECONDS + 10))
  while xdotool search --onlyvisible --name '^Configuration$' >/dev/null 2>&1; do
    [ $SECONDS -lt $deadline ] || fail "Alt+F4 did not close the dialog"
    sleep 0.1
  done

  xrandr --output DUMMY1 --mode 1024x768 --right-of DUMMY0
  wait_windows 20 "$RIGHT_LAYOUT"
  wait_scene_and_black 30 1280x1024+0+0 1024x768+1280+0 left-then-right
  key Escape
  expect_ended_without_windows Escape
}

"case_$2"
