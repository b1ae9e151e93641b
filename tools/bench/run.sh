#!/usr/bin/env bash
# Builds the benchmark, runs it at the default size and puts half-size copies of the six looks' snapshots
# into docs/looks/ (look1.png … look6.png); the figures go to standard output. Arguments go to plumora_bench
# (e.g. --frames 100, or --only Default1,Default2 for some scenes only).
set -euo pipefail
cd "$(dirname "$0")/../.."

bash tools/build.sh native >/dev/null
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
build/native/plumora_bench --out "$out" "$@"
mkdir -p docs/looks
for i in 1 2 3 4 5 6; do
  if [ -f "$out/look$i.png" ]; then convert "$out/look$i.png" -resize 50% "docs/looks/look$i.png"; fi
done
