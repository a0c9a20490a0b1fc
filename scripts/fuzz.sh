#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Vantrosk
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the fuzz targets with clang (libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer) in a build directory of their own and runs
# each one on its seed corpus, one after the other.
#
#   scripts/fuzz.sh [-t SECONDS] [-r RUNS] [-b BUILD_DIR] [TARGET...]
#
# -t: seconds per target (default 60); -r: executions per target instead of
# a time limit. TARGET is pattern_open, stage_text, trace_scenario or wave_clip;
# all four without one. New inputs the fuzzer finds go to BUILD_DIR/corpus, so
# the seed corpora in fuzz/corpus stay as committed; a crash leaves its
# input in BUILD_DIR/crashes and ends the script with a failure.
set -euo pipefail
cd "$(dirname "$0")/.."
source_dir=$(pwd)

seconds=60
runs=
build_dir=build-fuzz
while getopts "t:r:b:" option; do
  case $option in
    t) seconds=$OPTARG ;;
    r) runs=$OPTARG ;;
    b) build_dir=$OPTARG ;;
    *) sed -n '2,13p' "$0"; exit 2 ;;
  esac
done
shift $((OPTIND - 1))
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(pattern_open stage_text trace_scenario wave_clip)

if ! command -v clang++ >/dev/null; then
  echo "fuzz.sh: clang++ is missing; scripts/install-deps.sh installs it" >&2
  exit 2
fi

cmake -S fuzz -B "$build_dir" -G Ninja -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$build_dir" -j1

if [ -n "$runs" ]; then limit=(-runs="$runs"); else limit=(-max_total_time="$seconds"); fi
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
for target in "${targets[@]}"; do
  work="$build_dir/corpus/$target"
  crashes="$build_dir/crashes/$target"
  mkdir -p "$work" "$crashes"
  echo "== fuzz_$target"
  # The fuzzer adds what it finds to the first directory only.
  "$build_dir/bin/fuzz_$target" "${limit[@]}" -artifact_prefix="$crashes/" -print_final_stats=1 \
    "$work" "$source_dir/fuzz/corpus/$target"
done
