#!/usr/bin/env bash
# What a monitor cover costs: runs the real Plumora.scr full screen under Wine, with Mesa's llvmpipe, and
# reads the frame rate on the primary from Mesa's own HUD (GALLIUM_HUD=fps dumped to a file, as live.sh does),
# for each scene in four set-ups, one after the other in one run:
#   xvfb         Xvfb 1280 x 1024, the display of every other test and of live.sh
#   one          Xorg's dummy driver with the second monitor switched off (xrandr --off): the primary alone
#   right, left  the same server with the 1024 x 768 monitor on, right and then left of the primary: one cover
# "one", "right" and "left" share one server and one Wine prefix, so they differ by the second monitor only.
#
#   bash tools/bench/monitors.sh [SECONDS] [SCENE ...]    default: 20 s each, Default1 and Default4
set -euo pipefail
cd "$(dirname "$0")/../.."

seconds=${1:-20}
shift || true
if [ $# -gt 0 ]; then scenes=("$@"); else scenes=(Default1 Default4); fi
skip=2  # seconds of start-up whose samples are left out

bash tools/build.sh native >/dev/null
bash tools/build.sh windows >/dev/null
bench=build/native/plumora_bench
scr=${SCR:-build/windows/Plumora.scr}
source tools/wine-session.sh
source tools/bench/hud.sh
work=$(mktemp -d)
trap 'wine_session_stop; rm -rf "$work"' EXIT


# Runs scene $1 for $seconds s in set-up $2 and prints its line: the HUD's figures and the windows of the
# program that were shown halfway through (the render window and the covers).
run_scene() {
  store_scene "$1"
  rm -rf "$work/hud"
  mkdir -p "$work/hud"
  GALLIUM_HUD=fps GALLIUM_HUD_DUMP_DIR="$work/hud" GALLIUM_HUD_VISIBLE=false GALLIUM_HUD_PERIOD=0.5 \
    timeout --kill-after=5 "$seconds" wine "$scr" /s </dev/null >/dev/null 2>&1 &
  local saver=$!
  sleep $((seconds / 2))
  local windows
  windows=$({ xdotool search --onlyvisible --class '^plumora\.scr$' 2>/dev/null || true; } | wc -l)
  wait "$saver" || true
  if [ ! -s "$work/hud/fps" ]; then
    printf '%-10s %-8s %8s\n' "$1" "$2" "no HUD samples"
    return
  fi
  read -r median tenth count < <(rates "$work/hud/fps" $((skip * 2)))
  printf '%-10s %-8s %8s %8s %8s %8s\n' "$1" "$2" "$median" "$tenth" "$count" "$windows"
}

echo "Plumora frame rates on the primary with and without a second monitor: $scr /s under $(wine --version 2>/dev/null)"
echo "Mesa $(dpkg-query -W -f='${Version}' libgl1-mesa-dri 2>/dev/null) (llvmpipe), $(nproc) cores," \
  "$(lscpu | sed -n 's/^Model name: *//p' | head -1); HUD samples of 0.5 s, ${seconds} s each, the first ${skip} s left out"
echo
printf '%-10s %-8s %8s %8s %8s %8s\n' scene set-up median 10th samples windows

wine_session_start
for scene in "${scenes[@]}"; do run_scene "$scene" xvfb; done
wine_session_stop

WINE_SESSION_MONITORS=right wine_session_start
for scene in "${scenes[@]}"; do
  xrandr --output DUMMY1 --off
  run_scene "$scene" one
  xrandr --output DUMMY1 --mode 1024x768 --right-of DUMMY0
  run_scene "$scene" right
  xrandr --output DUMMY1 --mode 1024x768 --left-of DUMMY0
  run_scene "$scene" left
done
