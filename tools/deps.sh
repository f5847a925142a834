# Sourced by ./run and ./test: installs the Debian packages the build needs,
# only when one is missing, then configures and builds into build/.
# clang and its runtimes (libFuzzer) build the fuzz targets of ./test.
set -euo pipefail

QUORVANT_PACKAGES=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev qt6-svg-dev libgl-dev
  fonts-dejavu-core xdg-utils
  clang libclang-rt-14-dev
)

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
