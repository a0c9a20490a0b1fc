#!/usr/bin/env bash
# The cost of sound: starts the game on a virtual screen, switches to the
# demonstration with music and effects on, and after ten seconds measures
# its share of one core over twenty seconds and its resident memory. It
# also reports the time from start to the first window on the screen.
#
#   scripts/bench-sound.sh [path/to/zembrovaltine]
#
# Needs Xvfb and xdotool. Sound goes to $PULSE_SERVER when set; otherwise,
# when pulseaudio is installed, to a private server with a null sink, so
# that the music and the effects are really played.
set -euo pipefail
cd "$(dirname "$0")/.."
program=$(realpath "${1:-build/bin/zembrovaltine}")
warmup=10
measure=20

for tool in Xvfb xdotool; do
  command -v "$tool" >/dev/null || { echo "bench-sound: $tool is needed" >&2; exit 1; }
done

work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

# A display of our own: the first free one from 140 on.
display=140
while [ -e "/tmp/.X${display}-lock" ]; do display=$((display + 1)); done
Xvfb ":$display" -screen 0 1280x1024x24 >/dev/null 2>&1 &
pids+=($!)
export DISPLAY=":$display"
for _ in $(seq 50); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done

if [ -z "${PULSE_SERVER:-}" ] && command -v pulseaudio >/dev/null; then
  HOME="$work" pulseaudio -n --daemonize=no --exit-idle-time=-1 --disallow-exit \
    -L "module-null-sink sink_name=bench" \
    -L "module-native-protocol-unix auth-anonymous=1 socket=$work/pulse" >/dev/null 2>&1 &
  pids+=($!)
  export PULSE_SERVER="unix:$work/pulse"
  for _ in $(seq 50); do [ -S "$work/pulse" ] && break; sleep 0.1; done
fi
echo "sound server: ${PULSE_SERVER:-none}"

# A first run with music (bit 0) and effects (bit 1) on and the shipped tunes;
# SOUND=0..3 in the environment chooses otherwise, to compare.
mkdir -p "$work/home/.config/Vantrosk"
printf '[Zembrovaltine]\nSound=%d\n' "${SOUND:-3}" >"$work/home/.config/Vantrosk/Zembrovaltine.conf"

now_ms() { date +%s%3N; }
start=$(now_ms)
HOME="$work/home" "$program" >"$work/game.log" 2>&1 &
game=$!
pids+=($game)
window=""
for _ in $(seq 2000); do
  window=$(xdotool search --onlyvisible --name '^Zembrovaltine - ' 2>/dev/null | head -1 || true)
  [ -n "$window" ] && break
  sleep 0.002
done
[ -n "$window" ] || { echo "bench-sound: no window appeared" >&2; cat "$work/game.log" >&2; exit 1; }
first_window=$(($(now_ms) - start))

xdotool windowfocus --sync "$window" 2>/dev/null || true
xdotool key --window "$window" ctrl+d
sleep "$warmup"

ticks() { awk '{print $14 + $15}' "/proc/$game/stat"; }
hz=$(getconf CLK_TCK)
before=$(ticks)
sleep "$measure"
after=$(ticks)
rss_kib=$(awk '/^VmRSS/ {print $2}' "/proc/$game/status")
if xdotool search --onlyvisible --name '^Zembrovaltine$' >/dev/null 2>&1; then
  echo "bench-sound: a message box is open; the numbers are not the demonstration's" >&2
fi

awk -v t="$((after - before))" -v hz="$hz" -v s="$measure" -v rss="$rss_kib" -v fw="$first_window" 'BEGIN {
  printf "first window:  %d ms   (budget 150 ms)\n", fw
  printf "CPU share:     %.2f %% of one core over %d s   (budget 3 %%, aim 1.5 %%)\n", 100 * t / hz / s, s
  printf "resident:      %.1f MiB   (budget 60 MiB)\n", rss / 1024
}'
