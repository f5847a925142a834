#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The weight of a picture page with thumbnails: a page of COUNT camera-size
# JPEG pictures (4000x3000, default 2,000), written by quorvant-cli
# --thumbnails, opened in headless Chromium at a desktop and a phone window
# size; counts the bytes the browser loads to show the first screen (the
# page and the thumbnails it fetches until the network is quiet). Target:
# under 5 MB. The same page without thumbnails would load every picture
# whole: their total is printed beside it. Not run by CI; needs chromium
# and Node.js (tools/deps.sh names them).
#
#   bench/pageweight.sh
#   BUILD_DIR=build COUNT=500 bench/pageweight.sh
#
# Making thousands of camera-size pictures is slow: DISTINCT of them are
# made (shared with bench/thumbnails.sh) and the COUNT names are hard links
# to them. Each name still gets a thumbnail of its own.
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT=$PWD
BUILD_DIR=${BUILD_DIR:-build-bench}
BENCH_DIR=${BENCH_DIR:-/tmp/quorvant-bench}
COUNT=${COUNT:-2000}
DISTINCT=${DISTINCT:-300}
export TZ=UTC LC_ALL=C

. bench/common.sh
build_targets quorvant-cli bench_makepictures
BIN=$ROOT/$BUILD_DIR/bin
[ -d tests/browser/node_modules/puppeteer-core ] || (cd tests/browser && npm ci --no-audit --no-fund >&2)

PHOTOS=$BENCH_DIR/photos-$DISTINCT
if [ "$(cat "$PHOTOS.done" 2>/dev/null)" != "$DISTINCT" ]; then
  echo "Making $DISTINCT pictures in $PHOTOS..." >&2
  rm -rf "$PHOTOS" "$PHOTOS.done"
  QT_QPA_PLATFORM=offscreen "$BIN/bench_makepictures" "$PHOTOS" "$DISTINCT"
  echo "$DISTINCT" > "$PHOTOS.done"
fi
PAGEDIR=$BENCH_DIR/pageweight-$COUNT
if [ "$(cat "$PAGEDIR.done" 2>/dev/null)" != "$COUNT/$DISTINCT" ]; then
  echo "Linking $COUNT names in $PAGEDIR..." >&2
  rm -rf "$PAGEDIR" "$PAGEDIR.done"
  mkdir -p "$PAGEDIR"
  for ((i = 1; i <= COUNT; i++)); do
    ln "$PHOTOS/$(printf 'photo-%04d.jpg' $(((i - 1) % DISTINCT + 1)))" "$PAGEDIR/$(printf 'IMG_%05d.JPG' "$i")"
  done
  echo "$COUNT/$DISTINCT" > "$PAGEDIR.done"
fi
printf '[Default]\r\n' > "$BENCH_DIR/none.ini"

cli() { "$BIN/quorvant-cli" --settings "$BENCH_DIR/none.ini" --overwrite --filter '*.JPG' "$@" "$PAGEDIR" >/dev/null; }
folder=$PAGEDIR/pageweight_thumbnails
rm -rf "$folder"
start=$EPOCHREALTIME
cli --name pageweight --thumbnails --size
first=$(awk -v s="$start" -v e="$EPOCHREALTIME" 'BEGIN { printf "%.1f", e - s }')
start=$EPOCHREALTIME
cli --name pageweight --thumbnails --size
rerun=$(awk -v s="$start" -v e="$EPOCHREALTIME" 'BEGIN { printf "%.1f", e - s }')
# The same thumbnails in a table of five columns, the most on one screen.
cp "$PAGEDIR/pageweight.html" "$PAGEDIR/pageweight-list.html"
cli --name pageweight --thumbnails --size --columns 5
mv "$PAGEDIR/pageweight.html" "$PAGEDIR/pageweight-table.html"
whole=$(find -L "$PAGEDIR" -maxdepth 1 -name '*.JPG' -printf '%s\n' | awk '{ s += $1 } END { print s }')
{
echo "## Page weight with thumbnails"
echo
echo "Chromium $(chromium --version 2>/dev/null | awk '{print $2}'), $(nproc) cores; $(date -u '+%Y-%m-%d %H:%M UTC')."
echo "$COUNT pictures of 4000x3000 ($(awk -v b="$whole" 'BEGIN { printf "%.0f MB", b / 1e6 }') together), 200-pixel thumbnails"
echo "($(find "$folder" -type f -name '*.jpg' | wc -l) made, $(du -sb "$folder" | awk '{ printf "%.1f MB", $1 / 1e6 }') together) in ${first} s, a rerun in ${rerun} s."
echo "The page: $(stat -c %s "$PAGEDIR/pageweight-list.html") bytes. Without thumbnails a browser loads every picture whole: $(awk -v b="$whole" 'BEGIN { printf "%.0f MB", b / 1e6 }')."
echo
echo "| layout | window | bytes loaded for the first screen | thumbnails fetched | of pictures on the page | target |"
echo "|---|---|---|---|---|---|"
for layout in list table; do
  for size in "1280 800" "1920 1080" "412 915"; do
    # shellcheck disable=SC2086
    node bench/pageweight.js "file://$PAGEDIR/pageweight-$layout.html" $size |
      node -e 'let s = ""; process.stdin.on("data", d => s += d).on("end", () => { const r = JSON.parse(s);
        console.log(`| ${process.argv[1]} | ${r.width}x${r.height} | ${(r.bytes / 1e6).toFixed(2)} MB (${r.bytes}) | ${r.pictures} | ${r.total} | ${r.bytes < 5e6 ? "met" : "MISSED"} (< 5 MB) |`); });' "$layout"
  done
done
} | tee "$BENCH_DIR/pageweight-results.md"
