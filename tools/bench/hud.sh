# Sourced by the live benchmarks (live.sh, monitors.sh), inside a Wine session: what they share.

# Writes scene $1 of plumora_bench ($bench) as the settings key, through folder $work.
store_scene() {
  "$bench" --registry "$1" >"$work/scene.reg"
  timeout 30 wine reg delete 'HKCU\Control Panel\Screen Saver.Plumora' /f </dev/null >/dev/null 2>&1 || true
  timeout 30 wine reg import "Z:${work//\//\\}\\scene.reg" </dev/null >/dev/null 2>&1
}

# Median and 10th percentile of the HUD samples in file $1, after the first $2 samples, and their count.
rates() {
  tail -n +"$(($2 + 1))" "$1" | sort -g | awk '{ v[NR] = $1 }
    END { if (NR == 0) { print "- - 0"; exit }
          m = v[int((NR + 1) / 2)]; p = v[int(NR / 10) + 1]; printf "%.1f %.1f %d\n", m, p, NR }'
}
