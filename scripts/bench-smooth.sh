#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Vantrosk
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Smooth motion's cost and effect: starts the game's demonstration on a
# virtual screen with a window manager, with "Smooth" off and then on (sound
# off, so that only the drawing counts), and reports for each the share of
# one core the game takes over twenty seconds and how many different
# pictures a second its window shows (bench/qt/frame_sampler, reading the
# window from the X server).
#
#   scripts/bench-smooth.sh [path/to/zembrovaltine]
#
# The sampler is built beside the game (the bench targets of a full build).
set -euo pipefail
cd "$(dirname "$0")/.."
program=$(realpath "${1:-build/bin/zembrovaltine}")
sampler=$(dirname "$program")/frame_sampler
warmup=5
measure=20
[ -x "$sampler" ] || { echo "bench-smooth: $sampler is needed (build the bench targets)" >&2; exit 1; }
if [ -z "${VIRTUAL_DESKTOP_WM:-}" ]; then
  exec scripts/virtual-desktop.sh -- "$0" "$program"
fi

# shellcheck source=game-window.sh
. scripts/game-window.sh

ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }

run() {
  local smooth=$1 home="$work/home$1"
  mkdir -p "$home/.config/Vantrosk"
  printf '[Zembrovaltine]\nSound=0\nSmooth=%d\n' "$smooth" >"$home/.config/Vantrosk/Zembrovaltine.conf"
  start_game "$home"
  xdotool windowactivate --sync "$window" 2>/dev/null || true
  xdotool key --window "$window" ctrl+d
  sleep "$warmup"
  local before after pictures
  before=$(ticks "$game")
  sleep "$measure"
  after=$(ticks "$game")
  pictures=$("$sampler" "$window" 5)
  awk -v t="$((after - before))" -v hz="$(getconf CLK_TCK)" -v s="$measure" -v smooth="$smooth" -v p="$pictures" 'BEGIN {
    printf "Smooth=%d  CPU: %.2f %% of one core over %d s   window: %s\n", smooth, 100 * t / hz / s, s, p
  }'
  stop_game
}

run 0
run 1
echo "budgets: with Smooth=1 at most 3 % of a core and at least 50 pictures a second; with Smooth=0 20"
