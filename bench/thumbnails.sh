#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Benchmarks the thumbnails of a picture page: 300 camera-size JPEG pictures
# (4000x3000, made once by bench_makepictures with the detail of photos)
# into 200-pixel thumbnails, by bench_thumbnails (the library as the run
# calls it) against vipsthumbnail and ImageMagick's convert -thumbnail on
# the same files with the same size; and a rerun with nothing changed
# against the first run. Not run by CI.
#
#   bench/thumbnails.sh
#   BUILD_DIR=build-x BENCH_DIR=/data/qb PAIRS=9 COUNT=300 bench/thumbnails.sh
#
# The commands take turns (A B A B ...), PAIRS rounds, so load from other
# work falls on all alike; the results are the ratios of the medians. Each
# command writes into a folder emptied before it, outside the time.
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT=$PWD
BUILD_DIR=${BUILD_DIR:-build-bench}
BENCH_DIR=${BENCH_DIR:-/tmp/quorvant-bench}
PAIRS=${PAIRS:-5}
COUNT=${COUNT:-300}
SIZE=200
export TZ=UTC LC_ALL=C

for tool in vipsthumbnail convert; do
  command -v "$tool" >/dev/null || { echo "$tool is missing (Debian: libvips-tools, imagemagick)" >&2; exit 1; }
done

. bench/common.sh
build_targets bench_makepictures bench_thumbnails
BIN=$ROOT/$BUILD_DIR/bin

PHOTOS=$BENCH_DIR/photos-$COUNT
OUT=$BENCH_DIR/thumbnails-out
if [ "$(cat "$PHOTOS.done" 2>/dev/null)" != "$COUNT" ]; then
  echo "Making $COUNT pictures in $PHOTOS..." >&2
  rm -rf "$PHOTOS" "$PHOTOS.done"
  QT_QPA_PLATFORM=offscreen "$BIN/bench_makepictures" "$PHOTOS" "$COUNT"
  echo "$COUNT" > "$PHOTOS.done"
fi
FOLDER=$PHOTOS/bench-thumbs_thumbnails

ours() { "$BIN/bench_thumbnails" "$PHOTOS" "$SIZE" >/dev/null; }
vips() { (cd "$PHOTOS" && vipsthumbnail -s "$SIZE" -o "$OUT/%s.jpg" ./*.jpg); }
vips_parallel() { (cd "$PHOTOS" && printf '%s\0' ./*.jpg | xargs -0 -n 16 -P "$(nproc)" vipsthumbnail -s "$SIZE" -o "$OUT/%s.jpg"); }
magick() { (cd "$PHOTOS" && for f in ./*.jpg; do convert "$f" -thumbnail "${SIZE}x$SIZE" "$OUT/$f"; done); }
fresh() { rm -rf "$FOLDER" "$OUT"; mkdir -p "$OUT"; }
rerun() { ours; }
rerun_prepare() { [ -d "$FOLDER" ] || ours; }

# The processor time (user and system, ms) of every child process waited
# for so far: on a machine shared with other work, what a command costs
# whatever share of the cores it gets.
# Into CPU_NOW; times must run in this shell, not in a subshell of its own.
cpu_now() {
  times > "$BENCH_DIR/times.txt"
  CPU_NOW=$(tail -1 "$BENCH_DIR/times.txt" |
            awk '{ for (i = 1; i <= 2; i++) { split($i, t, /[ms]/); s += t[1] * 60 + t[2] } printf "%.0f", s * 1000 }')
}
median() { tr ' ' '\n' <<<"$1" | grep . | sort -n | sed -n "$(((PAIRS + 1) / 2))p"; }

# Runs each named command PAIRS times in turns, each after its prepare
# step (fresh unless <name>_prepare exists); MEDIAN[name] and CPU[name],
# wall and processor time in milliseconds.
declare -A MEDIAN CPU
measure() {
  local -A times=() cpus=()
  local name r start end c0
  for ((r = 0; r < PAIRS; r++)); do
    for name in "$@"; do
      if declare -F "${name}_prepare" >/dev/null; then "${name}_prepare"; else fresh; fi
      cpu_now
      c0=$CPU_NOW
      start=$EPOCHREALTIME
      "$name"
      end=$EPOCHREALTIME
      times[$name]+="$(awk -v s="$start" -v e="$end" 'BEGIN { printf "%.1f", (e - s) * 1000 }') "
      cpu_now
      cpus[$name]+="$((CPU_NOW - c0)) "
    done
  done
  for name in "$@"; do
    MEDIAN[$name]=$(median "${times[$name]}")
    CPU[$name]=$(median "${cpus[$name]}")
  done
}
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
verdict() { awk -v v="$1" -v t="$2" 'BEGIN { print (v <= t) ? "met" : "MISSED" }'; }

echo "Warming up..." >&2
fresh; ours; vips; fresh
echo "Measuring, $PAIRS rounds..." >&2
measure ours vips vips_parallel magick
# The rerun right after a complete first run, against that first run.
measure ours rerun

fresh; ours
thumbs=$(find "$FOLDER" -name '*.jpg' | wc -l)
thumb_bytes=$(find "$FOLDER" -name '*.jpg' -printf '%s\n' | awk '{ s += $1 } END { printf "%.1f", s / NR / 1024 }')
photo_bytes=$(find "$PHOTOS" -maxdepth 1 -name '*.jpg' -printf '%s\n' | awk '{ s += $1 } END { printf "%.1f", s / NR / 1048576 }')
fresh; vips
vips_bytes=$(find "$OUT" -name '*.jpg' -printf '%s\n' | awk '{ s += $1 } END { printf "%.1f", s / NR / 1024 }')
fresh

{
  echo "Machine: $(nproc) cores, $(awk -F': ' '/model name/ { print $2; exit }' /proc/cpuinfo); $(uname -sr);" \
       "$(vipsthumbnail --vips-version 2>/dev/null | head -1), $(convert -version | head -1 | cut -d' ' -f2-3);" \
       "$(date -u '+%Y-%m-%d %H:%M UTC'), load average $(cut -d' ' -f1-3 /proc/loadavg) at the end"
  echo
  echo "$COUNT JPEG pictures of 4000x3000 (on average $photo_bytes MiB) into thumbnails of $SIZE pixels;" \
       "medians of $PAIRS interleaved rounds:"
  echo
  echo "| Command | Wall time | ours / it | Processor time | ours / it |"
  echo "|---|---|---|---|---|"
  echo "| bench_thumbnails (the library as the run calls it) | ${MEDIAN[ours]} ms | | ${CPU[ours]} ms | |"
  r=$(ratio "${MEDIAN[ours]}" "${MEDIAN[vips]}")
  echo "| vipsthumbnail -s $SIZE, one process over all files | ${MEDIAN[vips]} ms | $r (target at most 1.0: $(verdict "$r" 1.0)) |" \
       "${CPU[vips]} ms | $(ratio "${CPU[ours]}" "${CPU[vips]}") |"
  echo "| vipsthumbnail, $(nproc) processes side by side (xargs -P) | ${MEDIAN[vips_parallel]} ms |" \
       "$(ratio "${MEDIAN[ours]}" "${MEDIAN[vips_parallel]}") | ${CPU[vips_parallel]} ms | $(ratio "${CPU[ours]}" "${CPU[vips_parallel]}") |"
  r=$(ratio "${MEDIAN[ours]}" "${MEDIAN[magick]}")
  echo "| convert -thumbnail ${SIZE}x$SIZE, file after file | ${MEDIAN[magick]} ms | $r (target under 1: $(verdict "$r" 0.999)) |" \
       "${CPU[magick]} ms | $(ratio "${CPU[ours]}" "${CPU[magick]}") |"
  echo
  r=$(awk -v a="${MEDIAN[rerun]}" -v b="${MEDIAN[ours]}" 'BEGIN { printf "%.2f", a / b * 100 }')
  echo "Rerun with nothing changed: ${MEDIAN[rerun]} ms against ${MEDIAN[ours]} ms for the first run in the same rounds," \
       "$r % (target under 5 %: $(verdict "$r" 4.999))."
  echo
  echo "Thumbnails: $thumbs, on average $thumb_bytes KiB (vipsthumbnail's: $vips_bytes KiB)."
} | tee "$BENCH_DIR/thumbnails-results.md"
