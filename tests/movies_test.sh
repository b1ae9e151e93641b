#!/usr/bin/env bash
# The README's films, made small: tools/bench/movies.sh with the built plumora_movie writes a look's film and
# the switch film as looping animated WebP files of the asked size and length, 50 ms a frame; a look's first
# frame is not black, and the switch clears the old look's picture before the next look starts.
#   tests/movies_test.sh PLUMORA_MOVIE
set -euo pipefail
tool=${1:?usage: movies_test.sh PLUMORA_MOVIE}
root=$(cd "$(dirname "$0")/.." && pwd)
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

bash "$root/tools/bench/movies.sh" --tool "$tool" --into "$out" --size 48x32 --frames 2 --switch-frames 2 \
  --fade 0 --only Default2,switch >/dev/null 2>&1

failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

# The container as webpmux reads it: canvas, animation, endless loop, two frames of 50 ms each.
check_container() {
  local file=$1 info
  info=$(webpmux -info "$file") || { fail "$file: webpmux cannot read it"; return; }
  grep -qx 'Canvas size: 48 x 32' <<<"$info" || fail "$file: not 48 x 32: $(head -1 <<<"$info")"
  grep -q '^Features present: animation' <<<"$info" || fail "$file: not an animation"
  grep -q 'Loop Count : 0$' <<<"$info" || fail "$file: does not loop for ever"
  grep -qx 'Number of frames: 2' <<<"$info" || fail "$file: not 2 frames: $(grep -m1 'frames' <<<"$info" || :)"
  local durations
  durations=$(awk '$1 ~ /^[0-9]+:$/ {print $7}' <<<"$info" | sort -u | tr '\n' ' ')
  [ "$durations" = "50 " ] || fail "$file: frame durations $durations, not 50 ms"
}

# The mean brightness (0 to 1) of each frame as a browser composes it, one a line.
frame_means() { convert "$1" -coalesce -format '%[fx:mean]\n' info:; }

for film in look2 switch; do
  if [ -f "$out/$film.webp" ]; then check_container "$out/$film.webp"; else fail "no $film.webp"; fi
done
if [ -f "$out/look2.webp" ]; then
  mapfile -t means < <(frame_means "$out/look2.webp")
  awk -v b="${means[0]}" 'BEGIN {exit !(b > 0.05)}' || fail "look2.webp: the first frame is black (${means[0]})"
fi
if [ -f "$out/switch.webp" ]; then
  mapfile -t means < <(frame_means "$out/switch.webp")
  awk -v b="${means[0]}" -v a="${means[1]:-1}" 'BEGIN {exit !(b > 0.05 && a < b / 2)}' ||
    fail "switch.webp: the frame after the switch (${means[1]:-none}) is not cleared of the look before (${means[0]})"
fi
[ "$failures" -eq 0 ] && echo "movie files: look2.webp and switch.webp as asked"
exit $((failures > 0))
