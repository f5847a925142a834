# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by ./run and ./test: installs the Debian packages the build needs,
# only when one is missing, then configures and builds into build/.
# clang and its runtimes (libFuzzer) build the fuzz targets of ./test.
# help2man makes quorvant-cli's manual page.
# liburing-dev: on Linux the generator opens and stats files in batches
# through io_uring (it falls back to one call at a time without it).
# fonts-liberation: plain-text pages ask for "Courier New"; fontconfig offers
# Liberation Mono for it, with the same metrics, so the columns line up.
# qt6-l10n-tools: lupdate, for the update_translations target (not built by default).
set -euo pipefail

QUORVANT_PACKAGES=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev qt6-svg-dev libgl-dev liburing-dev
  fonts-dejavu-core fonts-liberation xdg-utils help2man qt6-l10n-tools
  clang libclang-rt-14-dev
)
# ./test also builds the Debian package and checks it.
QUORVANT_PACKAGE_CHECKS=(dpkg-dev file desktop-file-utils appstream lintian)

# ./test also runs the searchable page in Debian's Chromium, driven from
# Node.js by puppeteer-core (tests/browser). A Node.js installed from
# elsewhere brings its own npm and is kept: Debian's only where none is.
quorvant_browser_packages() {
  local packages=(chromium)
  command -v node >/dev/null || packages+=(nodejs)
  command -v npm >/dev/null || packages+=(npm)
  echo "${packages[@]}"
}

quorvant_missing_packages() {
  local p missing=()
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  echo "${missing[@]:-}"
}

quorvant_install() {
  local missing
  missing=$(quorvant_missing_packages "$@")
  [ -z "$missing" ] && return 0
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  echo "Installing: $missing"
  $sudo apt-get update -qq
  # shellcheck disable=SC2086
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends $missing
}

quorvant_build() {
  local dir=${1:-build}; shift || true
  local gen=()
  command -v ninja >/dev/null && gen=(-G Ninja)
  if [ ! -f "$dir/CMakeCache.txt" ]; then
    cmake -S . -B "$dir" "${gen[@]}" "$@"
  fi
  cmake --build "$dir" --parallel 2
}
