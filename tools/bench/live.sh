#!/usr/bin/env bash
# Live figures: runs the real Plumora.scr full screen under Wine, in a 1280 x 1024 Xvfb display with Mesa's
# llvmpipe, once for each scene of the benchmark (the six built-in looks and the worst cases), and reads the
# frame rate that Mesa's own HUD records (GALLIUM_HUD=fps, dumped to a file, not drawn). Each scene is
# stored as the settings key first (Period 0, so the look stays), exactly as the benchmark applies it.
#
#   bash tools/bench/live.sh [SECONDS] [SCENE ...]      default: 30 s for every scene
#   SCR=other/Plumora.scr bash tools/bench/live.sh ...   the same scenes with another build (for a baseline)
#
# Prints, per scene, the median and the 10th percentile of the HUD's samples (each the frame rate over half
# a second), the first two seconds left out (start-up), the ratio of the median to the slowest built-in
# look's median of the same run, and to the median of the built-in look that the scene changes.
set -euo pipefail
cd "$(dirname "$0")/../.."

seconds=${1:-30}
shift || true
skip=2  # seconds of start-up whose samples are left out

bash tools/build.sh native >/dev/null
bash tools/build.sh windows >/dev/null
bench=build/native/plumora_bench
scr=${SCR:-build/windows/Plumora.scr}

# Each scene's built-in look, for the ratio over it.
declare -A look_of
while IFS=$'\t' read -r name look; do look_of[$name]=$look; done < <("$bench" --list)
if [ $# -gt 0 ]; then scenes=("$@"); else mapfile -t scenes < <("$bench" --list | cut -f1); fi

source tools/wine-session.sh
source tools/bench/hud.sh
wine_session_start
work=$(mktemp -d)
trap 'wine_session_stop; rm -rf "$work"' EXIT


echo "Plumora live frame rates: $scr /s under $(wine --version), Xvfb 1280x1024x24"
echo "Mesa $(dpkg-query -W -f='${Version}' libgl1-mesa-dri 2>/dev/null) (llvmpipe), $(nproc) cores;" \
  "HUD samples of 0.5 s, ${seconds} s per scene, the first ${skip} s left out"
echo
printf '%-26s %8s %8s %8s %8s %8s\n' scene median 10th samples ratio 'vs look'
slowest=""
declare -A median_of
for scene in "${scenes[@]}"; do
  store_scene "$scene"
  dump="$work/hud"
  rm -rf "$dump"
  mkdir -p "$dump"
  GALLIUM_HUD=fps GALLIUM_HUD_DUMP_DIR="$dump" GALLIUM_HUD_VISIBLE=false GALLIUM_HUD_PERIOD=0.5 \
    timeout --kill-after=5 "$seconds" wine "$scr" /s </dev/null >/dev/null 2>&1 || true
  if [ ! -s "$dump/fps" ]; then
    printf '%-26s %8s\n' "$scene" "no HUD samples"
    continue
  fi
  read -r median tenth count < <(rates "$dump/fps" $((skip * 2)))
  median_of[$scene]=$median
  ratio="" own=""
  case "$scene" in
    Default[1-6])
      if [ -z "$slowest" ] || awk "BEGIN { exit !($median < $slowest) }"; then slowest=$median; fi ;;
    *)
      [ -n "$slowest" ] && ratio=$(awk "BEGIN { printf \"%.2f\", $median / $slowest }")
      look=${look_of[$scene]:-}
      [ -n "$look" ] && [ -n "${median_of[$look]:-}" ] &&
        own=$(awk "BEGIN { printf \"%.2f\", $median / ${median_of[$look]} }") ;;
  esac
  printf '%-26s %8s %8s %8s %8s %8s\n' "$scene" "$median" "$tenth" "$count" "$ratio" "$own"
done
