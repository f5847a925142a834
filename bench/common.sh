# SPDX-License-Identifier: GPL-3.0-or-later
# What the benchmark scripts share; sourced by them from the source root.

# Installs the Debian packages given (through sudo when not root) that
# provide the commands they are named after: peers, not build dependencies.
need_packages() {  # package...
  local missing=() p
  for p in "$@"; do
    command -v "$p" >/dev/null || [ -x "/usr/bin/$p" ] || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return
  echo "Installing ${missing[*]} for the comparison..." >&2
  local sudo=(); [ "$(id -u)" -ne 0 ] && sudo=(sudo)
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >&2
}

# Configures $BUILD_DIR once (optimised, with debug information) and builds
# the targets given.
build_targets() {  # target...
  echo "Building in $BUILD_DIR..." >&2
  [ -f "$BUILD_DIR/CMakeCache.txt" ] || cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >&2
  cmake --build "$BUILD_DIR" --parallel 2 --target "$@" >&2
}

# Data, made once: a marker file beside the directory records it complete.
make_data() {  # dir marker-text command...
  local dir=$1 marker=$2; shift 2
  if [ "$(cat "$dir.done" 2>/dev/null)" != "$marker" ]; then
    echo "Making $dir..." >&2
    rm -rf "$dir" "$dir.done"
    "$@"
    echo "$marker" > "$dir.done"
  fi
}
