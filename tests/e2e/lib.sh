# Helpers for end-to-end tests of the real Plumora.scr under Wine and Xvfb. The caller's environment holds
# the throwaway WINEPREFIX and the DISPLAY (tools/wine-session.sh). Everything is observed from outside:
# exit codes, X windows and screenshots. Every wait polls with a deadline.

SCR=${SCR:?SCR must name Plumora.scr}
TITLE="Plumora 2.5"
SAVER_PID=""
SAVER_EXIT_FILE=""

fail() { echo "FAIL: $*" >&2; exit 1; }

# Starts the saver in the background with the given arguments.
start_saver() {
  SAVER_EXIT_FILE=$(mktemp)
  rm -f "$SAVER_EXIT_FILE"
  local exit_file=$SAVER_EXIT_FILE
  (timeout --kill-after=5 60 wine "$SCR" "$@" </dev/null >/dev/null 2>&1; echo $? >"$exit_file") &
  SAVER_PID=$!
}

# The process ids below $1, children first.
descendants() {
  local child
  for child in $(pgrep -P "$1" 2>/dev/null); do
    descendants "$child"
    echo "$child"
  done
}

# Ends whatever the test started: the Windows process and the shells that wait for it, found by process id
# from the shell that start_saver left, so that savers of other runs on the same machine live on.
stop_saver() {
  if [ -n "$SAVER_PID" ]; then
    # shellcheck disable=SC2046
    kill $(descendants "$SAVER_PID") "$SAVER_PID" 2>/dev/null || true
  fi
  SAVER_PID=""
}
trap stop_saver EXIT

# Waits up to $1 seconds for the saver to end and prints its exit code; fails if it does not end.
wait_exit() {
  local deadline=$((SECONDS + $1))
  while [ ! -s "$SAVER_EXIT_FILE" ]; do
    [ $SECONDS -lt $deadline ] || fail "the saver did not end within $1 s"
    sleep 0.1
  done
  cat "$SAVER_EXIT_FILE"
}

saver_running() { [ ! -s "$SAVER_EXIT_FILE" ]; }

# The X window of the render window, or nothing.
render_window() { { xdotool search --name "^$TITLE\$" 2>/dev/null || true; } | head -1; }

# Waits up to $1 seconds until the render window's X window has geometry $2 ("WxH+X+Y"); prints its id.
wait_window_geometry() {
  local deadline=$((SECONDS + $1)) id geometry=""
  while [ $SECONDS -lt $deadline ]; do
    id=$(render_window)
    if [ -n "$id" ]; then
      geometry=$(window_geometry "$id")
      [ "$geometry" = "$2" ] && { echo "$id"; return 0; }
    fi
    sleep 0.1
  done
  fail "the render window did not reach $2 within $1 s (last seen: ${geometry:-no window})"
}

window_geometry() {
  { xwininfo -id "$1" 2>/dev/null || true; } | awk '/Absolute upper-left X/{x=$4} /Absolute upper-left Y/{y=$4}
    /Width:/{w=$2} /Height:/{h=$2} END{print w "x" h "+" x "+" y}'
}

# Geometry of the window's client area: the one child X window that Wine draws OpenGL into.
client_geometry() {
  { xwininfo -tree -id "$1" 2>/dev/null || true; } | awk '/child/{getline; if (NF > 1) print $(NF-1); exit}'
}

screen_geometry() { xwininfo -root | awk '/Width:/{w=$2} /Height:/{h=$2} END{print w "x" h "+0+0"}'; }

key() { xdotool key --window "$(render_window)" "$@" 2>/dev/null || true; }

# Asserts that the saver keeps running for $1 seconds.
expect_running_for() {
  local deadline=$((SECONDS + $1))
  while [ $SECONDS -lt $deadline ]; do
    saver_running || fail "the saver ended (exit code $(cat "$SAVER_EXIT_FILE"))"
    sleep 0.1
  done
}

# Waits up to $1 seconds for the render window in window mode: a 640 x 480 client area inside a frame at
# the screen's top left corner. Prints the window's id.
wait_window_mode() {
  local deadline=$((SECONDS + $1)) id client=""
  while [ $SECONDS -lt $deadline ]; do
    id=$(render_window)
    if [ -n "$id" ]; then
      client=$(client_geometry "$id")
      case "$client" in
        640x480+[1-9]*+[1-9]*) echo "$id"; return 0 ;;
      esac
    fi
    sleep 0.1
  done
  fail "no 640x480 client area in a frame within $1 s (last seen: ${client:-no window})"
}

# Clicks the close button at the right end of the window's caption, which Wine draws: the frame is as
# wide as the client area's left offset, and the caption fills the rest of the offset at the top.
click_close_button() {
  local outer client x y w border top
  outer=$(window_geometry "$1")
  client=$(client_geometry "$1")
  w=${outer%%x*}
  x=$(echo "$outer" | cut -d+ -f2); y=$(echo "$outer" | cut -d+ -f3)
  border=$(echo "$client" | cut -d+ -f2); top=$(echo "$client" | cut -d+ -f3)
  xdotool mousemove $((x + w - border - 9)) $((y + (top + border) / 2)) click 1 2>/dev/null
}
