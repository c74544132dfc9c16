#!/bin/bash
# Runs every benchmark of a release build and prints ONE table of medians:
#
#     tools/run-benchmarks.sh [build-dir]      (make bench does the build)
#
# Every bench_* program runs with repetitions (programs that fix their own
# count keep it) and reports only aggregates; the table shows each median,
# and ratios where a comparison is asked (New Puzzle against the plain
# transcription, start-up and peak memory of the game against a bare Qt
# window). Start-up and memory are also measured here from outside: the
# game, a bare Qt program and the same bare program painting thirty texts
# in the game's faces (as it is, and linked against each sound library the
# game could use: Qt Multimedia, libcanberra, libpulse) are each
# started REPEAT times on the offscreen platform, end at their first paint,
# and the median wall time and peak resident memory are taken.
#
# Environment: REPETITIONS (default 9) for the benchmarks, REPEAT (default
# 15) for the process runs, BENCH_FILTER to run only matching programs,
# BENCH_OUT for the results folder (default <build-dir>/bench-results).
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=${1:-build-release}
REPETITIONS=${REPETITIONS:-9}
REPEAT=${REPEAT:-15}
BENCH_FILTER=${BENCH_FILTER:-}
OUT=${BENCH_OUT:-$BUILD/bench-results}
mkdir -p "$OUT"
export QT_QPA_PLATFORM=offscreen

[ -d "$BUILD/bench" ] || { echo "no benchmarks in $BUILD/bench: build first (make bench)" >&2; exit 1; }

# ---- the benchmark programs -------------------------------------------------
: > "$OUT/medians.tsv"
for prog in "$BUILD"/bench/bench_*; do
  [[ -f "$prog" && -x "$prog" ]] || continue
  name=$(basename "$prog")
  [[ -n "$BENCH_FILTER" && "$name" != *"$BENCH_FILTER"* ]] && continue
  echo "running $name ..." >&2
  "$prog" --benchmark_repetitions="$REPETITIONS" --benchmark_report_aggregates_only=true \
    --benchmark_out="$OUT/$name.json" --benchmark_out_format=json > "$OUT/$name.txt" 2>&1 \
    || { echo "$name failed; its output:" >&2; cat "$OUT/$name.txt" >&2; exit 1; }
  # One line per aggregate of interest: program, benchmark, statistic,
  # time, unit. The JSON writer puts one key per line.
  # Counters of a benchmark's own (ratios, medians it took itself) come
  # along as "name=value" pairs.
  awk -v prog="$name" '
    /"run_name":/      { split($0, a, "\""); run = a[4]; counters = "" }
    /"aggregate_name":/ { split($0, a, "\""); agg = a[4] }
    /"real_time":/     { t = $2; sub(",", "", t) }
    /^ *"[A-Za-z_0-9]+": -?[0-9.e+-]+,?$/ {
      split($0, a, "\""); key = a[2]; v = $2; sub(",", "", v)
      if (key !~ /^(family_index|per_family_instance_index|repetitions|repetition_index|threads|iterations|real_time|cpu_time)$/)
        counters = counters (counters == "" ? "" : " ") key "=" sprintf("%.3g", v)
    }
    /"time_unit":/     { split($0, a, "\""); unit = a[4]; pending = 1 }
    # The counters follow the time unit: the entry is whole at its "}".
    /^ *},?$/          { if (pending && (agg == "median" || agg == "p99"))
                           printf "%s\t%s\t%s\t%s\t%s\t%s\n", prog, run, agg, t, unit, counters
                         pending = 0; agg = "" }
  ' "$OUT/$name.json" >> "$OUT/medians.tsv"
done

# ---- start-up and peak memory from outside ------------------------------------
cc -O2 -o "$OUT/measure-run" tools/bench/measure-run.c
# shellcheck disable=SC2046
c++ -O2 -fPIC -std=c++17 -I . -o "$OUT/bare-window" tools/bench/bare-window.cpp $(pkg-config --cflags --libs Qt6Widgets)
# shellcheck disable=SC2046
c++ -O2 -fPIC -std=c++17 -I . -o "$OUT/text-window" tools/bench/text-window.cpp $(pkg-config --cflags --libs Qt6Widgets)
# shellcheck disable=SC2046
c++ -O2 -fPIC -std=c++17 -I . -o "$OUT/text-window-multimedia" tools/bench/text-window.cpp \
  -Wl,--no-as-needed $(pkg-config --cflags --libs Qt6Widgets Qt6Multimedia) -Wl,--as-needed
for lib in libcanberra libpulse; do
  # shellcheck disable=SC2046
  c++ -O2 -fPIC -std=c++17 -I . -o "$OUT/text-window-$lib" tools/bench/text-window.cpp \
    -Wl,--no-as-needed $(pkg-config --cflags --libs Qt6Widgets $lib) -Wl,--as-needed
done
# The game runs from a folder of its own, so that its data files and
# settings are written there on the first (unmeasured) run.
GAMEDIR="$OUT/game"
rm -rf "$GAMEDIR"; mkdir -p "$GAMEDIR"
cp "$BUILD/lumora" "$GAMEDIR/lumora"
LUMORA_EXIT_AFTER_FIRST_PAINT=1 "$GAMEDIR/lumora" > /dev/null 2>&1 || true
"$OUT/bare-window" > /dev/null 2>&1 || true
"$OUT/text-window" > /dev/null 2>&1 || true

: > "$OUT/runs.tsv"
# One run of a program, as one line of runs.tsv: its kind, then what
# measure-run prints (wall milliseconds, peak kilobytes, exit status).
measure() {
  local kind=$1; shift
  printf '%s\t%s\n' "$kind" "$("$OUT/measure-run" "$@" 2>/dev/null)" >> "$OUT/runs.tsv"
}
for i in $(seq "$REPEAT"); do
  # Alternate the programs so that a busy moment of the machine hits all.
  measure bare "$OUT/bare-window"
  measure text "$OUT/text-window"
  measure textmm "$OUT/text-window-multimedia"
  measure textca "$OUT/text-window-libcanberra"
  measure textpa "$OUT/text-window-libpulse"
  LUMORA_EXIT_AFTER_FIRST_PAINT=1 measure game "$GAMEDIR/lumora"
done
if awk '$4 != 0 { bad = 1 } END { exit !bad }' FS='[\t ]' "$OUT/runs.tsv"; then
  echo "a start-up run did not end cleanly:" >&2; cat "$OUT/runs.tsv" >&2; exit 1
fi

median() { sort -g | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
# The median of one column of runs.tsv over the runs of one kind.
column_median() { awk -F'[\t ]' -v kind="$1" -v col="$2" '$1 == kind { print $col }' "$OUT/runs.tsv" | median; }
declare -A median_ms median_kb
for kind in bare text textmm textca textpa game; do
  median_ms[$kind]=$(column_median "$kind" 2)
  median_kb[$kind]=$(column_median "$kind" 3)
done

# ---- the table ---------------------------------------------------------------
{
  echo "| benchmark | median | comparison |"
  echo "|---|---|---|"
  awk -F'\t' '
    function show(t, unit) { return sprintf("%.3g %s", t, unit) }
    { key = $2 "\t" $3; time[key] = $4; unit[key] = $5; extra[key] = $6; order[++n] = key }
    END {
      for (i = 1; i <= n; ++i) {
        key = order[i]; split(key, k, "\t"); run = k[1]; stat = k[2]
        note = ""
        if (run ~ /^BM_NewPuzzle(\/|$)/ && stat == "median") {
          plain = run; sub(/^BM_NewPuzzle/, "BM_NewPuzzlePlain", plain)
          if ((plain "\tmedian") in time)
            note = sprintf("%.1fx faster than the plain transcription (%s)", time[plain "\tmedian"] / time[key], show(time[plain "\tmedian"], unit[plain "\tmedian"]))
        }
        if (extra[key] != "")
          note = note (note == "" ? "" : "; ") extra[key]
        label = run (stat == "median" ? "" : " (" stat ")")
        printf "| %s | %s | %s |\n", label, show(time[key], unit[key]), note
      }
      # Ratios of start-up benchmarks: each game start-up against the bare one.
      for (i = 1; i <= n; ++i) {
        split(order[i], k, "\t"); if (k[2] != "median" || k[1] !~ /Bare/) continue
        for (j = 1; j <= n; ++j) {
          split(order[j], g, "\t")
          if (g[2] == "median" && g[1] !~ /Bare/ && g[1] ~ /Start/)
            printf "| %s / %s | %.2fx | start-up against a bare Qt window |\n", g[1], k[1], time[order[j]] / time[order[i]]
        }
      }
    }' "$OUT/medians.tsv"
  printf '| start-up to first paint, game process | %.1f ms | %.2fx the bare Qt window (%.1f ms) |\n' \
    "${median_ms[game]}" "$(awk -v a="${median_ms[game]}" -v b="${median_ms[bare]}" 'BEGIN { print a / b }')" "${median_ms[bare]}"
  printf '| start-up to first paint, a bare window painting thirty texts in the same faces | %.1f ms | %.2fx the bare Qt window |\n' \
    "${median_ms[text]}" "$(awk -v a="${median_ms[text]}" -v b="${median_ms[bare]}" 'BEGIN { print a / b }')"
  for row in "nothing more:${median_ms[text]}:${median_kb[text]}" "Qt Multimedia:${median_ms[textmm]}:${median_kb[textmm]}" \
             "libcanberra:${median_ms[textca]}:${median_kb[textca]}" "libpulse:${median_ms[textpa]}:${median_kb[textpa]}"; do
    IFS=: read -r what ms kb <<< "$row"
    printf '| the same, linked against %s | %.1f ms, %.1f MB | %.2fx the bare Qt window, %.2fx its memory |\n' \
      "$what" "$ms" "$(awk -v a="$kb" 'BEGIN { print a / 1024 }')" \
      "$(awk -v a="$ms" -v b="${median_ms[bare]}" 'BEGIN { print a / b }')" "$(awk -v a="$kb" -v b="${median_kb[bare]}" 'BEGIN { print a / b }')"
  done
  printf '| peak resident memory, game process | %.1f MB | %.2fx the bare Qt window (%.1f MB) |\n' \
    "$(awk -v a="${median_kb[game]}" 'BEGIN { print a / 1024 }')" "$(awk -v a="${median_kb[game]}" -v b="${median_kb[bare]}" 'BEGIN { print a / b }')" \
    "$(awk -v a="${median_kb[bare]}" 'BEGIN { print a / 1024 }')"
} | tee "$OUT/table.md"

echo >&2
echo "machine: $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ *//'), $(nproc) cores, $(awk '/MemTotal/ { printf "%.1f GB", $2 / 1048576 }' /proc/meminfo), $(. /etc/os-release; echo "$PRETTY_NAME"), Qt $(pkg-config --modversion Qt6Widgets)" | tee "$OUT/machine.txt" >&2
echo "medians of $REPETITIONS repetitions (New Puzzle: of its own count of seeded puzzles); processes: medians of $REPEAT runs each" >&2
