# Helpers for end-to-end tests of the real Plumora.scr under Wine and Xvfb. The caller's environment holds
# the throwaway WINEPREFIX and the DISPLAY (tools/wine-session.sh). Everything is observed from outside:
# exit codes, X windows and screenshots. Every wait polls with a deadline.

SCR=${SCR:?SCR must name Plumora.scr}
# The render window's title is "Plumora <version>"; the build wrote the version beside the program.
VERSION_TEXT=$(sed -n 's/^#define PLUMORA_VERSION "\(.*\)"$/\1/p' "$(dirname "${BUILT_SCR:-$SCR}")/generated/resources/version.h")
TITLE="Plumora $VERSION_TEXT"
SAVER_PID=""
SAVER_EXIT_FILE=""
SAVER_PID_FILE=""

fail() { echo "FAIL: $*" >&2; exit 1; }
[ -n "$VERSION_TEXT" ] || fail "no version header in the build folder of ${BUILT_SCR:-$SCR}"

# Starts the saver in the background with the given arguments, for at most SAVER_TIMEOUT seconds (60 unless
# set). Wine runs the program in the process it starts, so the process id of "timeout" (whose child it is)
# is all that is needed to end it.
start_saver() {
  stop_saver
  SAVER_EXIT_FILE=$(mktemp)
  SAVER_PID_FILE=$(mktemp)
  rm -f "$SAVER_EXIT_FILE"
  local exit_file=$SAVER_EXIT_FILE pid_file=$SAVER_PID_FILE
  (
    timeout --kill-after=5 "${SAVER_TIMEOUT:-60}" wine "$SCR" "$@" </dev/null >/dev/null 2>&1 &
    echo $! >"$pid_file"
    wait $!
    echo $? >"$exit_file"
  ) &
  SAVER_PID=$!
}

# Ends what this test started, by process id: other tests may run their own saver at the same time. The
# signal reaches the program through "timeout", which forwards it and kills after 5 s if need be.
stop_saver() {
  # Only while it runs: once it has ended, its process id may belong to someone else.
  if [ -n "${SAVER_PID_FILE:-}" ] && [ -s "$SAVER_PID_FILE" ] && [ ! -s "$SAVER_EXIT_FILE" ]; then
    kill "$(cat "$SAVER_PID_FILE")" 2>/dev/null || true
  fi
  if [ -n "$SAVER_PID" ]; then wait "$SAVER_PID" 2>/dev/null || true; fi
  [ -z "${SAVER_PID_FILE:-}" ] || rm -f "$SAVER_PID_FILE"
  SAVER_PID="" SAVER_PID_FILE=""
}
trap 'stop_saver; delete_key' EXIT

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

# Waits up to $1 seconds for a shown Configuration dialog; prints its X window id.
wait_config_dialog() {
  local deadline=$((SECONDS + $1)) id
  while [ $SECONDS -lt $deadline ]; do
    id=$({ xdotool search --onlyvisible --name '^Configuration$' 2>/dev/null || true; } | head -1)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  fail "no Configuration dialog within $1 s"
}

# Takes a screenshot of the whole screen into $1.
screenshot() { import -window root "$1" 2>/dev/null || fail "no screenshot"; }

# Prints how many pixels of the region $2 ("WxH+X+Y") of picture $1 satisfy the ImageMagick fx test $3
# (channels r, g, b from 0 to 1).
count_pixels() {
  if [[ $3 =~ ^r\+g\+b\>([0-9.]+)$ ]]; then
    count_brighter "$1" "$2" "${BASH_REMATCH[1]}"
    return
  fi
  # The test reads all three channels but writes only the red one, which is counted: a third of the work of
  # evaluating it for every channel.
  convert "$1" -precision 16 -crop "$2" +repage -channel R -fx "$3 ? 1 : 0" -separate \
    -format '%[fx:round(mean*w*h)]' info:
}

# The test "r+g+b>$3" of count_pixels on a screenshot (8 bits a channel), with ImageMagick's own operators
# rather than an expression per pixel, which takes seconds for a whole screen while the saver draws: the
# channels' mean above (ceil(255 × $3) - 0.5) / 765, so that a sum of exactly 255 × $3 counts, as the
# expression's rounding counts it for 1.2.
count_brighter() {
  local percent
  percent=$(awk -v x="$3" 'BEGIN { c = 255 * x; n = int(c + 0.5); if (c - n > 1e-6) n++
                                   printf "%.12f", (n - 0.5) / 765 * 100 }')
  convert "$1" -precision 16 -crop "$2" +repage -separate -evaluate-sequence mean -threshold "$percent%" \
    -format '%[fx:round(mean*w*h)]' info:
}

# Runs the command "$2 ..." until it succeeds, at least once and for at most $1 seconds; fails (returns 1)
# when the time is up.
wait_until() {
  local deadline=$((SECONDS + $1))
  shift
  until "$@"; do
    [ $SECONDS -lt $deadline ] || return 1
    sleep 0.1
  done
}

# Starts the stand-in for Windows' Screen Saver Settings (preview_host.exe, $1), which starts the saver in the
# preview; further arguments are "NAME=value" settings of its environment, which the saver inherits. Commands
# go to it with preview_command, and PREVIEW_OUT collects what it prints. Prints the child's place on the
# screen, "x y", once the saver has started.
start_preview_host() {
  local host=$1 fifo
  shift
  PREVIEW_OUT=$(mktemp)
  fifo=$(mktemp -u)
  mkfifo "$fifo"
  exec {PREVIEW_IN}<>"$fifo"
  rm -f "$fifo"
  env "$@" timeout --kill-after=5 "${SAVER_TIMEOUT:-60}" wine "$host" "$(winepath -w "$SCR")" \
    <&"$PREVIEW_IN" >"$PREVIEW_OUT" 2>/dev/null &
  PREVIEW_HOST_PID=$!
  wait_until 20 grep -q '^child ' "$PREVIEW_OUT" || fail "the stand-in settings window did not start the saver"
  awk '/^child / { print $3, $4 }' "$PREVIEW_OUT" | tr -d '\r'
}
preview_command() { echo "$1" >&"$PREVIEW_IN"; }
stop_preview_host() {
  [ -z "${PREVIEW_HOST_PID:-}" ] || { kill "$PREVIEW_HOST_PID" 2>/dev/null; wait "$PREVIEW_HOST_PID" 2>/dev/null; } || true
  PREVIEW_HOST_PID=""
}

# The X window that shows the preview at size $1 ("WxH"): Wine draws a child window's OpenGL into an unnamed
# X window of its own, kept off the screen (a screenshot of the root shows the child black).
preview_window() { xwininfo -root -tree | awk -v size="$1" '/has no name/ && index($0, " " size "+") { print $1; exit }'; }

# The settings key, written with Wine's reg tool before a run and read back with it after.
KEY='HKCU\Control Panel\Screen Saver.Plumora'

reg_quiet() { timeout 30 wine reg "$@" </dev/null >/dev/null 2>&1; }
delete_key() { reg_quiet delete "$KEY" /f || true; }
key_exists() { reg_quiet query "$KEY"; }

# A value of the settings key, or of the key $2, as "wine reg query" shows it (a DWORD in hex, a text up to
# its first blank); the unnamed one is "(Default)".
stored_value() {
  { timeout 30 wine reg query "${2:-$KEY}" 2>/dev/null || true; } | tr -d '\r' |
    awk -v name="$1" '$1 == name {print $3}'
}

# The 29 look values of the first built-in look, in their stored forms, as lines of a .reg file.
look_lines() {
  cat <<'EOF'
"ColorGrads"="128 96 10"
"ColorConst"="102 102 102"
"ColorAmplitude"="178 178 178"
"AlphaLaser"=dword:00000050
"AlphaSprinkle"=dword:00000080
"RenderingMode"=dword:00000001
"StippleMode"=dword:00000000
"SymmetryMode"=dword:00000000
"BlendingMode"=dword:00000000
"RouteA"=dword:00000001
"RouteB"=dword:00000004
"Density"=dword:00000046
"SpeedLaser"=dword:0000000a
"SpeedTexture"=dword:0000000a
"SpeedView"=dword:0000000a
"Stack"=dword:00000001
"Doubled"=dword:00000000
"Stencil"=dword:00000000
"Antialias"=dword:00000001
"RotateZ"=dword:00000001
"RotateX"=dword:00000001
"RotateY"=dword:00000000
"DepthTest"=dword:00000000
"LineWidth"=dword:0000000a
"StippleSize"=dword:00000005
"DepthAmpl"=dword:0000001a
"DepthFreq"=dword:00000040
"FuncRadius"=dword:00000001
"FuncAngle"=dword:00000000
EOF
}

# Writes a complete main key: write_key <version> <Period> <AutoList> [<list subkey> ...]. Each list subkey
# named (custom1-custom4) gets the look too, and SavedList marks it.
write_key() {
  local version=$1 period=$2 autolist=$3 subkey file saved=0
  shift 3
  for subkey in "$@"; do saved=$((saved | 1 << (${subkey#custom} + 5))); done
  file=$(mktemp --suffix=.reg)
  {
    echo 'REGEDIT4'
    echo
    echo '[HKEY_CURRENT_USER\Control Panel\Screen Saver.Plumora]'
    printf '@=dword:%08x\n' "$version"
    printf '"custom%d"="saved %d"\n' 1 1 2 2 3 3 4 4
    printf '"Period"=dword:%08x\n"SavedList"=dword:%08x\n' "$period" "$saved"
    printf '"AutoList"=dword:%08x\n"OffSprinkle"=dword:00000000\n' "$autolist"
    look_lines
    for subkey in "$@"; do
      echo
      echo "[HKEY_CURRENT_USER\\Control Panel\\Screen Saver.Plumora\\$subkey]"
      look_lines
    done
  } >"$file"
  delete_key
  reg_quiet import "Z:${file//\//\\}" || fail "wine reg import failed"
  rm -f "$file"
  key_exists || fail "the key was not written"
}
