#!/usr/bin/env bash
# End-to-end test of the preview in Windows' Screen Saver Settings: preview_test.sh <Plumora.scr> <preview_host>
# A stand-in for that dialog holds a 152 × 112 child and starts "Plumora.scr /p <child>" (as Windows does
# when the user picks Plumora), is resized and is closed; the saver is watched from outside the whole time.
set -euo pipefail
SCR=$1 HOST=$2
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/../../tools/bench/hud.sh"
HUD=$(mktemp -d)
trap 'stop_preview_host; stop_saver; delete_key; rm -rf "$HUD"' EXIT
FULL=$(screen_geometry)
preview_shown() { [ -n "$(preview_window "$1")" ]; }

# A key of an older format: anything but the preview would wipe it on loading.
write_key 24 60 63 custom1
before=$(timeout 30 wine reg query "$KEY" /s </dev/null 2>/dev/null)

start_preview_host "$HOST" GALLIUM_HUD=fps GALLIUM_HUD_DUMP_DIR="$HUD" GALLIUM_HUD_VISIBLE=false \
  GALLIUM_HUD_PERIOD=0.5 >/dev/null
wait_until 20 preview_shown 152x112 || fail "no preview of 152x112"
small=$(preview_window 152x112)
sleep 3
import -window "$small" "$HUD/first.png"
sleep 1
import -window "$small" "$HUD/second.png"
for shot in first second; do
  [ "$(count_brighter "$HUD/$shot.png" 152x112+0+0 0.3)" -gt 500 ] || fail "the $shot picture is nearly black"
done
[ "$(compare -metric AE "$HUD/first.png" "$HUD/second.png" null: 2>&1 || true)" -gt 500 ] ||
  fail "the picture does not move"

# Nothing outside the child: no window of its own, the display mode as it was, the focus elsewhere.
[ -z "$(render_window)" ] || fail "the preview opened a window of its own"
[ "$(screen_geometry)" = "$FULL" ] || fail "the preview changed the display mode"
focus=$(xdotool getwindowfocus 2>/dev/null || true)
[ "$focus" != "$(printf %d "$small")" ] && ! { xprop -id "$focus" WM_CLASS 2>/dev/null | grep -qi plumora; } ||
  fail "the preview took the focus"

# A larger monitor: the whole scene, scaled, fills it.
preview_command "size 304 224"
wait_until 10 preview_shown 304x224 || fail "the preview did not follow the new size"
sleep 1.5
import -window "$(preview_window 304x224)" "$HUD/large.png"
for quarter in 152x112+0+0 152x112+152+0 152x112+0+112 152x112+152+112; do
  [ "$(count_brighter "$HUD/large.png" "$quarter" 0.3)" -gt 200 ] || fail "the quarter $quarter is nearly black"
done

# Without a handle, or with one that names no window, the preview ends at once, though a window (this
# dialog) is in the foreground.
for args in "/p" "/p 1234" "/l 0"; do
  start_saver $args
  [ "$(wait_exit 10)" = 0 ] || fail "$args: exit code $(cat "$SAVER_EXIT_FILE")"
done

# Closing the dialog ends the saver within a second, with exit code 0, and the settings are as they were.
preview_command destroy
wait_until 15 grep -q '^ended ' "$PREVIEW_OUT" || fail "the stand-in settings window did not close"
read -r _ ms code < <(grep '^ended ' "$PREVIEW_OUT" | tr -d '\r')
[ "$ms" != never ] && [ "$ms" -le 1000 ] && [ "$code" = 0 ] ||
  fail "the saver ended after $ms ms with exit code ${code:-none}"
stop_preview_host
[ "$(timeout 30 wine reg query "$KEY" /s </dev/null 2>/dev/null)" = "$before" ] || fail "the preview changed the registry"

# At most 30 frames a second all along: the HUD's samples of half a second, the first two left out.
read -r median _ samples < <(rates "$HUD/fps" 2)
[ "$samples" -ge 8 ] || fail "only $samples frame-rate samples"
awk -v m="$median" 'BEGIN { exit !(m >= 5 && m <= 30.5) }' || fail "the preview drew $median frames a second"
