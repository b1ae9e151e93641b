#!/usr/bin/env bash
# End-to-end tests of the stored settings with the real saver: registry_saver_test.sh <Plumora.scr> <case>
# Keys are written with Wine's reg tool before a run and read back with it after; what the saver did with
# them is seen from outside, through the message boxes it shows and its windows.
set -euo pipefail
SCR=$1
source "$(dirname "$0")/lib.sh"
FULL=$(screen_geometry)

# The value's data as "wine reg query" prints it (e.g. 0x3c), or nothing; "" names the unnamed value.
query_value() {
  local selector=(/v "$1") name=$1
  [ -n "$1" ] || { selector=(/ve); name='(Default)'; }
  { timeout 30 wine reg query "$KEY" "${selector[@]}" </dev/null 2>/dev/null || true; } |
    awk -v name="$name" '$1 == name { print $3 }' | tr -d '\r'
}

# A message box of the program: an X window titled "ERROR". Waits up to $1 seconds; prints its id.
wait_message_box() {
  local deadline=$((SECONDS + $1)) id
  while [ $SECONDS -lt $deadline ]; do
    id=$({ xdotool search --onlyvisible --name '^ERROR$' 2>/dev/null || true; } | head -1)
    [ -n "$id" ] && { echo "$id"; return 0; }
    saver_running || fail "the saver ended (exit code $(cat "$SAVER_EXIT_FILE")) before a message box"
    sleep 0.1
  done
  fail "no message box within $1 s"
}

# Asserts that no message box shows up for $1 seconds.
expect_no_message_box() {
  local deadline=$((SECONDS + $1))
  while [ $SECONDS -lt $deadline ]; do
    [ -z "$({ xdotool search --onlyvisible --name '^ERROR$' 2>/dev/null || true; } | head -1)" ] ||
      fail "an unexpected message box was shown"
    sleep 0.1
  done
}

# Presses OK on a message box and waits for it to go.
dismiss_message_box() {
  xdotool key --window "$1" Return 2>/dev/null || true
  local deadline=$((SECONDS + 10))
  while xwininfo -id "$1" 2>/dev/null | grep -q 'IsViewable'; do
    [ $SECONDS -lt $deadline ] || fail "the message box did not close"
    sleep 0.1
  done
}

# The first key after the window opens can be lost while Wine is still giving it the focus, on a busy
# machine: keys that only end the run or provoke a message box are sent again when nothing happened.
quit_saver() {
  local attempt
  for attempt in 1 2 3; do
    key q
    local deadline=$((SECONDS + 5))
    while saver_running && [ $SECONDS -lt $deadline ]; do sleep 0.1; done
    saver_running || break
  done
  [ "$(wait_exit 1)" = 0 ] || fail "q did not end it with exit code 0"
}

# AutoList holding one saved list: the saver starts with that list, without a message. A marked list whose
# subkey is missing is left out of the draw: the saver starts with the stored look, silently. Quitting
# writes nothing back.
case_starts_with_the_only_marked_list() {
  write_key 25 60 $((1 << 8)) custom3
  start_saver /s
  wait_window_geometry 20 "$FULL" >/dev/null
  expect_no_message_box 1
  quit_saver

  write_key 25 60 $((1 << 8)) custom1 custom2 custom4
  reg_quiet add "$KEY" /v SavedList /t REG_DWORD /d $((0xF << 6)) /f
  start_saver /s
  wait_window_geometry 20 "$FULL" >/dev/null
  expect_no_message_box 1
  quit_saver
  [ "$(query_value Period)" = 0x3c ] || fail "Period changed to $(query_value Period)"
  [ "$(query_value AutoList)" = 0x100 ] || fail "AutoList changed to $(query_value AutoList)"
}

# Every list marked, none saved, a switch every second: the draws and Enter land only on the built-in looks,
# and no message comes. With Period 0 Enter does nothing.
case_enter_switches_the_list() {
  write_key 25 1 1023
  start_saver /s
  wait_window_geometry 20 "$FULL" >/dev/null
  local i
  for i in 1 2 3 4 5 6; do key Return; sleep 0.3; done
  expect_no_message_box 2
  quit_saver

  write_key 25 0 $((1 << 9))
  start_saver /s
  wait_window_geometry 20 "$FULL" >/dev/null
  key Return
  expect_no_message_box 2
  quit_saver
}

# The only marked list, a saved one, loses a value to another program while the saver runs with Period 1:
# every tick loads it again, but its message box is shown once however long it stays open, and closing it
# leaves the saver running.
case_switch_messages_do_not_pile_up() {
  write_key 25 1 $((1 << 6)) custom1
  start_saver /s
  wait_window_geometry 20 "$FULL" >/dev/null
  reg_quiet delete "$KEY\\custom1" /v Stack /f || fail "the value could not be deleted"
  local box boxes deadline
  box=$(wait_message_box 10)
  deadline=$((SECONDS + 10))
  while [ $SECONDS -lt $deadline ]; do
    boxes=$({ xdotool search --onlyvisible --name '^ERROR$' 2>/dev/null || true; } | wc -l)
    [ "$boxes" -le 1 ] || fail "$boxes message boxes are open at once"
    saver_running || fail "the saver ended (exit code $(cat "$SAVER_EXIT_FILE"))"
    sleep 0.5
  done
  [ "$boxes" -eq 1 ] || fail "the message box went away by itself"
  dismiss_message_box "$box"
  expect_running_for 2
}

# A key of an older format is deleted with its list subkeys, silently; a newer one is left as it is.
case_older_format_is_wiped() {
  write_key 24 60 63 custom1 custom4
  reg_quiet add "$KEY\\custom5" /v Density /t REG_DWORD /d 3 /f
  start_saver /s
  wait_window_geometry 20 "$FULL" >/dev/null
  expect_no_message_box 1
  quit_saver
  ! key_exists || fail "the version-24 key is still there"

  write_key 26 60 63 custom2
  start_saver /s
  wait_window_geometry 20 "$FULL" >/dev/null
  expect_no_message_box 1
  quit_saver
  [ "$(query_value '')" = 0x1a ] || fail "the version-26 key was changed or deleted"
  reg_quiet query "$KEY\\custom2" || fail "the version-26 key lost its list"
}

"case_$2"
