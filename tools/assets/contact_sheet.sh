#!/usr/bin/env bash
# Draws docs/textures.png: the eight generated texture bitmaps at twice their size, the sprites in one
# row and the strips in another, each labelled with its name and resource id. Needs ImageMagick.
set -euo pipefail
cd "$(dirname "$0")/../.."
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
font=/usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf  # from fonts-liberation

# tile <name> <id>: the picture scaled up without smoothing, its label underneath, on a dark margin.
tile() {
  convert "resources/bitmaps/$1.bmp" -scale 200% \
    \( -background '#202020' -fill '#d0d0d0' -font "$font" -pointsize 16 label:"${1//_/ } ($2)" \) \
    -gravity center -background '#202020' -append -bordercolor '#202020' -border 10 "$work/$1.png"
}
row() { local out=$1; shift; convert "${@/#/$work/}" -background '#202020' -gravity north +append "$work/$out"; }

for entry in sun:108 star:107 fancy_star:105 blue_planet:111 milky_way:106 \
             blue_comet:114 halley_comet:115 gold_stick:113; do
  tile "${entry%%:*}" "${entry##*:}"
done
row sprites.png sun.png star.png fancy_star.png blue_planet.png milky_way.png
row strips.png blue_comet.png halley_comet.png gold_stick.png
convert "$work/sprites.png" "$work/strips.png" -background '#202020' -gravity center -append -depth 8 -strip \
  docs/textures.png
