#!/usr/bin/env bash
# End-to-end tests of the user's look in the real program: the auto-switch never replaces what the user is
# changing in the Configuration dialog over the running saver. The tests click and type into the dialog's
# controls as a user does, and read the registry afterwards.
#   user_look_test.sh <Plumora.scr> <control_rect.exe> <case>
set -euo pipefail
SCR=$1
RECT_TOOL=$2
source "$(dirname "$0")/lib.sh"
IDS="$(dirname "$0")/../../resources/dialog_ids.h"

id_of() {
  case "$1" in
    IDOK) echo 1 ;;
    *) sed -n "s/^#define $1 \([0-9]*\)$/\1/p" "$IDS" ;;
  esac
}

# Where a control of the open Configuration dialog lies, named by its id's name, or item $2 of its list:
# "x y width height".
rect_of() {
  timeout 20 wine "$RECT_TOOL" "$(id_of "$1")" ${2:-} </dev/null 2>/dev/null | tr -d '\r' ||
    fail "$1 ${2:-} is not shown"
}

# Clicks the middle of such a rectangle, as a user does.
click_at() {
  local x y w h
  read -r x y w h <<<"$1"
  xdotool mousemove $((x + w / 2)) $((y + h / 2)) click 1 2>/dev/null
  sleep 0.3
}

click_control() { click_at "$(rect_of "$@")"; }

# Waits up to $1 seconds for value $2 of key $3 to read $4.
wait_stored() {
  local deadline=$((SECONDS + $1)) seen=""
  while [ $SECONDS -lt $deadline ]; do
    seen=$(stored_value "$2" "$3")
    [ "$seen" = "$4" ] && return 0
    sleep 0.2
  done
  fail "$2 of $3 reads '${seen}', not $4"
}

# The running saver over a key whose Period is 2 s, with the dialog opened by F1.
open_dialog_over_saver() {
  write_key 25 2 "$1"
  start_saver /s
  wait_window_geometry 20 "$(screen_geometry)" >/dev/null
  key F1
  DIALOG=$(wait_config_dialog 20)
  sleep 0.5
}

switch_page() { xdotool key --window "$DIALOG" Right Right Right Right 2>/dev/null; sleep 0.5; }

# A style chosen on the Laser page outlives switches that would each apply Default1 again; Save stores it.
case_an_edit_outlives_the_switch() {
  open_dialog_over_saver 1
  click_control IDC_RENDERING_MODE
  xdotool key Down Return 2>/dev/null  # "line strip" becomes "lines"
  expect_running_for 3
  click_control IDOK
  wait_stored 10 RenderingMode "$KEY" 0x2
}

# A list name typed slowly, across several periods, is saved by "Done" with the look that was saved under
# the list before: no switch came between.
case_a_slowly_typed_name_keeps_the_look() {
  open_dialog_over_saver 2  # every switch applies Default2
  switch_page
  local field done look="" deadline
  field=$(rect_of IDC_LIST_NAME)
  done=$(rect_of IDC_DONE)
  click_control IDC_LIST_NAME 0  # Default1's look, unlike any switch's
  click_control IDC_LIST_NAME 9  # the last list, "custom4", never saved: the look stays
  # Done, and at once the first letter of a new name: the switch goes on only a period after Done.
  click_at "$done"
  click_at "$field"
  xdotool key End $(printf "BackSpace %.0s" {1..10}) type m 2>/dev/null
  deadline=$((SECONDS + 10))
  while [ -z "$look" ]; do
    [ $SECONDS -lt $deadline ] || fail "Done saved no look"
    look=$(stored_value RenderingMode "$KEY\\custom4")
  done
  expect_running_for 3
  xdotool type y 2>/dev/null
  click_at "$done"
  wait_stored 10 custom4 "$KEY" my
  [ "$look" = 0x1 ] || fail "Done saved RenderingMode $look, not Default1's"
  [ "$(stored_value RenderingMode "$KEY\\custom4")" = 0x1 ] || fail "the switch replaced the look"
}

# "1", a period, "5": the field reads 15, and Save stores it.
case_a_typed_period_is_never_rewritten() {
  open_dialog_over_saver 3
  switch_page
  click_control IDC_PERIOD
  xdotool key End BackSpace BackSpace BackSpace type 1 2>/dev/null
  expect_running_for 3
  xdotool type 5 2>/dev/null
  click_control IDOK
  wait_stored 10 Period "$KEY" 0xf
}

"case_$3"
