#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the browser tests against quorvant-cli ($1). Skips (status 77) only
# where no Node.js or no Chromium can be had; installs the Node packages of
# package-lock.json when they are missing or older than it.
cd "$(dirname "$0")" || exit 1
export QUORVANT_CLI="$1"
shift
chromium=${QUORVANT_CHROMIUM:-/usr/bin/chromium}
if ! command -v node >/dev/null 2>&1; then
  echo "SKIPPED: no Node.js (Debian: nodejs); ./test installs it"
  exit 77
fi
if [ ! -x "$chromium" ]; then
  echo "SKIPPED: no Chromium at $chromium (Debian: chromium); ./test installs it"
  exit 77
fi
if [ ! -f node_modules/.package-lock.json ] || [ package-lock.json -nt node_modules/.package-lock.json ]; then
  npm ci --no-audit --no-fund || exit 1
fi
exec node --test search.test.js names.test.js
