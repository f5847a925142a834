#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Benchmarks the searchable page (quorvant-cli --searchable) in headless
# Chromium: what the option adds to the page's size in each mode, and on
# 100,000 and 1,000,000 entries when the search box first answers, each
# keystroke's filter and each sort, until the next frame is drawn. Not run
# by CI; needs chromium and Node.js (tools/deps.sh names them).
#
#   bench/search.sh                       build-bench/, data in /tmp/quorvant-bench
#   SIZES=100000 PAIRS=5 bench/search.sh  without the million, 5 rounds
#
# Times are medians of PAIRS rounds (default 3; the million: 1), the page
# without the option and with it taking turns. Prints Markdown, also saved
# as $BENCH_DIR/search-results.md. Shares its data with bench/run.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT=$PWD
BUILD_DIR=${BUILD_DIR:-build-bench}
BENCH_DIR=${BENCH_DIR:-/tmp/quorvant-bench}
PAIRS=${PAIRS:-3}
SIZES=${SIZES:-100000 1000000}

. bench/common.sh
build_targets quorvant-cli bench_makefiles
CLI=$ROOT/$BUILD_DIR/bin/quorvant-cli
[ -d tests/browser/node_modules/puppeteer-core ] || (cd tests/browser && npm ci --no-audit --no-fund >&2)

mkdir -p "$BENCH_DIR"
for n in $SIZES; do
  make_data "$BENCH_DIR/files-$n" "$n/0-5120" "$ROOT/$BUILD_DIR/bin/bench_makefiles" files "$BENCH_DIR/files-$n" "$n"
done

page() {  # dir name options... : writes the page, prints its size in bytes
  local dir=$1 name=$2; shift 2
  TZ=UTC LC_ALL=C "$CLI" --settings "$BENCH_DIR/none.ini" --overwrite --name "$name" --filter '*.txt' "$@" "$dir" >/dev/null
  stat -c %s "$dir/$name.html"
}
median() { sort -n | awk '{v[NR]=$1} END {print (NR % 2) ? v[(NR+1)/2] : (v[NR/2] + v[NR/2+1]) / 2}'; }

first=${SIZES%% *}
{
echo "## Searchable page"
echo
echo "Chromium $(chromium --version 2>/dev/null | awk '{print $2}'), $(nproc) cores, load average $(cut -d' ' -f1 /proc/loadavg) at the start; $(date -u '+%Y-%m-%d %H:%M UTC')."
echo
echo "### What the option adds to the page, $first files (names like file000123.txt)"
echo
echo "| mode | details | layout | without | with | added | per entry |"
echo "|---|---|---|---|---|---|---|"
for mode in text link picture; do
  for details in "" "--size --date"; do
    for columns in 0 3; do
      # shellcheck disable=SC2086
      without=$(page "$BENCH_DIR/files-$first" bench-plain --mode $mode $details --columns $columns)
      # shellcheck disable=SC2086
      with=$(page "$BENCH_DIR/files-$first" bench-search --mode $mode $details --columns $columns --searchable)
      layout="no table"; [ "$columns" != 0 ] && layout="$columns columns"
      awk -v m="$mode" -v d="${details:-none}" -v l="$layout" -v a="$without" -v b="$with" -v n="$first" \
        'BEGIN { printf "| %s | %s | %s | %d | %d | %.1f %% | %.1f bytes |\n", m, d, l, a, b, 100 * (b - a) / a, (b - a) / n }'
    done
  done
done
echo
echo "### In the browser"
echo
echo "From the start of navigation: parsed (DOMContentLoaded), loaded, the search box's first answer (a key typed as soon as the names are read, until the next frame), and the longest task after parsing. Then each keystroke (typed query, shown entries updated and drawn) and each sort (a second press reverses), in ms."
echo
echo "| entries | page | parsed without option | loaded without | parsed | loaded | first answer | answer after load | longest task | keystrokes: median / max | sorts Name, Size, Date, Type (first press / reversed) |"
echo "|---|---|---|---|---|---|---|---|---|---|---|"
for n in $SIZES; do
  rounds=$PAIRS; [ "$n" -ge 1000000 ] && rounds=1
  for pageset in "text --size --date" "link --size --date" "link --size --date --columns 3"; do
    [ "$n" -ge 1000000 ] && [ "$pageset" = "link --size --date --columns 3" ] && continue
    # shellcheck disable=SC2086
    page "$BENCH_DIR/files-$n" bench-plain --mode $pageset >/dev/null
    # shellcheck disable=SC2086
    page "$BENCH_DIR/files-$n" bench-search --mode $pageset --searchable >/dev/null
    rm -f "$BENCH_DIR/search.jsonl" "$BENCH_DIR/plain.jsonl"
    for ((r = 0; r < rounds; r++)); do
      node bench/search.js --plain "file://$BENCH_DIR/files-$n/bench-plain.html" >> "$BENCH_DIR/plain.jsonl"
      node bench/search.js "file://$BENCH_DIR/files-$n/bench-search.html" >> "$BENCH_DIR/search.jsonl"
    done
    node - "$n" "$pageset" "$BENCH_DIR/plain.jsonl" "$BENCH_DIR/search.jsonl" <<'JS'
const fs = require('fs');
const [n, pageset, plainFile, searchFile] = process.argv.slice(2);
const rows = f => fs.readFileSync(f, 'utf8').trim().split('\n').map(JSON.parse);
const med = a => { a = [...a].sort((x, y) => x - y); const m = a.length >> 1; return a.length % 2 ? a[m] : (a[m - 1] + a[m]) / 2; };
const plain = rows(plainFile), search = rows(searchFile);
const ms = v => Math.round(v).toString();
const keys = search.map(r => Object.values(r.keys).flat());
const perKey = keys[0].map((_, i) => med(keys.map(k => k[i])));
const sorts = ['Name', 'Size', 'Date', 'Type'].filter(b => search[0].sorts[b])
  .map(b => b + ' ' + [0, 1].map(i => ms(med(search.map(r => r.sorts[b][i])))).join('/'));
const l = k => med(search.map(r => r.load[k]));
console.log(`| ${n} | ${pageset} | ${ms(med(plain.map(r => r.load.domContentLoaded)))} | ${ms(med(plain.map(r => r.load.load)))} | ` +
  `${ms(l('domContentLoaded'))} | ${ms(l('load'))} | ${ms(l('answered'))} | ${ms(l('answered') - l('load'))} | ` +
  `${ms(l('longestTaskAfterParse'))} | ${ms(med(perKey))} / ${ms(Math.max(...perKey))} | ${sorts.join(', ')} |`);
JS
  done
done
rm -f "$BENCH_DIR"/files-*/bench-plain.html "$BENCH_DIR"/files-*/bench-search.html
} | tee "$BENCH_DIR/search-results.md"
