#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Vantrosk
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds with GCC's coverage in a folder of its own (default build-coverage/),
# runs every test headless and prints line and branch coverage per source
# folder. The fuzz tests are left out: their targets are built by clang in a
# build of their own, so they add nothing to what GCC counts.
#   scripts/coverage.sh [build folder]
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:-build-coverage}

scripts/build.sh "$dir" -DCMAKE_BUILD_TYPE=Debug -DZEMBRO_SANITIZE=OFF \
  -DCMAKE_CXX_FLAGS=--coverage -DCMAKE_EXE_LINKER_FLAGS=--coverage
# Counts from an earlier run would add to this one.
find "$dir" -name '*.gcda' -delete

export QT_QPA_PLATFORM=offscreen
status=0
ctest --test-dir "$dir" --output-on-failure -E '^fuzz\.' || status=$?

# Exception paths and compiler-made branches are left out of the branch
# figures: they are not decisions of the program's own. Code that only the
# permission tests' forked children run (as another user, leaving by
# _exit()) writes no counts, so it shows as not run.
summary="$dir/coverage-summary.json"
gcovr --root . --object-directory "$dir" --exclude-directories "$dir/CMakeFiles/[0-9.]+" \
  --filter 'base/' --filter 'engine/' --filter 'stages/' --filter 'shell/' --filter 'sound/' --filter 'tools/' \
  --exclude-throw-branches --exclude-unreachable-branches \
  --json-summary "$summary"

python3 - "$summary" <<'EOF'
import collections, json, os, sys

totals = collections.defaultdict(lambda: [0, 0, 0, 0])
for f in json.load(open(sys.argv[1]))["files"]:
    folder = totals[os.path.dirname(f["filename"])]
    folder[0] += f["line_covered"]; folder[1] += f["line_total"]
    folder[2] += f["branch_covered"]; folder[3] += f["branch_total"]

def percent(covered, total):
    return f"{100 * covered / total:5.1f} %" if total else "    -  "

print(f"{'folder':24} {'lines':>20} {'branches':>20}")
for name in sorted(totals) + ["all"]:
    lc, lt, bc, bt = totals[name] if name != "all" else map(sum, zip(*totals.values()))
    print(f"{name:24} {percent(lc, lt)} {lc:5}/{lt:<5} {percent(bc, bt)} {bc:5}/{bt:<5}")
EOF
exit "$status"
