#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Vantrosk
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The cost of sound: starts the game on a virtual screen, switches to the
# demonstration, and after ten seconds measures its share of one core over
# twenty seconds and its resident memory (peak and at the end). It does so
# twice, with music and effects on and with sound off, and reports the time
# from start to the first window on the screen for both (the median of nine
# first starts). When the effect latency benchmark is built beside the game
# it reports that too: the time from an effect's request to its first sample
# leaving for the sound server.
#
#   scripts/bench-sound.sh [path/to/zembrovaltine]
#
# Runs on a virtual screen with a window manager (scripts/virtual-desktop.sh)
# and needs xev and xdotool. Sound goes to $PULSE_SERVER when set; otherwise,
# when pulseaudio is installed, to a private server with a null sink, so that
# the music and the effects are really played.
set -euo pipefail
cd "$(dirname "$0")/.."
program=$(realpath "${1:-build/bin/zembrovaltine}")
warmup=10
measure=20
starts=9

for tool in xev xdotool; do
  command -v "$tool" >/dev/null || { echo "bench-sound: $tool is needed" >&2; exit 1; }
done
# On a virtual screen of its own with a window manager, as a player's desktop.
if [ -z "${VIRTUAL_DESKTOP_WM:-}" ]; then
  exec scripts/virtual-desktop.sh -- "$0" "$program"
fi

work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

if [ -z "${PULSE_SERVER:-}" ] && command -v pulseaudio >/dev/null; then
  HOME="$work" pulseaudio -n --daemonize=no --exit-idle-time=-1 --disallow-exit \
    -L "module-null-sink sink_name=bench" \
    -L "module-native-protocol-unix auth-anonymous=1 socket=$work/pulse" >/dev/null 2>&1 &
  pids+=($!)
  export PULSE_SERVER="unix:$work/pulse"
  for _ in $(seq 50); do [ -S "$work/pulse" ] && break; sleep 0.1; done
fi
echo "sound server: ${PULSE_SERVER:-none}"

# The window's appearance is the server's MapNotify for a top-level window,
# read from a watcher of the screen's root as it happens: asking the server
# again and again would take a core from the program measured, and a poll
# sees the window only at its next turn.
mkfifo "$work/events"
stdbuf -oL xev -root -event substructure >"$work/events" 2>/dev/null &
pids+=($!)
exec 3<"$work/events"
sleep 0.3
kill -0 "${pids[-1]}" 2>/dev/null || { echo "bench-sound: xev cannot watch the screen" >&2; exit 1; }

now_us() { echo "${EPOCHREALTIME/[.,]/}"; }
# Reads the root's events until a top-level window that the window manager
# may place (not a menu or a tip) is mapped; prints the time it was read.
await_map() {
  local line
  while read -r -t 10 -u 3 line; do
    [[ $line == MapNotify* ]] || continue
    local seen
    seen=$(now_us)
    read -r -t 1 -u 3 line && [[ $line == *"override NO"* ]] && { echo "$seen"; return 0; }
  done
  return 1
}
ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
kib() { awk -v key="$2:" '$1 == key {print $2}' "/proc/$1/status"; }

# Starts the program with "Sound" as given (bit 0 music, bit 1 effects) as
# a first start, in a home of its own that holds no other setting, and waits
# for its window: sets game, window and took (the milliseconds to the window).
start_game() {
  local sound=$1 home=$2
  mkdir -p "$home/.config/Vantrosk"
  printf '[Zembrovaltine]\nSound=%d\n' "$sound" >"$home/.config/Vantrosk/Zembrovaltine.conf"
  while read -r -t 0.05 -u 3 _; do :; done  # events of the program before
  local start mapped
  start=$(now_us)
  HOME="$home" "$program" >"$work/game$sound.log" 2>&1 &
  game=$!
  pids+=($game)
  mapped=$(await_map) || { echo "bench-sound: no window appeared" >&2; cat "$work/game$sound.log" >&2; exit 1; }
  took=$(((mapped - start) / 1000))
  window=$(xdotool search --onlyvisible --pid "$game" 2>/dev/null | head -1 || true)
}

stop_game() {
  kill "$game" 2>/dev/null || true
  wait "$game" 2>/dev/null || true
}

# The time to the first window, as the median of several first starts: one
# start alone varies by tens of milliseconds with what else the machine does.
first_window() {
  local sound=$1 times=()
  for i in $(seq "$starts"); do
    start_game "$sound" "$work/first$sound-$i"
    times+=("$took")
    stop_game
    sleep 0.5
  done
  printf '%s\n' "${times[@]}" | sort -n | awk '{ t[NR] = $1 } END {
    printf "%d ms (%d to %d over %d starts)", t[int((NR + 1) / 2)], t[1], t[NR], NR }'
}

# One run of the demonstration with the shipped tunes: its share of a core
# and its resident memory.
run() {
  local sound=$1 window_times
  window_times=$(first_window "$sound")
  start_game "$sound" "$work/home$sound"
  xdotool windowfocus --sync "$window" 2>/dev/null || true
  xdotool key --window "$window" ctrl+d
  sleep "$warmup"
  local before after
  before=$(ticks "$game")
  sleep "$measure"
  after=$(ticks "$game")
  if xdotool search --onlyvisible --name '^Zembrovaltine$' >/dev/null 2>&1; then
    echo "bench-sound: a message box is open; the numbers are not the demonstration's" >&2
  fi
  awk -v t="$((after - before))" -v hz="$(getconf CLK_TCK)" -v s="$measure" -v fw="$window_times" \
      -v peak="$(kib "$game" VmHWM)" -v rss="$(kib "$game" VmRSS)" -v sound="$sound" 'BEGIN {
    printf "Sound=%d  first window: %s\n         CPU: %.2f %% of one core over %d s   resident: peak %.1f MiB, end %.1f MiB\n",
      sound, fw, 100 * t / hz / s, s, peak / 1024, rss / 1024
  }'
  stop_game
}

run "${SOUND:-3}"
run 0
echo "budgets: first window 100 ms; CPU with sound at most 0.6 points above sound off; peak resident 60 MiB"

latency=$(dirname "$program")/effect_latency_bench
if [ -x "$latency" ]; then "$latency"; fi
