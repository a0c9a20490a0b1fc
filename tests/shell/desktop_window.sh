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

# shellcheck source=../../scripts/game-window.sh
. "$here/../../scripts/game-window.sh"
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
read -r screen_w screen_h < <(xdotool getdisplaygeometry)

# The first start: the whole frame at the top-left corner.
fresh_home
start_game "$work/home"
read -r _ _ _ _ fx fy fw fh < <(window_geometry)
[ "$fx $fy" = "0 0" ] || fail "first start: frame at $fx,$fy, not 0,0"
[ $((fx + fw)) -le "$screen_w" ] && [ $((fy + fh)) -le "$screen_h" ] || fail "first start: frame $fw x $fh off the screen"
stop_game
[ "$(stored Xl),$(stored Yu)" = "0,0" ] || fail "first start stored $(stored Xl),$(stored Yu)"

# A stored place, ten restarts.
fresh_home Xl=100 Yu=80
for run in $(seq 10); do
  start_game "$work/home"
  read -r _ _ _ _ fx fy _ _ < <(window_geometry)
  [ "$fx $fy" = "100 80" ] || fail "start $run: frame at $fx,$fy, not 100,80"
  stop_game
done
[ "$(stored Xl),$(stored Yu)" = "100,80" ] || fail "after ten restarts the place is $(stored Xl),$(stored Yu)"

# The fitting: the client area is the playfield's width, and its height is
# the playfield's plus what the bars take, the same at every zoom.
for bars in On Off; do
  extra=
  for zoom in 2 3 4; do
    fresh_home "Zoom=$zoom" "Toolbar=$bars" "StatusBar=$bars"
    start_game "$work/home"
    read -r _ _ cw ch _ _ _ _ < <(window_geometry)
    stop_game
    [ "$cw" -eq $((zoom * 256)) ] || fail "zoom $zoom, bars $bars: client width $cw, not $((zoom * 256))"
    rest=$((ch - zoom * 152))
    [ -z "$extra" ] || [ "$rest" -eq "$extra" ] || fail "zoom $zoom, bars $bars: menu and bars take $rest, at 50 % $extra"
    extra=$rest
  done
  echo "bars $bars: menu and bars take $extra pixels at every zoom"
done

[ "$failures" -eq 0 ] || exit 1
echo "ok ($wm)"
