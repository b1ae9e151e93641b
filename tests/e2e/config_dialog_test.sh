#!/usr/bin/env bash
# End-to-end tests of the Configuration dialog in the real program: config_dialog_test.sh <Plumora.scr> <case>
set -euo pipefail
SCR=$1
source "$(dirname "$0")/lib.sh"

case_configure_shows_dialog() {
  timeout 30 wine reg delete "$KEY" /f >/dev/null 2>&1 || true
  local args id
  # No argument, /c, and owner handles that name no window: each shows the dialog.
  for args in "" "/c" "/c:0" "/c:99999"; do
    # shellcheck disable=SC2086
    start_saver $args
    id=$(wait_config_dialog 20)
    [ -z "$(render_window)" ] || fail "'$args' opened a render window before Save"
    # Enter confirms a field and leaves the dialog open; Escape cancels it, and with no render window the
    # program ends. (A key pressed the moment the dialog appears may come before it has the keyboard.)
    sleep 0.5
    xdotool key --window "$id" Return 2>/dev/null
    expect_running_for 1
    [ -n "$(xdotool search --onlyvisible --name '^Configuration$' 2>/dev/null)" ] || fail "'$args': Enter closed it"
    xdotool key --window "$id" Escape 2>/dev/null
    [ "$(wait_exit 15)" = 0 ] || fail "'$args' did not end it with exit code 0"
  done
  [ -z "$(stored_value Period)" ] || fail "Cancel stored settings"
}

# The stored look, unlike any list (Default3's look in "triangle strip", its Density of 100 beyond the
# Sprinkle page's bar), survives a visit to every page and Enter, and Save stores it as it is. The
# configure mode shows the stored look, with the factory auto-switch too: only the running saver starts
# with a look drawn at random.
case_configure_keeps_the_look() {
  write_key 25 60 63
  for value in "RenderingMode 3" "Density 100" "SymmetryMode 2"; do
    reg_quiet add "$KEY" /v ${value% *} /t REG_DWORD /d ${value#* } /f || fail "wine reg add failed"
  done
  start_saver /c
  local id
  id=$(wait_config_dialog 20)
  sleep 0.5
  # The arrow keys on the tabs go through every page and back to the first.
  local step
  for step in Right Right Right Right Right Left Left Left Left Left Return; do
    xdotool key --window "$id" $step 2>/dev/null
    sleep 0.3
  done
  saver_running || fail "Enter ended the program"
  xdotool key --window "$id" Tab 2>/dev/null
  sleep 0.3
  xdotool key --window "$id" Return 2>/dev/null
  wait_window_mode 20 >/dev/null
  [ "$(stored_value RenderingMode)" = 0x3 ] || fail "the look was replaced: RenderingMode $(stored_value RenderingMode)"
  [ "$(stored_value Density)" = 0x64 ] || fail "visiting the pages changed Density to $(stored_value Density)"
  [ "$(stored_value SymmetryMode)" = 0x2 ] || fail "the look was replaced: SymmetryMode $(stored_value SymmetryMode)"
}

case_configure_save_opens_window() {
  timeout 30 wine reg delete "$KEY" /f >/dev/null 2>&1 || true
  start_saver /c
  local id window
  id=$(wait_config_dialog 20)
  # The tabs have the focus when the dialog opens, and Save comes next.
  xdotool key --window "$id" Tab 2>/dev/null
  sleep 0.3
  xdotool key --window "$id" Return 2>/dev/null
  window=$(wait_window_mode 20)
  [ "$(stored_value '(Default)')" = 0x19 ] || fail "the format version 25 was not stored"
  [ "$(stored_value Period)" = 0x3c ] || fail "Period 60 was not stored"

  # A fresh dialog beside the window: its left edge at the window's right edge, at the top of the screen.
  local dialog outer left right
  dialog=$(wait_config_dialog 20)
  outer=$(window_geometry "$window")
  right=$(($(echo "$outer" | cut -d+ -f2) + ${outer%%x*}))
  left=$(window_geometry "$dialog" | cut -d+ -f2)
  [ "$left" -ge $((right - 8)) ] && [ "$left" -le $((right + 8)) ] ||
    fail "the dialog's left edge $left is not beside the window's right edge $right"
  [ "$(window_geometry "$dialog" | cut -d+ -f3)" -le 8 ] || fail "the dialog is not at the top"
  expect_running_for 1
  click_close_button "$window"
  [ "$(wait_exit 15)" = 0 ] || fail "closing the window did not end it with exit code 0"
}

case_f1_opens_dialog() {
  start_saver /s
  wait_window_geometry 20 "$(screen_geometry)" >/dev/null
  key F1
  local id
  id=$(wait_config_dialog 20)
  [ "$(window_geometry "$id" | cut -d+ -f2-)" = "0+0" ] || fail "over the full screen the dialog is not top left"
  expect_running_for 1
  # The dialog has the keyboard; once it is closed the saver has it again, and any key ends it.
  xdotool key --window "$id" alt+F4 2>/dev/null
  local deadline=$((SECONDS + 10))
  while xdotool search --onlyvisible --name '^Configuration$' >/dev/null 2>&1; do
    [ $SECONDS -lt $deadline ] || fail "Alt+F4 did not close the dialog"
    sleep 0.1
  done
  expect_running_for 1
  key q
  [ "$(wait_exit 15)" = 0 ] || fail "q did not end it with exit code 0"
}

"case_$2"
