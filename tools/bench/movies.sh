#!/usr/bin/env bash
# Builds the film recorder and writes the README's moving pictures: docs/looks/look1.webp … look6.webp, each
# built-in look in motion, and docs/looks/switch.webp, an auto-switch from one look to the next. They are
# looping animated WebP files of at most 1.5 MB, drawn from a fixed clock, so that a rerun writes the same.
#   bash tools/bench/movies.sh [--tool PLUMORA_MOVIE] [--into FOLDER] [--step MS] [plumora_movie options]
# --tool takes a built plumora_movie instead of building one, --into writes elsewhere than docs/looks, --step
# is the clock step and the time each frame is shown (50 ms: 20 frames a second, which leaves the encoder room
# for a better quality within the limit than 25 would; the Sprinkle's trails build up at the same pace
# whatever the frame rate).
# The other options go to plumora_movie (e.g. --size 240x192, --frames 50, --only Default2,switch).
set -euo pipefail

tool='' into=docs/looks step=50
while [ $# -ge 2 ]; do
  case "$1" in
    --tool) tool=$(realpath "$2") ;;
    --into) into=$(realpath -m "$2") ;;
    --step) step=$2 ;;
    *) break ;;
  esac
  shift 2
done
cd "$(dirname "$0")/../.."
if [ -z "$tool" ]; then
  bash tools/build.sh native >/dev/null
  tool=build/native/plumora_movie
fi

# The size that a README page loads for each picture, in bytes.
limit=1500000
# Lossy qualities from the best down: each film takes the best that fits the limit. Lossless frames of these
# pictures are about eight times larger, and at 30 the fine circles already blur into the trails.
qualities=(85 80 75 70 65 60 55 50 45 40 35 30)

# Encodes the numbered PNG frames in folder $1 into the looping animation $2.
encode() {
  local frames=() frame q size
  for frame in "$1"/*.png; do frames+=(-d "$step" "$frame"); done
  for q in "${qualities[@]}"; do
    img2webp -loop 0 -lossy -q "$q" -m 4 "${frames[@]}" -o "$work/film.webp" 2>/dev/null
    size=$(stat -c %s "$work/film.webp")
    if [ "$size" -le "$limit" ]; then
      mv "$work/film.webp" "$2"
      echo "$2: $((${#frames[@]} / 3)) frames, quality $q, $size bytes"
      return 0
    fi
  done
  echo "movies.sh: $2 does not fit in $limit bytes even at quality ${qualities[-1]}" >&2
  return 1
}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$tool" --out "$work" --step "$step" "$@"
shopt -s nullglob
films=("$work"/*/)
if [ ${#films[@]} -eq 0 ]; then
  echo "movies.sh: plumora_movie drew no film" >&2
  exit 1
fi
mkdir -p "$into"
for film in "${films[@]}"; do
  encode "${film%/}" "$into/$(basename "$film").webp"
done
