# shellcheck shell=bash
# Sourced first by each benchmark (bench/*.sh): strict mode, the top of the work tree as the working
# directory, the programs the bench presets build, starting them and cleaning up, and the figures'
# arithmetic.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/../.."
# shellcheck source=script/lib/virtual_display.sh
source script/lib/virtual_display.sh
# shellcheck source=script/lib/settings.sh
source script/lib/settings.sh

# shellcheck disable=SC2034 # for the scripts that source this
program_exe=build/bench/src/app/quorlane
bench_bin=build/bench/bench
# shellcheck disable=SC2034
floor_exe=$bench_bin/quorlane_floor
scratch=$(mktemp -d)
started=()

bench_cleanup() {
  local pid
  for pid in "${started[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$scratch"
  vd_stop
}

# bench_on_display: a virtual display of the caller's own; on exit everything started here ends.
# $program is then a copy of the program beside settings of its own: 5,000 yen, 5 attendees.
bench_on_display() {
  trap bench_cleanup EXIT
  vd_start
  # shellcheck disable=SC2034 # the caller's
  program=$(beside_settings "$program_exe" "$scratch/meeting" 5000 5)
}

# launch COMMAND...: starts it in the background; its PID is in $launched.
launch() {
  "$@" >/dev/null 2>&1 &
  launched=$!
  started+=("$launched")
}

# open_window COMMAND...: launches it and waits for its window, whose id is then in $window (a slow
# start, as under valgrind, gets a second wait).
open_window() {
  launch "$@"
  # shellcheck disable=SC2034 # the caller's
  window=$(vd_window_of "$launched" || vd_window_of "$launched")
}

# median: the median of the numbers on stdin, one a line.
median() {
  sort -g | awk '{ v[NR] = $1 } END { printf "%.6g\n", NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# field N: the Nth column of stdin.
field() {
  awk -v c="$1" '{ print $c }'
}

# summarise N: "min MIN  median MEDIAN  max MAX ms" of the microsecond figures in column N of stdin.
summarise() {
  field "$1" | sort -g | awk '{ v[NR] = $1 / 1000 } END {
    m = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
    printf "min %.1f  median %.1f  max %.1f ms\n", v[1], m, v[NR] }'
}

# ratio_table PROGRAM FLOOR UNIT LABEL...: the medians of the figures in PROGRAM and FLOOR (files of
# columns, the first LABEL naming column 1, the next column 2...) side by side with their ratio,
# against the goal of at most 1.1 times the floor. UNIT: KiB as they stand, or ms from microseconds.
ratio_table() {
  local program=$1 floor=$2 unit=$3 column=0 label
  shift 3
  echo "| Figure | Quorlane | Floor | Ratio | Goal: at most 1.1 x |"
  echo "|---|---|---|---|---|"
  for label; do
    column=$((column + 1))
    ratio_row "$label" "$unit" "$(median_in "$unit" "$column" "$program")" \
      "$(median_in "$unit" "$column" "$floor")"
  done
}

# median_in UNIT N FILE: the median of column N of FILE, in ms from microseconds when UNIT is ms.
median_in() {
  field "$2" <"$3" | awk -v scale="$([ "$1" = ms ] && echo 1000 || echo 1)" '{ print $1 / scale }' \
    | median
}

# ratio_row LABEL UNIT PROGRAM FLOOR: one row of such a table.
ratio_row() {
  awk -v label="$1" -v unit="$2" -v p="$3" -v f="$4" 'BEGIN {
    ratio = p / f
    verdict = ratio <= 1.1 ? "met" : sprintf("missed by %.0f %%", (ratio / 1.1 - 1) * 100)
    printf "| %s | %s %s | %s %s | %.2f | %s |\n", label, p, unit, f, unit, ratio, verdict }'
}

# write_figures DIR PAGE...: replaces each block from "<!-- figures NAME -->" to "<!-- end -->"
# with DIR/NAME.md; a block without its file stays as it was.
write_figures() {
  local dir=$1 page
  shift
  for page in "$@"; do
    awk -v dir="$dir" '
      /^<!-- figures [a-z]+ -->$/ {
        print; file = dir "/" $3 ".md"
        if ((getline line < file) > 0) {
          print line; while ((getline line < file) > 0) print line
          close(file); skipping = 1
        }
        next
      }
      /^<!-- end -->$/ { skipping = 0 }
      !skipping' "$page" >"$dir/page.md"
    cp "$dir/page.md" "$page"
  done
}
