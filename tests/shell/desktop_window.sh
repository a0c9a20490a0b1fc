#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Vantrosk
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The main window under a real window manager, as a player meets it: the
# first start shows the whole frame at the screen's top-left corner; a stored
# place is where the frame's outer corner opens, and it stays put over ten
# restarts; at each zoom, with the bars on and off, the window holds exactly
# the playfield and the bars.
#
#   desktop_window.sh path/to/zembrovaltine openbox|mutter
#
# Runs itself on a virtual screen of its own (scripts/virtual-desktop.sh).
# Exit status 77 (skipped) when the window manager is not installed.
set -euo pipefail
program=$(realpath "$1")
wm=$2
here=$(cd "$(dirname "$0")" && pwd)

if [ -z "${VIRTUAL_DESKTOP_WM:-}" ]; then
  command -v "$wm" >/dev/null && command -v Xvfb >/dev/null || { echo "no $wm or Xvfb: skipped"; exit 77; }
  exec "$here/../../scripts/virtual-desktop.sh" --wm "$wm" --size 1280x1024 -- "$0" "$@"
fi

work=$(mktemp -d)
game=
cleanup() {
  [ -n "$game" ] && kill "$game" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
export ASAN_OPTIONS=detect_leaks=0
failures=0
fail() { echo "FAIL ($wm): $*"; failures=$((failures + 1)); }

settings() { echo "$work/home/.config/Vantrosk/Zembrovaltine.conf"; }
# A home of the player's with these settings and nothing else; sound off, so
# that no music check asks about missing tunes.
fresh_home() {
  rm -rf "$work/home"
  mkdir -p "$work/home/.config/Vantrosk"
  printf '[Zembrovaltine]\nSound=0\n%s' "$(printf '%s\n' "$@")" >"$(settings)"
}
stored() { sed -n "s/^$1=//p" "$(settings)"; }

# Starts the game and waits until the manager has framed its window (up to a
# minute: a sanitized build on a busy machine starts slowly); sets window.
start() {
  HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" "$program" >"$work/game.log" 2>&1 &
  game=$!
  window=
  for _ in $(seq 600); do
    window=$(xdotool search --onlyvisible --pid "$game" 2>/dev/null | head -1 || true)
    [ -n "$window" ] && xprop -id "$window" _NET_FRAME_EXTENTS 2>/dev/null | grep -q = && break
    sleep 0.1
  done
  [ -n "$window" ] || { cat "$work/game.log"; echo "no window appeared"; exit 1; }
  sleep 0.5
}
# Ends the game as a logout or kill would: it closes its window, which
# stores the place.
stop() {
  kill -TERM "$game"
  wait "$game" 2>/dev/null || true
  game=
}
# The client area's place and size, and the frame's outer place and size:
# "cx cy cw ch fx fy fw fh".
geometry() {
  local cx cy cw ch l r t b
  eval "$(xwininfo -id "$window" | awk '
    /Absolute upper-left X/ { print "cx=" $NF } /Absolute upper-left Y/ { print "cy=" $NF }
    /Width:/ { print "cw=" $NF } /Height:/ { print "ch=" $NF }')"
  read -r l r t b < <(xprop -id "$window" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
  echo "$cx $cy $cw $ch $((cx - l)) $((cy - t)) $((cw + l + r)) $((ch + t + b))"
}
read -r screen_w screen_h < <(xdotool getdisplaygeometry)

# The first start: the whole frame at the top-left corner.
fresh_home
start
read -r _ _ _ _ fx fy fw fh < <(geometry)
[ "$fx $fy" = "0 0" ] || fail "first start: frame at $fx,$fy, not 0,0"
[ $((fx + fw)) -le "$screen_w" ] && [ $((fy + fh)) -le "$screen_h" ] || fail "first start: frame $fw x $fh off the screen"
stop
[ "$(stored Xl),$(stored Yu)" = "0,0" ] || fail "first start stored $(stored Xl),$(stored Yu)"

# A stored place, ten restarts.
fresh_home Xl=100 Yu=80
for run in $(seq 10); do
  start
  read -r _ _ _ _ fx fy _ _ < <(geometry)
  [ "$fx $fy" = "100 80" ] || fail "start $run: frame at $fx,$fy, not 100,80"
  stop
done
[ "$(stored Xl),$(stored Yu)" = "100,80" ] || fail "after ten restarts the place is $(stored Xl),$(stored Yu)"

# The fitting: the client area is the playfield's width, and its height is
# the playfield's plus what the bars take, the same at every zoom.
for bars in On Off; do
  extra=
  for zoom in 2 3 4; do
    fresh_home "Zoom=$zoom" "Toolbar=$bars" "StatusBar=$bars"
    start
    read -r _ _ cw ch _ _ _ _ < <(geometry)
    stop
    [ "$cw" -eq $((zoom * 256)) ] || fail "zoom $zoom, bars $bars: client width $cw, not $((zoom * 256))"
    rest=$((ch - zoom * 152))
    [ -z "$extra" ] || [ "$rest" -eq "$extra" ] || fail "zoom $zoom, bars $bars: menu and bars take $rest, at 50 % $extra"
    extra=$rest
  done
  echo "bars $bars: menu and bars take $extra pixels at every zoom"
done

[ "$failures" -eq 0 ] || exit 1
echo "ok ($wm)"
