#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Vantrosk
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the build tree into a scratch DESTDIR and checks what a player's
# system would get: the layout, that the program starts through its link and
# reads the stage set beside it, the desktop entry and store metadata, that
# the desktop recognises stage sets by name and by content, and that the
# thumbnailer entry's own command line draws one.
#
#   check-install.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
prefix=/usr
scratch=$(mktemp -d)
program_pid=
watch_pid=
cleanup() {
  [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null || true
  [ -n "$watch_pid" ] && kill "$watch_pid" 2>/dev/null || true
  rm -rf "$scratch"
}
trap cleanup EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

root=$scratch/root
DESTDIR=$root cmake --install "$build" --prefix "$prefix" >/dev/null
installed=$root$prefix
program_dir=$installed/lib/zembrovaltine

# Layout -----------------------------------------------------------------
outside=$(cd "$root" && find . -mindepth 1 -maxdepth 1 ! -name "${prefix#/}")
[ -z "$outside" ] || fail "written outside the prefix: $outside"
for file in \
    lib/zembrovaltine/zembrovaltine lib/zembrovaltine/SYSTEM.BLC bin/blctool \
    share/applications/zembrovaltine.desktop \
    share/metainfo/com.vantrosk.Zembrovaltine.metainfo.xml \
    share/mime/packages/zembrovaltine.xml \
    share/thumbnailers/zembrovaltine.thumbnailer \
    share/man/man6/zembrovaltine.6.gz share/man/man6/blctool.6.gz \
    share/doc/zembrovaltine/copyright share/doc/zembrovaltine/changelog.gz \
    share/icons/hicolor/scalable/apps/zembrovaltine.svg \
    share/icons/hicolor/scalable/mimetypes/application-x-zembrovaltine-stage-set.svg; do
  [ -f "$installed/$file" ] || fail "missing $file"
done
for size in 16 24 32 48 64 128 256; do
  for icon in apps/zembrovaltine mimetypes/application-x-zembrovaltine-stage-set; do
    png=$installed/share/icons/hicolor/${size}x${size}/$icon.png
    [ -f "$png" ] || fail "missing ${size}x${size}/$icon.png"
    # Width and height are the big-endian words at bytes 16 and 20 of a PNG.
    read -r width height < <(od -An -tu1 -j16 -N8 "$png" |
      awk '{ print $3 * 256 + $4, $7 * 256 + $8 }')
    [ "$width x $height" = "$size x $size" ] || fail "$icon.png at ${size}: $width x $height"
  done
done
[ -x "$program_dir/zembrovaltine" ] || fail "the program is not executable"
[ "$(readlink "$installed/games/zembrovaltine")" = ../lib/zembrovaltine/zembrovaltine ] ||
  fail "games/zembrovaltine is not the relative link to the program"
# Everything the build registered as program data lies beside the program.
while IFS= read -r data; do
  [ -f "$program_dir/$(basename "$data")" ] || fail "data file $(basename "$data") not installed"
done < "$build/program-data.txt"

# The shipped stage sets, in their folder beside the program.
for set_file in "$build"/bin/stages/*.BLC; do
  [ -f "$program_dir/stages/$(basename "$set_file")" ] || fail "stage set $(basename "$set_file") not installed"
done

# Start-up through the link ---------------------------------------------
home=$scratch/home
mkdir -p "$home"
export HOME=$home XDG_CONFIG_HOME=$home/.config XDG_DATA_HOME=$home/.local/share
export XDG_CACHE_HOME=$home/.cache XDG_DATA_DIRS=/usr/local/share:/usr/share
unset XDG_CURRENT_DESKTOP DESKTOP_SESSION KDE_FULL_SESSION GNOME_DESKTOP_SESSION_ID

# The program opens the default stage set beside itself on a first run; a
# read of that file is the sign it found it.
inotifywait -t 60 -e access "$program_dir/SYSTEM.BLC" >/dev/null 2>"$scratch/watch.err" &
watch_pid=$!
until grep -q "Watches established" "$scratch/watch.err" 2>/dev/null; do
  kill -0 "$watch_pid" 2>/dev/null || fail "inotifywait did not start: $(cat "$scratch/watch.err")"
  sleep 0.1
done
QT_QPA_PLATFORM=offscreen "$installed/games/zembrovaltine" >"$scratch/program.log" 2>&1 &
program_pid=$!
wait "$watch_pid" || fail "the installed program never read SYSTEM.BLC: $(cat "$scratch/program.log")"
watch_pid=
sleep 1
kill -0 "$program_pid" 2>/dev/null || fail "the installed program quit at start-up: $(cat "$scratch/program.log")"
kill "$program_pid"
wait "$program_pid" 2>/dev/null || true
program_pid=

# Desktop entry and store metadata --------------------------------------
desktop-file-validate "$installed/share/applications/zembrovaltine.desktop" ||
  fail "desktop-file-validate"
appstreamcli validate --no-net "$installed/share/metainfo/com.vantrosk.Zembrovaltine.metainfo.xml" ||
  fail "appstreamcli validate"

# The stage-set type, from the installed definition ---------------------
mkdir -p "$XDG_DATA_HOME/mime/packages"
cp "$installed/share/mime/packages/zembrovaltine.xml" "$XDG_DATA_HOME/mime/packages/"
update-mime-database "$XDG_DATA_HOME/mime"
cp "$program_dir/SYSTEM.BLC" "$scratch/x.dat"
cp "$program_dir/SYSTEM.BLC" "$scratch/y.BLC"
for file in x.dat y.BLC; do
  type=$(xdg-mime query filetype "$scratch/$file")
  [ "$type" = application/x-zembrovaltine-stage-set ] || fail "$file is taken for $type"
done

# The thumbnailer entry, run as a file manager runs it ----------------------
exec_line=$(sed -n 's/^Exec=//p' "$installed/share/thumbnailers/zembrovaltine.thumbnailer")
command=${exec_line//%s/256}
command=${command//%i/$scratch\/y.BLC}
command=${command//%o/$scratch\/y.png}
PATH=$installed/bin:$PATH $command || fail "the thumbnailer's command failed: $command"
[ "$(od -An -c -j1 -N3 "$scratch/y.png" | tr -d ' ')" = PNG ] || fail "the thumbnailer wrote no PNG"
echo "install layout, start-up, desktop entry, metadata, file type and thumbnailer: all good"
