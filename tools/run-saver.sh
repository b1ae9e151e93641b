#!/usr/bin/env bash
# Sets up this machine, builds Plumora.scr and runs it under Wine: on the user's display when there is one
# (any key ends it, F1 opens the Configuration dialog), otherwise in a virtual display for a few seconds,
# leaving a screenshot of the running saver behind. Extra arguments go to the saver (default: /s).
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/setup.sh
bash tools/build.sh windows
saver="$PWD/build/windows/Plumora.scr"
args=("$@")
[ ${#args[@]} -gt 0 ] || args=(/s)

export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  # The user's own display and Wine prefix: settings saved in the dialog last between runs.
  echo "Running Plumora.scr ${args[*]} on display $DISPLAY; press a key to end it."
  exec wine "$saver" "${args[@]}"
fi

# No display: a throwaway prefix and virtual screen, a screenshot after a few seconds, then a key to end.
source tools/wine-session.sh
wine_session_start
shot="$PWD/build/saver-screenshot.png"
wine "$saver" "${args[@]}" </dev/null >/dev/null 2>&1 &
saver_pid=$!
sleep 8
import -window root "$shot"
window=$(xdotool search --name '^Plumora [0-9.]*$' 2>/dev/null | head -1 || true)
[ -n "$window" ] && xdotool key --window "$window" q 2>/dev/null || true
status=0
timeout 20 tail --pid="$saver_pid" -f /dev/null || { kill "$saver_pid" 2>/dev/null || true; status=1; }
echo "No display was found, so Plumora.scr ran in a virtual 1280x1024 screen for 8 seconds."
echo "Screenshot of the running saver: $shot"
exit $status
