#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Vantrosk
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Pictures of the game as a player meets it on a desktop with a window
# manager, for a review of anything that touches windows or dialogs:
#
#   first-start.png   the first start, in a home with no settings
#   about.png         the About box
#   save-question.png a message box: the question before a changed set is left
#   save-as.png       the Save As dialog for the set that came with the program
#   away.png          the ball paused while another program is active
#   back.png          the same after Esc in the game again
#
# and it prints where the frame stood and what was stored after ten restarts
# from the place 100,80.
#
#   scripts/desktop-shots.sh [--wm openbox|mutter] [--program path] outdir
#
# Run it as a user other than root to see Save As offer the documents folder
# for a set in a folder the user cannot write: root may write anywhere.
set -euo pipefail
cd "$(dirname "$0")/.."
wm=openbox
program=build/bin/zembrovaltine
while [ $# -gt 1 ]; do
  case $1 in
    --wm) wm=$2; shift 2 ;;
    --program) program=$2; shift 2 ;;
    *) break ;;
  esac
done
out=$(mkdir -p "$1" && realpath "$1")
program=$(realpath "$program")
if [ -z "${VIRTUAL_DESKTOP_WM:-}" ]; then
  exec scripts/virtual-desktop.sh --wm "$wm" -- "$0" --program "$program" "$out"
fi

# shellcheck source=game-window.sh
. scripts/game-window.sh
others=()
trap 'for pid in "${others[@]}"; do kill "$pid" 2>/dev/null || true; done; cleanup_game_window' EXIT
mkdir -p "$work/home/Documents"

start() {
  start_game "$work/home"
  sleep 0.5
  xdotool windowactivate --sync "$window" 2>/dev/null || true
}
keys() { for key in "$@"; do xdotool key "$key"; sleep 0.6; done; sleep 0.6; }
shot() { import -window root "$out/$1"; echo "$out/$1"; }
frame_corner() {
  local fx fy
  read -r _ _ _ _ fx fy _ _ < <(window_geometry)
  echo "$fx,$fy"
}

start
echo "first start: frame at $(frame_corner)"
shot first-start.png
keys alt+h a
shot about.png
keys Escape

# A changed set: the editor, a block painted on the grid, then New.
keys ctrl+e
xdotool mousemove --window "$window" 120 120 click 1
sleep 0.5
keys ctrl+n
shot save-question.png
keys Escape

keys alt+f a
shot save-as.png
keys Escape

# Play, the ball in flight, then another program takes the focus.
keys ctrl+p space
xmessage -center "another program" &
others+=($!)
sleep 1.5
xdotool search --sync --onlyvisible --name '^xmessage$' windowactivate --sync 2>/dev/null || true
sleep 1
shot away.png
sleep 1
import -window "$window" "$work/away-1.png"
sleep 1
import -window "$window" "$work/away-2.png"
if [ "$(compare -metric AE "$work/away-1.png" "$work/away-2.png" null: 2>&1)" = 0 ]; then
  echo "away: the playfield stood still for a second"
else
  echo "away: the playfield moved"
fi
xdotool windowactivate --sync "$window"
keys Escape
shot back.png
stop_game

# Ten restarts from 100,80.
printf '[Zembrovaltine]\nXl=100\nYu=80\nSound=0\n' >"$work/home/.config/Vantrosk/Zembrovaltine.conf"
for run in $(seq 10); do
  start
  corner=$(frame_corner)
  stop_game
done
echo "after ten restarts: frame at $corner, stored $(sed -n 's/^Xl=//p' "$work/home/.config/Vantrosk/Zembrovaltine.conf"),$(sed -n 's/^Yu=//p' "$work/home/.config/Vantrosk/Zembrovaltine.conf")"
