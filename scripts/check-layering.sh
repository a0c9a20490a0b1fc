#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Vantrosk
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Holds the folders to the order the README's Layout section declares, from
# the top down: a source file may include from its own top-level folder and
# from folders below it, never from one above it or from one the list leaves
# out. Prints each include that breaks the order and fails if there is one.
#
#   scripts/check-layering.sh [source root]
set -euo pipefail
root=${1:-"$(dirname "$0")/.."}
cd "$root"

# The numbered items of the Layout section, each opening with its folder.
order=$(awk '/^## /{inside = ($0 == "## Layout")} inside' README.md |
  sed -n 's/^[0-9][0-9]*\.[[:space:]]*`\([A-Za-z0-9_.-]*\)\/`.*/\1/p')
if [ -z "$order" ]; then
  echo "check-layering: README.md declares no folder order under '## Layout'" >&2
  exit 1
fi

# Every source file outside hidden folders and build trees, with its quoted includes.
folders=$(for dir in */; do [ -e "$dir/CMakeCache.txt" ] || echo "${dir%/}"; done)
# shellcheck disable=SC2086
includes=$(find $folders -type f \( -name '*.cpp' -o -name '*.h' -o -name '*.hpp' -o -name '*.cc' -o -name '*.inc' \) \
  -exec grep -H -n -E '^[[:space:]]*#[[:space:]]*include[[:space:]]+"[^"]+/' {} + || true)

printf '%s\n' "$includes" | ORDER="$order" FOLDERS="$folders" awk '
    BEGIN {
      n = split(ENVIRON["ORDER"], list, "\n")
      for (i = 1; i <= n; i++) {
        rank[list[i]] = n - i  # the higher, the further up
        shown = shown (i > 1 ? " > " : "") list[i]
      }
      split(ENVIRON["FOLDERS"], all, "\n")
      for (i in all) folder[all[i]] = 1
    }
    $0 != "" {
      split($0, at, ":")
      from = at[1]; sub(/\/.*/, "", from)
      path = $0; sub(/^[^"]*"/, "", path); sub(/".*/, "", path)
      to = path; sub(/\/.*/, "", to)
      if (!(to in folder) || to == from) next
      if (!(from in rank) || !(to in rank)) {
        printf "%s:%s: %s/ is not in the Layout order: #include \"%s\"\n", at[1], at[2], (from in rank) ? to : from, path
        bad++
      } else if (rank[to] > rank[from]) {
        printf "%s:%s: %s/ reaches up to %s/: #include \"%s\"\n", at[1], at[2], from, to, path
        bad++
      }
    }
    END {
      if (bad) { printf "check-layering: %d include(s) against the order in README.md\n", bad; exit 1 }
      print "check-layering: every include follows the order " shown
    }'
