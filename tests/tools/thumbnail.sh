#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Vantrosk
#
# SPDX-License-Identifier: GPL-3.0-or-later

# blctool thumbnail as a file manager runs it: pictures that fit the asked
# size, fill at least three quarters of its width and hold only the game's
# colours; damaged and foreign files give an error and no picture, and the
# picture never takes the place of its input or goes through a link.
# Usage: thumbnail.sh BLCTOOL SYSTEM.BLC SOURCE_DIR
set -uo pipefail
blctool=$1
set_file=$2
source_dir=$3
# shellcheck source=checks.sh
. "$(dirname "$0")/checks.sh"

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

# The output is the input itself, by its own name or a hard link: refused,
# and the stage set stays as it was.
cp "$set_file" "$work/self.blc"
ln "$work/self.blc" "$work/hard.blc"
original=$(sha256sum <"$work/self.blc")
for output in "$work/self.blc" "$work/hard.blc"; do
  "$blctool" thumbnail -s 128 "$work/self.blc" "$output" 2>"$work/err.txt"
  status=$?
  [ "$status" -eq 1 ] || fail "output $output is the input: exit $status, not 1"
  grep -q "is the input" "$work/err.txt" || fail "output $output is the input: message \"$(cat "$work/err.txt")\""
  [ "$(sha256sum <"$work/self.blc")" = "$original" ] || fail "output $output is the input: the set was replaced"
done

# A link at the output, the user's own as much as a planted one, is never
# written through: refused, and the file it names and the link stay.
echo "precious" >"$work/victim"
ln -s "$work/victim" "$work/link.png"
ln -s "$work/nowhere" "$work/dangling.png"
for output in "$work/link.png" "$work/dangling.png"; do
  "$blctool" thumbnail -s 128 "$set_file" "$output" 2>"$work/err.txt"
  status=$?
  [ "$status" -eq 1 ] || fail "a link at the output: exit $status, not 1"
  grep -q "symbolic link" "$work/err.txt" || fail "a link at the output: message \"$(cat "$work/err.txt")\""
  [ -L "$output" ] || fail "a link at the output was replaced"
done
echo "precious" | cmp -s - "$work/victim" || fail "the thumbnail was written through a link"
[ ! -e "$work/nowhere" ] || fail "the thumbnail was written through a dangling link"

finish thumbnail
