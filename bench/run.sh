#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Benchmarks quorvant-cli against tree (and find, as the floor) on 10,000,
# 100,000 and 1,000,000 files, the picture probes on small and large
# pictures, peak memory, and the window's file list. Not run by CI.
#
#   bench/run.sh                 build into build-bench/, data in /tmp/quorvant-bench
#   BUILD_DIR=build-x BENCH_DIR=/data/qb PAIRS=9 bench/run.sh
#   SIZES="10000 100000" bench/run.sh      leave out the million
#
# Commands compared with each other take turns (A B A B ...), PAIRS rounds,
# so load from other work on the machine falls on all of them alike; the
# ratios of the medians are the results, single times drift with the load.
# Prints a Markdown summary (also saved as $BENCH_DIR/results.md) for
# bench/README.md. The data directories are made once and reused.
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT=$PWD
BUILD_DIR=${BUILD_DIR:-build-bench}
BENCH_DIR=${BENCH_DIR:-/tmp/quorvant-bench}
PAIRS=${PAIRS:-7}
SIZES=${SIZES:-10000 100000 1000000}
PICTURES=10000
SMALL_PICTURE=2048          # bytes
LARGE_PICTURE=262144        # bytes: 10,000 of them are 2.5 GiB
FILE_SIZES="0-5120"         # bytes, as bench_makefiles writes them

. bench/common.sh
need_packages tree time
build_targets quorvant-cli bench_makefiles
# The window's file list is measured only where the window builds.
have_filelist=no
if cmake --build "$BUILD_DIR" --parallel 2 --target bench_filelist >/dev/null 2>&1; then
  have_filelist=yes
fi
BIN=$ROOT/$BUILD_DIR/bin
CLI=$BIN/quorvant-cli

mkdir -p "$BENCH_DIR"
for n in $SIZES; do
  make_data "$BENCH_DIR/files-$n" "$n/$FILE_SIZES" "$BIN/bench_makefiles" files "$BENCH_DIR/files-$n" "$n"
done
make_data "$BENCH_DIR/pictures-small" "$PICTURES/$SMALL_PICTURE" \
  "$BIN/bench_makefiles" pictures "$BENCH_DIR/pictures-small" "$PICTURES" "$SMALL_PICTURE"
make_data "$BENCH_DIR/pictures-large" "$PICTURES/$LARGE_PICTURE" \
  "$BIN/bench_makefiles" pictures "$BENCH_DIR/pictures-large" "$PICTURES" "$LARGE_PICTURE"

# A settings file of the benchmark's own: nothing beside the binary is read.
SETTINGS=$BENCH_DIR/bench.ini
: > "$SETTINGS"

# Runs each command line PAIRS times, taking turns (output discarded), and
# puts the median wall time (ms) of command i into MEDIAN[i] and its largest
# peak resident memory (MiB) into PEAK[i]. Each command line puts $TIMED
# before the program it measures. A document a run writes is removed after
# it, outside the time, so every run lists the same files.
TIMED="/usr/bin/time -f %M -o $BENCH_DIR/time.txt"
declare -a MEDIAN PEAK
measure() {  # command-line...
  local -a cmds=("$@") times=() peaks=()
  local i r start end
  MEDIAN=() PEAK=()
  for ((r = 0; r < PAIRS; r++)); do
    for i in "${!cmds[@]}"; do
      start=$EPOCHREALTIME
      (eval "${cmds[$i]}") >/dev/null 2>&1
      end=$EPOCHREALTIME
      rm -f "$BENCH_DIR"/*/bench-index.html
      times[$i]+="$(awk -v s="$start" -v e="$end" 'BEGIN { printf "%.1f", (e - s) * 1000 }') "
      peaks[$i]+="$(tail -1 "$BENCH_DIR/time.txt") "
    done
  done
  for i in "${!cmds[@]}"; do
    MEDIAN[$i]=$(tr ' ' '\n' <<<"${times[$i]}" | grep . | sort -n | sed -n "$(((PAIRS + 1) / 2))p")
    PEAK[$i]=$(tr ' ' '\n' <<<"${peaks[$i]}" | grep . | sort -n | tail -1 | awk '{ printf "%.1f", $1 / 1024 }')
  done
}

# The document goes into the listed directory (relative links).
CLI_RUN="'$CLI' --settings '$SETTINGS' --overwrite --name bench-index"
text_run() { echo "\$TIMED $CLI_RUN --mode text --size --date '$1'"; }
tree_run() { echo "cd '$1' && \$TIMED tree -H . -s -D -L 1 --noreport"; }
find_run() { echo "cd '$1' && \$TIMED find . -maxdepth 1 -printf '%s %T@ %f\\n'"; }
picture_run() { echo "\$TIMED $CLI_RUN --shrink --picture-size '$1'"; }

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
verdict() { awk -v v="$1" -v t="$2" 'BEGIN { print (v <= t) ? "met" : "MISSED" }'; }

# One run each first: it warms the caches and shows any failure in full.
echo "Warming up..." >&2
TIMED=
for n in $SIZES; do
  eval "$(text_run "$BENCH_DIR/files-$n")" >/dev/null
  (eval "$(tree_run "$BENCH_DIR/files-$n")" >/dev/null)
done
eval "$(picture_run "$BENCH_DIR/pictures-small")" >/dev/null
eval "$(picture_run "$BENCH_DIR/pictures-large")" >/dev/null
rm -f "$BENCH_DIR"/*/bench-index.html
TIMED="/usr/bin/time -f %M -o $BENCH_DIR/time.txt"

rows=()
declare -A TEXT_MS
for n in $SIZES; do
  echo "Measuring $n files, $PAIRS rounds..." >&2
  F=$BENCH_DIR/files-$n
  if [ "$n" = 100000 ]; then
    measure "$(text_run "$F")" "$(tree_run "$F")" "$(find_run "$F")"
  else
    measure "$(text_run "$F")" "$(tree_run "$F")"
  fi
  TEXT_MS[$n]=${MEDIAN[0]}
  r=$(ratio "${MEDIAN[0]}" "${MEDIAN[1]}")
  # The target holds from 100,000 files on; below, starting the program weighs in.
  if [ "$n" -ge 100000 ]; then r="$r: $(verdict "$r" 0.67)"; fi
  rows+=("| $n | ${MEDIAN[0]} ms | ${MEDIAN[1]} ms | $r | ${PEAK[0]} MiB | ${PEAK[1]} MiB |")
  if [ "$n" = 100000 ]; then
    find_row="| find . -maxdepth 1 -printf, $n files | ${MEDIAN[2]} ms | ratio quorvant-cli / find $(ratio "${MEDIAN[0]}" "${MEDIAN[2]}") |"
  fi
  if [ "$n" = 1000000 ]; then
    million_peak=${PEAK[0]}
  fi
done

echo "Measuring pictures, $PAIRS rounds..." >&2
measure "$(picture_run "$BENCH_DIR/pictures-small")" "$(picture_run "$BENCH_DIR/pictures-large")"
pic_small=${MEDIAN[0]} pic_large=${MEDIAN[1]} pic_peak=${PEAK[0]}

if [ "$have_filelist" = yes ]; then
  echo "Measuring the window's file list..." >&2
  largest=${SIZES##* }
  filelist=$(QT_QPA_PLATFORM=offscreen "$BIN/bench_filelist" "$BENCH_DIR/files-$largest")
fi

{
  echo "Machine: $(nproc) cores, $(awk -F': ' '/model name/ { print $2; exit }' /proc/cpuinfo)," \
       "$(awk '/MemTotal/ { printf "%.0f GiB", $2 / 1048576 }' /proc/meminfo) RAM, $(uname -sr)," \
       "$(tree --version | head -1 | awk '{ print "tree", $2 }'); $(date -u '+%Y-%m-%d %H:%M UTC')," \
       "load average $(cut -d' ' -f1-3 /proc/loadavg) at the end"
  echo
  echo "Text mode, \`quorvant-cli --mode text --size --date\` against \`tree -H . -s -D -L 1 --noreport\`;"
  echo "medians of $PAIRS interleaved rounds, files of $FILE_SIZES bytes:"
  echo
  echo "| Files | quorvant-cli | tree | ratio (target from 100000 files: at most 0.67) | peak memory quorvant-cli | peak memory tree |"
  echo "|---|---|---|---|---|---|"
  printf '%s\n' "${rows[@]}"
  echo
  if [ -n "${find_row:-}" ]; then
    echo "| Floor | Median | |"
    echo "|---|---|---|"
    echo "$find_row"
    echo
  fi
  if [ -n "${TEXT_MS[100000]:-}" ] && [ -n "${TEXT_MS[1000000]:-}" ]; then
    growth=$(ratio "${TEXT_MS[1000000]}" "${TEXT_MS[100000]}")
    echo "Growth: 1,000,000 files take $growth x the time of 100,000 (target at most 11: $(verdict "$growth" 11));" \
         "peak memory $million_peak MiB (target under 300: $(verdict "$million_peak" 299.99))."
    echo
  fi
  echo "Picture mode, \`quorvant-cli --shrink --picture-size\` on $PICTURES pictures (half GIF, half JFIF):" \
       "$pic_small ms for pictures of $SMALL_PICTURE bytes, $pic_large ms for $LARGE_PICTURE bytes" \
       "(ratio $(ratio "$pic_large" "$pic_small"), about 1: headers only); peak memory $pic_peak MiB."
  echo
  if [ "$have_filelist" = yes ]; then
    echo "Window file list, $largest files, offscreen ($(sed -n 's/^list: //p' <<<"$filelist")):" \
         "load $(sed -n 's/^load_ms: //p' <<<"$filelist") ms" \
         "(target under 2000: $(verdict "$(sed -n 's/^load_ms: //p' <<<"$filelist")" 1999.99))," \
         "\"Select All\" with the status count $(sed -n 's/^select_all_ms: //p' <<<"$filelist") ms," \
         "a run's walk over every row's selection state $(sed -n 's/^selection_walk_ms: //p' <<<"$filelist") ms."
  else
    echo "Window file list: not measured, bench_filelist did not build in $BUILD_DIR."
  fi
} | tee "$BENCH_DIR/results.md"
