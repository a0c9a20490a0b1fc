#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Vantrosk
#
# SPDX-License-Identifier: GPL-3.0-or-later

# blctool thumbnail as a file manager runs it: pictures that fit the asked
# size, fill at least three quarters of its width and hold only the game's
# colours; damaged and foreign files give an error and no picture.
# Usage: thumbnail.sh BLCTOOL SYSTEM.BLC SOURCE_DIR
set -uo pipefail
blctool=$1
set_file=$2
source_dir=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# Every colour the game paints blocks, the background and the walls with,
# read from where the program itself takes them, as ImageMagick writes them.
allowed=$(grep -ho '{[0-9]\+, [0-9]\+, [0-9]\+}' "$source_dir/engine/BlockColours.h" \
  "$source_dir/engine/StageThumbnail.cpp" | tr -d '{} ' | sed 's/^/srgb(/; s/$/)/' | sort -u)
block_fills=$(sed -n '/kBlockColourRows/,/^}}/p' "$source_dir/engine/BlockColours.h" |
  grep -o '^ *{{[0-9]\+, [0-9]\+, [0-9]\+}' | tr -d '{} ' | sed 's/^/srgb(/; s/$/)/' | sort -u)

for size in 128 256; do
  out=$work/set-$size.png
  "$blctool" thumbnail -s "$size" "$set_file" "$out" || { fail "size $size: exit $?"; continue; }
  read -r width height < <(identify -format '%w %h\n' "$out")
  [ "$width" -le "$size" ] && [ "$height" -le "$size" ] || fail "size $size: ${width}x$height does not fit"
  [ $((width * 4)) -ge $((size * 3)) ] || fail "size $size: $width pixels wide, under three quarters"
  colours=$(convert "$out" -format '%c' histogram:info:- | grep -o 'srgb([0-9,]*)' | sort -u)
  strays=$(comm -23 <(echo "$colours") <(echo "$allowed"))
  [ -z "$strays" ] || fail "size $size: colours the game never paints: $strays"
  [ -n "$(comm -12 <(echo "$colours") <(echo "$block_fills"))" ] || fail "size $size: no block face"
done

refused() {  # what, input file
  "$blctool" thumbnail -s 128 "$2" "$work/refused.png" 2>"$work/err.txt"
  local status=$?
  [ "$status" -eq 1 ] || fail "$1: exit $status, not 1"
  [ -s "$work/err.txt" ] || fail "$1: no message"
  [ ! -e "$work/refused.png" ] || fail "$1: left a picture"
  rm -f "$work/refused.png"
}
head -c 1000 "$set_file" >"$work/cut.blc"
refused "a cut-short set" "$work/cut.blc"
printf 'P3\n1 1\n255\n0 0 0\n' >"$work/foreign.blc"
refused "a foreign file" "$work/foreign.blc"

[ "$failures" -eq 0 ] && echo "all thumbnail checks passed"
exit $((failures > 0))
