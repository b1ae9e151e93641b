#!/usr/bin/env bash
# End-to-end tests of what the running saver shows, from screenshots: scene_test.sh <Plumora.scr> <case>
set -euo pipefail
SCR=$1
source "$(dirname "$0")/lib.sh"
FULL=$(screen_geometry)
SHOTS=$(mktemp -d)
trap 'stop_saver; delete_key; rm -rf "$SHOTS"' EXIT

# The overlay's colours are exact: the buffer-depth lines are (0.5, 1, 0), the driver strings magenta.
OVERLAY_GREEN='abs(r-0.5)<0.02 && g>0.98 && b<0.02'
MAGENTA='r>0.98 && g<0.02 && b>0.98'
BRIGHT='r+g+b>1.2'
# On a 1280x1024 screen: the buffer depths sit right of centre in the lower part, the driver strings on
# the left, and the first-run prompt (with its backing) in the top-left corner.
DEPTHS_REGION=400x220+930+690
STRINGS_REGION=500x160+40+770
PROMPT_REGION=340x40+28+48
PROMPT_BACKING_ROW=316x1+34+76
RATE_REGION=200x40+940+930

# Stores the first look changed to draw nothing (no Laser style, no Sprinkle texture), so that only the
# overlays are lit.
store_black_look() {
  write_key 25 0 0
  for value in RenderingMode RouteA RouteB; do
    reg_quiet add "$KEY" /v $value /t REG_DWORD /d 0 /f || fail "wine reg add failed"
  done
}

# Takes a screenshot into $1; true when nothing in it is lit.
nothing_lit() {
  screenshot "$1"
  [ "$(count_pixels "$1" 1280x1024+0+0 "$BRIGHT")" -eq 0 ]
}

# Takes a screenshot into $1; true when it shows the whole overlay. OVERLAY_MISSING names what it lacks.
overlay_shown() {
  saver_running || fail "F2 ended the saver"
  screenshot "$1"
  OVERLAY_MISSING=""
  [ "$(count_pixels "$1" $DEPTHS_REGION "$OVERLAY_GREEN")" -gt 300 ] || OVERLAY_MISSING+=", no buffer-depth lines"
  [ "$(count_pixels "$1" $STRINGS_REGION "$MAGENTA")" -gt 300 ] || OVERLAY_MISSING+=", no driver strings"
  [ "$(count_pixels "$1" $RATE_REGION 'r<0.02 && g>0.98 && b<0.02')" -gt 50 ] ||
    OVERLAY_MISSING+=", no frame-rate line"
  [ -z "$OVERLAY_MISSING" ]
}

case_overlay() {
  store_black_look
  start_saver /s
  wait_window_geometry 20 "$FULL" >/dev/null
  sleep 1  # the saver has shown frames by now, and nothing of them may be lit
  nothing_lit "$SHOTS/before.png" ||
    fail "something is drawn before F2 (or the stored settings show the first-run prompt)"

  # F2 toggles the overlay and never ends the full-screen saver (every other key would). The frame-rate line
  # follows once its first second is over.
  key F2
  wait_until 20 overlay_shown "$SHOTS/after.png" || fail "after F2${OVERLAY_MISSING}"

  key F2
  wait_until 20 nothing_lit "$SHOTS/again.png" || fail "the overlay stayed after the second F2"
  expect_running_for 3
  key Escape
  [ "$(wait_exit 15)" = 0 ] || fail "Escape did not end it"
}

# Takes a screenshot into $1; true when it shows the prompt's white text.
prompt_shown() {
  screenshot "$1"
  [ "$(count_pixels "$1" $PROMPT_REGION 'r>0.98 && g>0.98 && b>0.98')" -gt 300 ]
}

# With nothing stored the prompt shows over the first look: white text on a solid backing whose bottom
# rows (below the text) are one colour from end to end.
case_first_run_prompt() {
  start_saver /s
  wait_window_geometry 20 "$FULL" >/dev/null
  wait_until 20 prompt_shown "$SHOTS/prompt.png" || fail "no white prompt text"
  [ "$(convert "$SHOTS/prompt.png" -crop $PROMPT_BACKING_ROW +repage -format '%k' info:)" = 1 ] ||
    fail "no solid backing under the prompt"
  key Escape
  [ "$(wait_exit 15)" = 0 ] || fail "Escape did not end it"
}

# Prints how many pixels differ between two screenshots (with a little tolerance for dithering).
differing_pixels() { { compare -metric AE -fuzz 2% "$1" "$2" null: 2>&1 || true; } | awk '{printf "%d", $1}'; }

# Takes a screenshot into $1; true when more than $3 of its pixels pass the test $2. LIT is their number.
lit_beyond() {
  screenshot "$1"
  LIT=$(count_pixels "$1" 1280x1024+0+0 "$2")
  [ "$LIT" -gt "$3" ]
}

# Takes a screenshot into $2; true when more than $3 of its pixels differ from those of $1. CHANGED is their
# number.
changed_beyond() {
  screenshot "$2"
  CHANGED=$(differing_pixels "$1" "$2")
  [ "$CHANGED" -gt "$3" ]
}

# Runs the saver full screen until it shows a picture: $1 names what is shown, and the picture needs more
# than $3 pixels brighter than the test $2. A later screenshot must then differ from it in more than $4
# pixels.
expect_lit_and_moving() {
  local what=$1 bright=$2 min_lit=$3 min_changed=$4
  LIT=0 CHANGED=0
  start_saver /s
  wait_window_geometry 20 "$FULL" >/dev/null
  wait_until 20 lit_beyond "$SHOTS/one.png" "$bright" "$min_lit" || fail "$what is (nearly) black: $LIT lit pixels"
  wait_until 20 changed_beyond "$SHOTS/one.png" "$SHOTS/two.png" "$min_changed" ||
    fail "$what did not move: $CHANGED pixels changed"
  key Escape
  [ "$(wait_exit 15)" = 0 ] || fail "Escape did not end $what"
}

case_scene_moves() {
  expect_lit_and_moving "the scene" 'r+g+b>0.3' 50000 20000
}

# Each built-in look, chosen at start-up as the only list marked for the switch, is lit and moves. Some
# draw only thin strips without trails, so any colour counts as lit.
case_six_looks() {
  local look
  for look in 0 1 2 3 4 5; do
    write_key 25 3600 $((1 << look))
    expect_lit_and_moving "look $((look + 1))" 'r+g+b>0.06' 1000 2000
  done
}

"case_$2"
