#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package in a build folder and checks what it ships:
# every file in its place, the desktop entry, the metainfo, and lintian.
# Fails on any error.
#
#   packaging/check.sh [build folder, default build]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}

rm -f "$build"/quorvant_*.deb
if ! (cd "$build" && cpack -G DEB >cpack.log 2>&1); then
  cat "$build/cpack.log" >&2
  exit 1
fi
deb=$(ls "$build"/quorvant_*_amd64.deb)
echo "$deb"

tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
dpkg-deb -x "$deb" "$tree"
status=0
for file in bin/quorvant bin/quorvant-cli \
    share/applications/quorvant.desktop share/metainfo/invalid.quorvant.quorvant.metainfo.xml \
    share/icons/hicolor/scalable/apps/quorvant.svg share/man/man1/quorvant.1.gz \
    share/man/man1/quorvant-cli.1.gz share/quorvant/ready.wav share/quorvant/quorvant-help.html \
    share/doc/quorvant/copyright; do
  [ -f "$tree/usr/$file" ] || { echo "missing from the package: /usr/$file" >&2; status=1; }
done
desktop-file-validate "$tree/usr/share/applications/quorvant.desktop" || status=1
appstreamcli validate --no-net "$tree/usr/share/metainfo/invalid.quorvant.quorvant.metainfo.xml" || status=1
report=$(lintian --fail-on error "$deb" 2>&1) || { echo "lintian reports errors:" >&2; status=1; }
# Root is how CI runs; lintian's remark about it is no finding.
printf '%s\n' "$report" | grep -v '^running with root privileges' || true
exit "$status"
