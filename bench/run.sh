#!/usr/bin/env bash
# Benchmarks quorvant-cli against tree and find, the picture probes on small
# and large pictures, peak memory, and the window's file list. Not run by CI.
#
#   bench/run.sh                 build into build-bench/, data in /tmp/quorvant-bench
#   BUILD_DIR=build-x BENCH_DIR=/data/qb bench/run.sh
#
# Prints a Markdown summary (also saved as $BENCH_DIR/results.md) for
# bench/README.md. The data directories are made once and reused.
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT=$PWD
BUILD_DIR=${BUILD_DIR:-build-bench}
BENCH_DIR=${BENCH_DIR:-/tmp/quorvant-bench}
RUNS=5
FILES=100000
PICTURES=10000
SMALL_PICTURE=2048          # bytes
LARGE_PICTURE=262144        # bytes: 10,000 of them are 2.5 GiB

sudo_if_needed() { if [ "$(id -u)" -ne 0 ]; then sudo "$@"; else "$@"; fi; }

# tree is the comparison program; it is not a build dependency.
if ! command -v tree >/dev/null; then
  echo "Installing tree for the comparison..." >&2
  sudo_if_needed apt-get update -qq
  DEBIAN_FRONTEND=noninteractive sudo_if_needed apt-get install -y -qq --no-install-recommends tree >&2
fi
if [ ! -x /usr/bin/time ]; then
  DEBIAN_FRONTEND=noninteractive sudo_if_needed apt-get install -y -qq --no-install-recommends time >&2
fi

echo "Building in $BUILD_DIR..." >&2
[ -f "$BUILD_DIR/CMakeCache.txt" ] || cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >&2
cmake --build "$BUILD_DIR" --parallel 2 --target quorvant-cli bench_makefiles bench_filelist >&2
BIN=$ROOT/$BUILD_DIR/bin
CLI=$BIN/quorvant-cli

# Data, made once: a marker file records a complete directory.
make_data() {  # dir marker-text command...
  local dir=$1 marker=$2; shift 2
  if [ "$(cat "$dir.done" 2>/dev/null)" != "$marker" ]; then
    echo "Making $dir..." >&2
    rm -rf "$dir" "$dir.done"
    "$@"
    echo "$marker" > "$dir.done"
  fi
}
mkdir -p "$BENCH_DIR"
make_data "$BENCH_DIR/files" "$FILES" "$BIN/bench_makefiles" files "$BENCH_DIR/files" "$FILES"
make_data "$BENCH_DIR/pictures-small" "$PICTURES/$SMALL_PICTURE" \
  "$BIN/bench_makefiles" pictures "$BENCH_DIR/pictures-small" "$PICTURES" "$SMALL_PICTURE"
make_data "$BENCH_DIR/pictures-large" "$PICTURES/$LARGE_PICTURE" \
  "$BIN/bench_makefiles" pictures "$BENCH_DIR/pictures-large" "$PICTURES" "$LARGE_PICTURE"

# A settings file of the benchmark's own: nothing beside the binary is read.
SETTINGS=$BENCH_DIR/bench.ini
: > "$SETTINGS"

# Median wall times in milliseconds of RUNS runs of each command (output
# discarded), into MEDIAN[i]. The commands take turns, so load from other work
# on the machine falls on all of them alike. Each argument is one command line.
declare -a MEDIAN
measure() {
  local -a cmds=("$@") times=()
  local i r start end
  MEDIAN=()
  for ((r = 0; r < RUNS; r++)); do
    for i in "${!cmds[@]}"; do
      start=$EPOCHREALTIME
      eval "${cmds[$i]}" >/dev/null 2>&1
      end=$EPOCHREALTIME
      times[$i]+="$(awk -v s="$start" -v e="$end" 'BEGIN { printf "%.1f", (e - s) * 1000 }') "
    done
  done
  for i in "${!cmds[@]}"; do
    MEDIAN[$i]=$(tr ' ' '\n' <<<"${times[$i]}" | grep . | sort -n | sed -n "$(((RUNS + 1) / 2))p")
  done
}

# The document goes into the listed directory; removing it after each run
# keeps the next run's list the same.
cli_in() {  # dir options...
  local dir=$1; shift
  (cd "$dir" && "$CLI" --settings "$SETTINGS" --overwrite --name bench-index "$@" && rm -f bench-index.html)
}
tree_in() { (cd "$1" && tree -H . -s -D -L 1 --noreport); }
find_in() { (cd "$1" && find . -maxdepth 1 -printf '%s %T@ %f\n'); }

# Peak resident memory in MiB.
peak_mib() {
  local report=$BENCH_DIR/time.txt
  /usr/bin/time -v -o "$report" "$@" >/dev/null 2>&1
  awk -F': ' '/Maximum resident set size/ { printf "%.1f", $2 / 1024 }' "$report"
}

F=$BENCH_DIR/files
# One run each first: it warms the caches and shows any failure in full.
echo "Warming up..." >&2
cli_in "$F" --mode text --size --date >/dev/null
cli_in "$BENCH_DIR/pictures-small" --shrink --picture-size >/dev/null
cli_in "$BENCH_DIR/pictures-large" --shrink --picture-size >/dev/null
tree_in "$F" >/dev/null
echo "Measuring (median of $RUNS)..." >&2
measure "cli_in '$F' --mode text --size --date" "tree_in '$F'" "find_in '$F'"
cli_text=${MEDIAN[0]} tree_ms=${MEDIAN[1]} find_ms=${MEDIAN[2]}
measure "cli_in '$BENCH_DIR/pictures-small' --shrink --picture-size" \
        "cli_in '$BENCH_DIR/pictures-large' --shrink --picture-size"
pic_small=${MEDIAN[0]} pic_large=${MEDIAN[1]}
cli_mem=$(cd "$F" && peak_mib "$CLI" --settings "$SETTINGS" --overwrite --name bench-index --mode text --size --date)
rm -f "$F/bench-index.html"
tree_mem=$(cd "$F" && peak_mib tree -H . -s -D -L 1 --noreport)
filelist=$(QT_QPA_PLATFORM=offscreen "$BIN/bench_filelist" "$F")
list_kind=$(sed -n 's/^list: //p' <<<"$filelist")
list_load=$(sed -n 's/^load_ms: //p' <<<"$filelist")
list_select=$(sed -n 's/^select_all_ms: //p' <<<"$filelist")
list_walk=$(sed -n 's/^selection_walk_ms: //p' <<<"$filelist")

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
verdict() { awk -v v="$1" -v t="$2" 'BEGIN { print (v <= t) ? "met" : "MISSED" }'; }

{
  echo "Machine: $(nproc) cores, $(awk -F': ' '/model name/ { print $2; exit }' /proc/cpuinfo)," \
       "$(awk '/MemTotal/ { printf "%.0f GiB", $2 / 1048576 }' /proc/meminfo) RAM, $(uname -sr)," \
       "$(tree --version | head -1 | awk '{ print "tree", $2 }'); $(date -u '+%Y-%m-%d %H:%M UTC')"
  echo
  echo "| Measurement | Median of $RUNS | Target |"
  echo "|---|---|---|"
  echo "| quorvant-cli --mode text --size --date, $FILES files | $cli_text ms | |"
  echo "| tree -H . -s -D -L 1 --noreport, $FILES files | $tree_ms ms | |"
  echo "| find . -maxdepth 1 -printf '%s %T@ %f\\n', $FILES files | $find_ms ms | |"
  echo "| ratio quorvant-cli / tree | $(ratio "$cli_text" "$tree_ms") | at most 1.0: $(verdict "$(ratio "$cli_text" "$tree_ms")" 1.0) |"
  echo "| ratio quorvant-cli / find | $(ratio "$cli_text" "$find_ms") | |"
  echo "| quorvant-cli --shrink --picture-size, $PICTURES pictures of $SMALL_PICTURE bytes | $pic_small ms | |"
  echo "| quorvant-cli --shrink --picture-size, $PICTURES pictures of $LARGE_PICTURE bytes | $pic_large ms | |"
  echo "| ratio large / small pictures | $(ratio "$pic_large" "$pic_small") | about 1: headers only |"
  echo "| peak memory quorvant-cli, text mode, $FILES files | $cli_mem MiB | under 64 MiB: $(verdict "$cli_mem" 63.99) |"
  echo "| peak memory tree, $FILES files | $tree_mem MiB | |"
  echo "| file list load, $FILES files, offscreen | $list_load ms | under 1000 ms: $(verdict "$list_load" 999.99) |"
  echo "| \"Select All\" with the status count, $FILES files | $list_select ms | |"
  echo "| a run's walk over every row's selection state | $list_walk ms | |"
  echo
  echo "File list measured on: $list_kind."
} | tee "$BENCH_DIR/results.md"
