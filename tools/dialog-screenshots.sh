#!/usr/bin/env bash
# Takes a picture of each page of the Configuration dialog, as the configure mode shows it, in a throwaway
# Wine prefix and virtual display: docs/config-<page>.png; and one of the preview in a stand-in for Windows'
# Screen Saver Settings: docs/preview.png. Needs the Windows build (tools/build.sh windows).
# The settings shown: the factory look saved once, then kept as saved list 7 "spiral arrows" with both
# mirror axes, the only list the auto-switch draws.
set -euo pipefail
cd "$(dirname "$0")/.."
SCR="$PWD/build/windows/Plumora.scr"
[ -f "$SCR" ] || { echo "build Plumora.scr first: bash tools/build.sh windows" >&2; exit 1; }

source tools/wine-session.sh
source tests/e2e/lib.sh
wine_session_start
trap 'stop_saver; stop_preview_host; wine_session_stop' EXIT
KEY='HKCU\Control Panel\Screen Saver.Plumora'

dialog() {
  local deadline=$((SECONDS + 20)) id
  while [ $SECONDS -lt $deadline ]; do
    id=$({ xdotool search --onlyvisible --name '^Configuration$' 2>/dev/null || true; } | head -1)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  fail "no Configuration dialog"
}

reg_add() { timeout 30 wine reg add "$@" /f </dev/null >/dev/null 2>&1; }

# Save once from the configure mode (Tab leads from the tabs to Save), which stores the whole main key.
start_saver /c
id=$(dialog)
xdotool key --window "$id" Tab 2>/dev/null
sleep 0.3
xdotool key --window "$id" Return 2>/dev/null
wait_window_mode 20 >/dev/null
stop_saver

# Copy the stored look into saved list 7 and let it be the one the start-up draws.
timeout 30 wine reg query "$KEY" </dev/null 2>/dev/null | tr -d '\r' |
  awk '$2 ~ /^REG_/ && $1 !~ /^(Period|SavedList|AutoList|OffSprinkle|custom[0-9]|\(Default\))$/ {
         data = $3; for (i = 4; i <= NF; ++i) data = data " " $i; print $1 "\t" $2 "\t" data }' |
  while IFS=$'\t' read -r name type data; do reg_add "$KEY\\custom2" /v "$name" /t "$type" /d "$data"; done
reg_add "$KEY\\custom2" /v SymmetryMode /t REG_DWORD /d 2
reg_add "$KEY" /v custom2 /t REG_SZ /d "spiral arrows"
reg_add "$KEY" /v SavedList /t REG_DWORD /d 128
reg_add "$KEY" /v AutoList /t REG_DWORD /d 128

# The tabs have the focus: the arrow keys go from page to page.
start_saver /c
id=$(dialog)
sleep 1
mkdir -p docs
for page in laser sprinkle color general switch help; do
  import -window "$id" "docs/config-$page.png"
  xdotool key --window "$id" Right 2>/dev/null
  sleep 0.5
done
xdotool key --window "$id" Escape 2>/dev/null
wait_exit 15 >/dev/null
echo "Pages of the Configuration dialog: docs/config-*.png"

# The preview, in the stand-in's little monitor. Wine keeps the picture in an X window of its own, off the
# screen: it is laid into the child's place in the picture of the dialog, where Windows shows it.
shots=$(mktemp -d)
start_preview_host "$PWD/build/windows/tests/preview_host.exe" >"$shots/place"
read -r x y <"$shots/place"
wait_until 20 eval '[ -n "$(preview_window 152x112)" ]' || fail "no preview"
sleep 4
host=$(xdotool search --name '^Screen Saver Settings$')
import -window "$host" "$shots/host.png"
import -window "$(preview_window 152x112)" "$shots/preview.png"
read -r left top < <(xwininfo -id "$host" | awk '/Absolute upper-left X/ { x = $NF } /Absolute upper-left Y/ { y = $NF }
                                               END { print x, y }')
convert "$shots/host.png" "$shots/preview.png" -geometry "+$((x - left))+$((y - top))" -composite docs/preview.png
rm -rf "$shots"
preview_command destroy
echo "The preview in the screen-saver settings: docs/preview.png"
