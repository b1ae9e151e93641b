#!/usr/bin/env bash
# A long run of the real saver under Wine: tools/soak.sh [minutes] (default 30; not part of the test command).
# Plumora.scr runs full screen with Period 1 over all six built-in looks while a schedule presses Enter, F2,
# F3, F1 and closes the dialog again (Escape, Enter), round after round. Every second it watches for a message box and for
# the saver's end; every sampling interval it records the saver's resident memory and the number of X
# windows. At the end it prints the samples and a verdict: no crash, no message box, memory and windows flat.
# GDI objects are not sampled: Wine does not count them (GetGuiResources answers 0).
set -euo pipefail
cd "$(dirname "$0")/.."
minutes=${1:-30}
[[ "$minutes" =~ ^[0-9]+$ ]] && [ "$minutes" -ge 2 ] || { echo "usage: tools/soak.sh [minutes, at least 2]" >&2; exit 2; }

bash tools/setup.sh
bash tools/build.sh windows >/dev/null
export SCR="$PWD/build/windows/Plumora.scr"
export SAVER_TIMEOUT=$((minutes * 60 + 120))
source tools/wine-session.sh
source tests/e2e/lib.sh
wine_session_start
trap 'stop_saver; delete_key; wine_session_stop' EXIT

FULL=$(screen_geometry)
ROUND=20  # seconds of one round of the schedule; a sample is taken at the start of every round

# The saver's own process: the child of the "timeout" that start_saver ran (Wine runs the program in it).
saver_pid() { pgrep -P "$(cat "$SAVER_PID_FILE")" | head -1; }
rss_kib() { awk '/^VmRSS:/ {print $2}' "/proc/$1/status" 2>/dev/null || echo 0; }
x_windows() { xwininfo -root -tree 2>/dev/null | grep -c '^ *0x' || true; }
message_boxes() { { xdotool search --name '^ERROR$' 2>/dev/null || true; } | wc -l; }
config_dialog() { { xdotool search --onlyvisible --name '^Configuration$' 2>/dev/null || true; } | head -1; }

crashes=0 boxes_seen=0 dialogs_closed=0 window_modes=0
# Waits one second while watching the saver; a message box or the saver's end is counted and ends the run.
tick() {
  sleep 1
  if [ "$(message_boxes)" -gt 0 ]; then boxes_seen=$((boxes_seen + 1)); return 1; fi
  if ! saver_running; then crashes=$((crashes + 1)); return 1; fi
}

# Presses F3 until the render window is full screen ($1 = full) or framed ($1 = framed), ticking meanwhile:
# a key sent while Wine is still giving the new window the focus can be lost.
toggle_to() {
  local attempt waited window geometry
  for attempt in 1 2 3; do
    key F3
    for waited in 1 2 3 4 5; do
      tick || return 1
      window=$(render_window)
      [ -n "$window" ] || continue  # between the old window and the new one
      geometry=$(window_geometry "$window")
      if [ "$1" = full ] && [ "$geometry" = "$FULL" ]; then return 0; fi
      if [ "$1" = framed ] && [ "$geometry" != "$FULL" ]; then return 0; fi
    done
  done
  echo "the render window did not become $1" >&2
  return 1
}

# One round: every key of the running saver once, ending as it began (full screen, overlay off, no dialog).
round() {
  key Return; tick || return 1
  key F2; tick || return 1
  key F2; tick || return 1
  toggle_to framed || return 1
  window_modes=$((window_modes + 1))
  # Wine hands the keys to the window with the focus, whatever window they are sent to: a dialog is closed
  # (Escape, then Enter, both Cancel) before the next key for the render window.
  local leave dialog
  for leave in Escape Return; do
    key F1; for _ in 1 2; do tick || return 1; done
    dialog=$(config_dialog)
    [ -n "$dialog" ] || { echo "F1 opened no dialog" >&2; return 1; }
    xdotool key --window "$dialog" "$leave" 2>/dev/null || true
    for _ in 1 2 3 4 5; do  # under Wine without a window manager a window can take seconds to go
      tick || return 1
      [ -n "$(config_dialog)" ] || break
    done
    [ -z "$(config_dialog)" ] || { echo "$leave did not close the dialog" >&2; return 1; }
    dialogs_closed=$((dialogs_closed + 1))
  done
  toggle_to full || return 1
  while [ $((SECONDS - round_start)) -lt "$ROUND" ]; do tick || return 1; done
}

write_key 25 1 63
start_saver /s
wait_window_geometry 30 "$FULL" >/dev/null
pid=$(saver_pid)
[ -n "$pid" ] || fail "the saver's process was not found"

echo "Soak: $minutes minutes of Plumora.scr /s, Period 1 over the six built-in looks, a round of keys every $ROUND s"
printf '%8s %10s %10s\n' minute "RSS MiB" "X windows"
samples_rss=() samples_windows=()
start=$SECONDS rounds=0
while [ $((SECONDS - start)) -lt $((minutes * 60)) ]; do
  rss=$(rss_kib "$pid") windows=$(x_windows)
  samples_rss+=("$rss") samples_windows+=("$windows")
  awk -v s=$((SECONDS - start)) -v r="$rss" -v w="$windows" 'BEGIN {printf "%8.1f %10.1f %10d\n", s / 60, r / 1024, w}'
  round_start=$SECONDS
  round || break
  rounds=$((rounds + 1))
done
elapsed=$((SECONDS - start))
saver_running || crashes=$((crashes + 1))

# Flat: the mean of the last third of the samples within 10 % (memory) and equal (windows) to the mean of
# the second third. The first third is the warm-up, while llvmpipe compiles code for each new look.
n=${#samples_rss[@]}
third=$((n / 3))
mean() { local sum=0 count=0 v; for v in "$@"; do sum=$((sum + v)); count=$((count + 1)); done; echo $((sum / (count > 0 ? count : 1))); }
middle_rss=$(mean "${samples_rss[@]:third:third}") last_rss=$(mean "${samples_rss[@]:$((n - third))}")
middle_windows=$(mean "${samples_windows[@]:third:third}") last_windows=$(mean "${samples_windows[@]:$((n - third))}")
memory_flat=$([ "$third" -gt 0 ] && [ "$last_rss" -le $((middle_rss * 110 / 100)) ] && echo yes || echo no)
windows_flat=$([ "$third" -gt 0 ] && [ "$last_windows" -le "$middle_windows" ] && echo yes || echo no)

echo
echo "ran $((elapsed / 60)) min $((elapsed % 60)) s: $rounds rounds, $window_modes times to window mode and back, $dialogs_closed dialogs closed, $n samples"
echo "crashes: $crashes"
echo "message boxes: $boxes_seen"
echo "memory: $((middle_rss / 1024)) MiB in the second third, $((last_rss / 1024)) MiB in the last: flat $memory_flat"
echo "X windows: $middle_windows in the second third, $last_windows in the last: flat $windows_flat"
if [ "$crashes" -eq 0 ] && [ "$boxes_seen" -eq 0 ] && [ "$memory_flat" = yes ] && [ "$windows_flat" = yes ]; then
  echo "verdict: PASS"
else
  echo "verdict: FAIL"
  exit 1
fi
