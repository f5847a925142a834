#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Benchmarks whole-tree pages: quorvant-cli --recursive against tree's HTML
# output on the same tree of 100,000 and 1,000,000 files, and the one-
# directory page on 100,000 files in one directory against tree -L 1. Not
# run by CI.
#
#   bench/tree.sh                      build into build-bench/, data in /tmp/quorvant-bench
#   PAIRS=7 MILLION_PAIRS=3 bench/tree.sh
#   SIZES=100000 bench/tree.sh         leave out the million
#   TREE_DIR_100000=/data/t100k TREE_DIR_1000000=/data/t1m ONE_DIR=/data/f100k bench/tree.sh
#
# Commands compared take turns (A B A B ...), so load from other work on
# the machine falls on both alike; the ratios of the medians are the
# results. Both sides run with TZ=UTC LC_ALL=C (without TZ, tree reads the
# zone file at every date). Prints a Markdown summary, also saved as
# $BENCH_DIR/tree-results.md. Data directories are made once and reused.
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT=$PWD
BUILD_DIR=${BUILD_DIR:-build-bench}
BENCH_DIR=${BENCH_DIR:-/tmp/quorvant-bench}
PAIRS=${PAIRS:-5}
MILLION_PAIRS=${MILLION_PAIRS:-3}
SIZES=${SIZES:-100000 1000000}
DEPTH=6                      # levels of directories at most
FILES_PER_DIR=10             # 100,000 files in 10,000 directories, a million in 100,000
export TZ=UTC LC_ALL=C

. bench/common.sh
need_packages tree time
build_targets quorvant-cli bench_makefiles
BIN=$ROOT/$BUILD_DIR/bin
CLI=$BIN/quorvant-cli

# A directory given by the caller is taken as it is.
mkdir -p "$BENCH_DIR"
declare -A TREE
for n in $SIZES; do
  var=TREE_DIR_$n
  if [ -n "${!var:-}" ]; then
    TREE[$n]=${!var}
  else
    TREE[$n]=$BENCH_DIR/tree-$n
    make_data "${TREE[$n]}" "$n/$((n / FILES_PER_DIR))/$DEPTH" \
      "$BIN/bench_makefiles" tree "${TREE[$n]}" "$n" "$((n / FILES_PER_DIR))" "$DEPTH"
  fi
done
if [ -n "${ONE_DIR:-}" ]; then
  SINGLE=$ONE_DIR
else
  SINGLE=$BENCH_DIR/files-100000
  make_data "$SINGLE" "100000/0-5120" "$BIN/bench_makefiles" files "$SINGLE" 100000
fi

SETTINGS=$BENCH_DIR/bench.ini
: > "$SETTINGS"
TIMES=$BENCH_DIR/tree-time.txt

# Runs each command line rounds times, taking turns, and puts the median wall
# time (ms) of command i into MEDIAN[i] and its largest peak resident memory
# (MiB) into PEAK[i]. The document a run writes is removed after it, outside
# the time, so every run lists the same files.
declare -a MEDIAN PEAK
measure() {  # rounds dir command-line...
  local rounds=$1 dir=$2; shift 2
  local -a cmds=("$@") times=() peaks=()
  local i r start end
  for ((r = 0; r < rounds; r++)); do
    for i in "${!cmds[@]}"; do
      start=$EPOCHREALTIME
      (cd "$dir" && eval "/usr/bin/time -f %M -o '$TIMES' ${cmds[$i]}") >/dev/null 2>&1
      end=$EPOCHREALTIME
      rm -f "$dir/bench-index.html"
      times[$i]+="$(awk -v s="$start" -v e="$end" 'BEGIN { printf "%.1f", (e - s) * 1000 }') "
      peaks[$i]+="$(tail -1 "$TIMES") "
    done
  done
  MEDIAN=() PEAK=()
  for i in "${!cmds[@]}"; do
    MEDIAN[$i]=$(tr ' ' '\n' <<<"${times[$i]}" | grep . | sort -n | sed -n "$(((rounds + 1) / 2))p")
    PEAK[$i]=$(tr ' ' '\n' <<<"${peaks[$i]}" | grep . | sort -n | tail -1 | awk '{ printf "%.1f", $1 / 1024 }')
  done
}

# The document goes into the listed directory (relative links), as tree's
# page does when run there.
CLI_RUN="'$CLI' --settings '$SETTINGS' --overwrite --name bench-index --mode text --size --date"
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
verdict() { awk -v v="$1" -v t="$2" 'BEGIN { print (v <= t) ? "met" : "MISSED" }'; }
load() { cut -d' ' -f1-3 /proc/loadavg; }

echo "Warming up..." >&2
for n in $SIZES; do
  measure 1 "${TREE[$n]}" "$CLI_RUN --recursive ." "tree -H . -s -D --noreport"
done
measure 1 "$SINGLE" "$CLI_RUN ." "tree -H . -s -D -L 1 --noreport"

load_start=$(load)
rows=()
declare -A CLI_MS
for n in $SIZES; do
  rounds=$PAIRS
  [ "$n" -ge 1000000 ] && rounds=$MILLION_PAIRS
  echo "Measuring the tree of $n files, $rounds rounds..." >&2
  measure "$rounds" "${TREE[$n]}" "$CLI_RUN --recursive ." "tree -H . -s -D --noreport"
  CLI_MS[$n]=${MEDIAN[0]}
  r=$(ratio "${MEDIAN[0]}" "${MEDIAN[1]}")
  rows+=("| $n files, $((n / FILES_PER_DIR)) directories | ${MEDIAN[0]} ms | ${MEDIAN[1]} ms | $r: $(verdict "$r" 0.67) | ${PEAK[0]} MiB | ${PEAK[1]} MiB |")
  [ "$n" -ge 1000000 ] && million_peak=${PEAK[0]}
done
echo "Measuring one directory of 100000 files, $PAIRS rounds..." >&2
measure "$PAIRS" "$SINGLE" "$CLI_RUN ." "tree -H . -s -D -L 1 --noreport"
single_ratio=$(ratio "${MEDIAN[0]}" "${MEDIAN[1]}")
single_row="| one directory, 100000 files (\`-L 1\`) | ${MEDIAN[0]} ms | ${MEDIAN[1]} ms | $single_ratio: $(verdict "$single_ratio" 0.67) | ${PEAK[0]} MiB | ${PEAK[1]} MiB |"

{
  echo "Machine: $(nproc) cores, $(awk -F': ' '/model name/ { print $2; exit }' /proc/cpuinfo)," \
       "$(uname -sr), $(tree --version | head -1 | awk '{ print "tree", $2 }'); $(date -u '+%Y-%m-%d %H:%M UTC');" \
       "load average $load_start at the start, $(load) at the end"
  echo
  echo "\`quorvant-cli --recursive --mode text --size --date\` against \`tree -H . -s -D --noreport\` on the same tree"
  echo "(files of 0 to 5120 bytes, directories up to $DEPTH levels deep), and the one-directory page against"
  echo "\`tree -H . -s -D -L 1 --noreport\`; medians of interleaved rounds ($PAIRS, the million $MILLION_PAIRS), TZ=UTC LC_ALL=C:"
  echo
  echo "| Tree | quorvant-cli | tree | ratio (target at most 0.67) | peak memory quorvant-cli | peak memory tree |"
  echo "|---|---|---|---|---|---|"
  printf '%s\n' "${rows[@]}"
  echo "$single_row"
  echo
  if [ -n "${CLI_MS[100000]:-}" ] && [ -n "${CLI_MS[1000000]:-}" ]; then
    growth=$(ratio "${CLI_MS[1000000]}" "${CLI_MS[100000]}")
    echo "Growth: the million files take $growth x the time of 100,000 (target at most 11: $(verdict "$growth" 11));" \
         "peak memory $million_peak MiB (target under 300: $(verdict "$million_peak" 299.99))."
  fi
} | tee "$BENCH_DIR/tree-results.md"
