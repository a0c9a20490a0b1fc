#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Vantrosk
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Gives every source, script and text file of the tree that lacks one an
# SPDX header (copyright 2026 Vantrosk, GPL-3.0-or-later) through
# `reuse annotate`, in the comment style of its type. Files that cannot
# carry a header are covered by .reuse/dep5 and left alone; files that
# already carry one are skipped, so running it again changes nothing.
# Afterwards `reuse lint` must pass; it fails when a file's type is unknown.
#
#   scripts/annotate-licence.sh
set -euo pipefail
cd "$(dirname "$0")/.."
command -v reuse >/dev/null || { echo "reuse is not installed (scripts/install-deps.sh)" >&2; exit 1; }

declare -A by_style=()  # style -> newline-separated paths
fsfap=()                # the store metadata, whose licence AppStream wants permissive
unknown=()

style_of() {
  case $1 in
    # Covered by .reuse/dep5 or by the REUSE rules themselves.
    *.png | *.svg | *.WAV | *.wav | *.MID | *.mid | *.blc | *.BLC) echo none ;;
    fuzz/corpus/* | tests/tools/scenarios/* | packaging/changelog | packaging/copyright) echo none ;;
    COPYING | LICENSES/* | .reuse/*) echo none ;;
    # Manual pages carry their header by hand: this reuse has no roff style.
    *.[1-8]) echo none ;;
    *.cpp | *.h | *.inc) echo c ;;
    *.py | *.sh | *.cmake | CMakeLists.txt | */CMakeLists.txt | *.txt | *.scn) echo python ;;
    .gitignore | */.gitignore | .ci/* | *.desktop | *.thumbnailer | packaging/lintian-overrides) echo python ;;
    *.metainfo.xml) echo fsfap ;;
    *.html | *.xml | *.ui | *.qrc | *.qhp | *.md) echo html ;;
    *.css) echo css ;;
    *) echo unknown ;;
  esac
}

# A header is a licence tag near the top; a mere mention of a copyright in
# the text (the README's, the About page's) is none. The tag is spelt in two
# parts so that reuse does not read this very line as one.
licence_tag='SPDX-License-''Identifier: '
has_header() { head -n 20 "$1" | grep -q "$licence_tag[A-Za-z0-9]"; }

annotate() {  # licence style paths...
  local licence=$1 style=$2
  shift 2
  [ $# -gt 0 ] || return 0
  reuse annotate --copyright Vantrosk --year 2026 --license "$licence" --style "$style" "$@"
}

# All in one function, read whole before it runs: this script is one of the
# files it annotates, and bash reads a script as it goes.
main() {
  while IFS= read -r -d '' path; do
    [ -f "$path" ] && [ ! -L "$path" ] || continue  # links are linted through their targets
    style=$(style_of "$path")
    case $style in
      none) ;;
      unknown) unknown+=("$path") ;;
      *) has_header "$path" && continue
         if [ "$style" = fsfap ]; then fsfap+=("$path"); else by_style[$style]+="$path"$'\n'; fi ;;
    esac
  done < <(git ls-files -z --cached --others --exclude-standard)
  # Nothing is changed until every file's style is known.
  if [ ${#unknown[@]} -gt 0 ]; then
    printf 'No comment style is known for these; add them to style_of or .reuse/dep5:\n' >&2
    printf '  %s\n' "${unknown[@]}" >&2
    exit 1
  fi

  for style in "${!by_style[@]}"; do
    mapfile -t paths < <(printf '%s' "${by_style[$style]}")
    annotate GPL-3.0-or-later "$style" "${paths[@]}"
  done
  annotate FSFAP html "${fsfap[@]}"

  reuse lint
}

# The exit on the same line: after main the file has moved under bash.
main "$@"; exit $?
