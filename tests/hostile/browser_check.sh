#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Loads every page of the hostile tree (all entry modes and table layouts,
# relative and absolute links) in headless Chromium and checks that every
# link and picture source resolves to the very file it names, and that no
# name broke the page's markup. Not run by CI; the last result is written
# into tests/README.md.
#
#   tests/hostile/browser_check.sh [build directory, default build-hard]
set -euo pipefail
cd "$(dirname "$0")/../.."
build=${1:-build-hard}

if ! command -v chromium >/dev/null; then
  echo "Installing chromium for the check..." >&2
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends chromium >&2
fi

[ -f "$build/CMakeCache.txt" ] || cmake -S . -B "$build" -G Ninja >/dev/null
cmake --build "$build" --parallel 2 --target tst_hostile >/dev/null

work=$(mktemp -d /tmp/quorvant-browser.XXXXXX)
cleanup() {
  # Names that are not UTF-8 defeat some tools; rm removes them all.
  rm -rf "$work"
}
trap cleanup EXIT

echo "Writing the pages..." >&2
QUORVANT_HOSTILE_KEEP=$work/pages QT_QPA_PLATFORM=offscreen \
  "$build/bin/tst_hostile" everyModeAndLayout >"$work/tst_hostile.log" 2>&1 || {
  cat "$work/tst_hostile.log" >&2
  exit 1
}

echo "Loading them in Chromium..." >&2
python3 tests/hostile/browser_check.py "$work/pages/manifest.json" "$work/profile" tests/README.md
