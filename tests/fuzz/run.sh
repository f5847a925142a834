#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the libFuzzer targets with clang (AddressSanitizer and
# UndefinedBehaviorSanitizer on) and runs each one from its seed corpus for a
# bounded time. Exits non-zero when any target finds a problem; the input
# that shows it is saved under <build>/artifacts/<target>/.
#
#   tests/fuzz/run.sh [seconds per target, default 60] [target ...]
#   targets: gif_probe jpeg_probe other_probes ini generator thumbnail names (default: all)
#   QUORVANT_FUZZ_BUILD=dir   build directory (default: build-fuzz)
#
# New interesting inputs go to <build>/corpus/<target>/, never into the
# repository; copy a finding into tests/fuzz/corpus/<target>/ once it is
# fixed, so tst_fuzzcorpus replays it in every build.
set -euo pipefail
cd "$(dirname "$0")/../.."
seconds=${1:-60}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(gif_probe jpeg_probe other_probes ini generator thumbnail names)
build=${QUORVANT_FUZZ_BUILD:-build-fuzz}
mkdir -p "$build"
build=$(cd "$build" && pwd)  # absolute: the generator target changes directory

if [ ! -f "$build/CMakeCache.txt" ]; then
  CC=clang CXX=clang++ cmake -S tests/fuzz -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build "$build" --parallel 2

# The generator target writes a small directory per input: keep it in
# memory when possible, and remove it whatever happens.
scratch_parent=$build
if [ -d /dev/shm ] && [ -w /dev/shm ]; then
  scratch_parent=/dev/shm
fi
TMPDIR=$(mktemp -d "$scratch_parent/quorvant-fuzz.XXXXXX")
export TMPDIR
trap 'rm -rf "$TMPDIR"' EXIT
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:allocator_may_return_null=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}

failed=()
for t in "${targets[@]}"; do
  program=$build/fuzz_$t
  seeds=$PWD/tests/fuzz/corpus/$t
  if [ ! -x "$program" ] || [ ! -d "$seeds" ]; then
    echo "fuzz: unknown target $t" >&2
    failed+=("$t")
    continue
  fi
  mkdir -p "$build/corpus/$t" "$build/artifacts/$t"
  log=$build/fuzz_$t.log
  echo "fuzz: $t for ${seconds}s"
  # -timeout: one input taking longer is a hang, which is a finding too.
  if "$program" -max_total_time="$seconds" -timeout=20 -rss_limit_mb=2048 -max_len=4096 \
       -artifact_prefix="$build/artifacts/$t/" -print_final_stats=1 \
       "$build/corpus/$t" "$seeds" >"$log" 2>&1; then
    grep -E '^stat::number_of_executed_units|^stat::new_units_added' "$log" | tr '\n' ' ' | sed 's/^/  /'
    echo
  else
    echo "fuzz: $t FOUND A PROBLEM (log: $log, inputs: $build/artifacts/$t/)" >&2
    grep -E 'ERROR|FUZZ_CHECK|SUMMARY|runtime error|Test unit written' "$log" | head -20 >&2 || tail -30 "$log" >&2
    failed+=("$t")
  fi
done

if [ ${#failed[@]} -gt 0 ]; then
  echo "fuzz: problems in: ${failed[*]}" >&2
  exit 1
fi
echo "fuzz: no problems found"
