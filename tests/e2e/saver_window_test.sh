#!/usr/bin/env bash
# End-to-end tests of the running saver's window and keys: saver_window_test.sh <Plumora.scr> <case>
set -euo pipefail
SCR=$1
source "$(dirname "$0")/lib.sh"
FULL=$(screen_geometry)

case_ends_at_once() {
  for args in "/l" "/l 1234" "/a" "/a 1234"; do
    start_saver $args
    local window_seen=""
    while saver_running; do
      [ -n "$(render_window)" ] && window_seen=yes
      sleep 0.05
    done
    [ "$(wait_exit 10)" = 0 ] || fail "$args: exit code $(cat "$SAVER_EXIT_FILE")"
    [ -z "$window_seen" ] || fail "$args opened a window"
  done
}

# Windows quotes a path that holds a blank, and the mode is the argument's: from "C:\My Savers" the preview
# ends at once, the configure switch shows the dialog, and /s covers the screen.
case_quoted_path_with_blanks() {
  local dir
  dir="$(mktemp -d)/My Savers"
  mkdir -p "$dir"
  cp "$SCR" "$dir/Plumora.scr"
  SCR="$dir/Plumora.scr"
  start_saver /p 1234
  local deadline=$((SECONDS + 15))
  while saver_running && [ $SECONDS -lt $deadline ]; do
    [ -z "$(render_window)" ] || fail "/p from a path with a blank opened a window"
    sleep 0.05
  done
  [ "$(wait_exit 1)" = 0 ] || fail "/p: exit code $(cat "$SAVER_EXIT_FILE")"

  start_saver /c
  wait_config_dialog 20 >/dev/null
  [ -z "$(render_window)" ] || fail "/c from a path with a blank opened a render window"
  stop_saver

  start_saver /s
  wait_window_geometry 20 "$FULL" >/dev/null
  key q
  [ "$(wait_exit 15)" = 0 ] || fail "/s from a path with a blank did not end with q"
  rm -rf "$(dirname "$dir")"
}

case_covers_the_screen() {
  for args in "/s" "/x" "-S"; do
    start_saver $args
    wait_window_geometry 20 "$FULL" >/dev/null
    key q
    [ "$(wait_exit 15)" = 0 ] || fail "$args: q did not end it with exit code 0"
  done
}

case_escape_ends() {
  start_saver /s
  wait_window_geometry 20 "$FULL" >/dev/null
  key Escape
  [ "$(wait_exit 15)" = 0 ] || fail "Escape did not end it with exit code 0"
}

case_mouse_does_nothing() {
  start_saver /s
  wait_window_geometry 20 "$FULL" >/dev/null
  xdotool mousemove 100 100 sleep 0.2 mousemove 900 700 click 1 click 3 2>/dev/null
  expect_running_for 2
}

case_f3_toggles_window_mode() {
  start_saver /s
  wait_window_geometry 20 "$FULL" >/dev/null
  key F3
  local id
  id=$(wait_window_mode 20)

  # In window mode ordinary keys and the mouse do nothing.
  key q
  xdotool mousemove 300 300 click 1 2>/dev/null
  expect_running_for 2

  key F3
  wait_window_geometry 20 "$FULL" >/dev/null
  key F3
  id=$(wait_window_mode 20)
  click_close_button "$id"
  [ "$(wait_exit 15)" = 0 ] || fail "the close button did not end it with exit code 0"
}

"case_$2"
