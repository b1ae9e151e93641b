#!/usr/bin/env bash
# End-to-end tests of what the running saver shows, from screenshots: scene_test.sh <Plumora.scr> <case>
set -euo pipefail
SCR=$1
source "$(dirname "$0")/lib.sh"
FULL=$(screen_geometry)
SHOTS=$(mktemp -d)
trap 'stop_saver; rm -rf "$SHOTS"' EXIT

# The overlay's colours are exact: the buffer-depth lines are (0.5, 1, 0), the driver strings magenta.
OVERLAY_GREEN='abs(r-0.5)<0.02 && g>0.98 && b<0.02'
MAGENTA='r>0.98 && g<0.02 && b>0.98'
BRIGHT='r+g+b>1.2'
# On a 1280x1024 screen: the buffer depths sit right of centre in the lower part, the driver strings on
# the left, and the first-run prompt (with its backing) in the top-left corner.
DEPTHS_REGION=400x220+930+690
STRINGS_REGION=500x160+40+770
PROMPT_REGION=340x40+28+48

case_overlay_and_prompt() {
  start_saver /s
  wait_window_geometry 20 "$FULL" >/dev/null
  sleep 2
  screenshot "$SHOTS/before.png"
  [ "$(count_pixels "$SHOTS/before.png" $DEPTHS_REGION "$OVERLAY_GREEN")" -lt 50 ] ||
    fail "overlay text before F2"
  # Nothing is stored in a fresh prefix, so the first-run prompt shows.
  [ "$(count_pixels "$SHOTS/before.png" $PROMPT_REGION "$BRIGHT")" -gt 500 ] ||
    fail "no first-run prompt"

  key F2
  sleep 2  # the frame-rate line follows once its first second is over
  screenshot "$SHOTS/after.png"
  [ "$(count_pixels "$SHOTS/after.png" $DEPTHS_REGION "$OVERLAY_GREEN")" -gt 300 ] ||
    fail "no buffer-depth lines after F2"
  [ "$(count_pixels "$SHOTS/after.png" $STRINGS_REGION "$MAGENTA")" -gt 300 ] ||
    fail "no driver strings after F2"

  key F2
  sleep 1
  screenshot "$SHOTS/again.png"
  [ "$(count_pixels "$SHOTS/again.png" $DEPTHS_REGION "$OVERLAY_GREEN")" -lt 50 ] ||
    fail "the overlay stayed after the second F2"
  key Escape
  [ "$(wait_exit 15)" = 0 ] || fail "Escape did not end it"
}

"case_$2"
