#!/usr/bin/env bash
# Checks that the program's folders include one another only downwards, in the order of floors given by the
# table in the README's layout section: a file may include its own folder and folders on lower floors,
# never a folder beside it or above it. Prints every include against the order and fails if there is one.
#   tools/check-layers.sh [README]
set -euo pipefail
cd "$(dirname "$0")/.."
readme=${1:-README.md}

# Rows of the layout table: | <floor> | `<folder>/` | what lives there | what it may use |
declare -A floor
while read -r number folder; do floor[$folder]=$number; done < <(
  awk '/^## /{on = ($0 ~ /^## Layout/)} on && /^\| *[0-9]+ *\| *`[a-z_]+\/`/ {
         gsub(/[|`\/]/, " "); print $1, $2 }' "$readme")
if [ ${#floor[@]} -eq 0 ]; then
  echo "check-layers: no floors in the layout section of $readme" >&2
  exit 2
fi

bad=0
report() { echo "$*"; bad=$((bad + 1)); }

# Every folder of the program's own sources stands on a floor; tests and tools may use any of them.
for dir in */; do
  dir=${dir%/}
  case "$dir" in tests | tools | build | docs | cmake) continue ;; esac
  [ -n "${floor[$dir]:-}" ] && continue
  if find "$dir" -name '*.cpp' -o -name '*.h' | grep -q .; then report "$dir/: holds sources but stands on no floor"; fi
done

for folder in "${!floor[@]}"; do
  if [ ! -d "$folder" ]; then
    report "$folder/: named in the layout table but missing"
    continue
  fi
  while IFS=: read -r file line text; do
    target=$(sed -E 's/.*#[[:space:]]*include[[:space:]]+"([^/"]+)\/.*/\1/' <<<"$text")
    [ "$target" = "$folder" ] && continue
    if [ -z "${floor[$target]:-}" ]; then
      report "$file:$line: includes $target/, which stands on no floor"
    elif [ "${floor[$target]}" -ge "${floor[$folder]}" ]; then
      report "$file:$line: $folder/ (floor ${floor[$folder]}) includes $target/ (floor ${floor[$target]})"
    fi
  done < <(grep -rnH -E '^[[:space:]]*#[[:space:]]*include[[:space:]]+"[^/"]+/' "$folder" \
             --include='*.h' --include='*.cpp' --include='*.rc' || true)
done

if [ $bad -gt 0 ]; then
  echo "check-layers: $bad include(s) against the floors of $readme" >&2
  exit 1
fi
echo "check-layers: every include of ${#floor[@]} folders goes down the floors of $readme"
