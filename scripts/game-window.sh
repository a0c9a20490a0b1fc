# SPDX-FileCopyrightText: 2026 Vantrosk
#
# SPDX-License-Identifier: GPL-3.0-or-later

# What the scripts that look at the game on a virtual desktop share; they
# source it after setting `program`. It makes a scratch folder `work`, gone
# with the script together with any game still running.
#
#   start_game HOME   starts the game with that home and waits (up to a
#                     minute: a sanitized build on a busy machine starts
#                     slowly) until the window manager has framed its window;
#                     sets `game` and `window`
#   stop_game         ends it as a logout or kill would: it closes its
#                     window, which stores the place
#   window_geometry   the client area's place and size, then the frame's
#                     outer place and size: "cx cy cw ch fx fy fw fh"

work=$(mktemp -d)
game=
window=
export ASAN_OPTIONS=detect_leaks=0
cleanup_game_window() {
  [ -n "$game" ] && kill "$game" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup_game_window EXIT

start_game() {
  HOME="$1" XDG_CONFIG_HOME="$1/.config" "$program" >>"$work/game.log" 2>&1 &
  game=$!
  window=
  for _ in $(seq 600); do
    window=$(xdotool search --onlyvisible --pid "$game" 2>/dev/null | head -1 || true)
    [ -n "$window" ] && xprop -id "$window" _NET_FRAME_EXTENTS 2>/dev/null | grep -q = && break
    sleep 0.1
  done
  if [ -z "$window" ]; then
    cat "$work/game.log" >&2
    echo "$(basename "$0"): no window appeared" >&2
    exit 1
  fi
  sleep 0.5
}

stop_game() {
  kill -TERM "$game"
  wait "$game" 2>/dev/null || true
  game=
}

window_geometry() {
  local cx cy cw ch l r t b
  eval "$(xwininfo -id "$window" | awk '
    /Absolute upper-left X/ { print "cx=" $NF } /Absolute upper-left Y/ { print "cy=" $NF }
    /Width:/ { print "cw=" $NF } /Height:/ { print "ch=" $NF }')"
  read -r l r t b < <(xprop -id "$window" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
  echo "$cx $cy $cw $ch $((cx - l)) $((cy - t)) $((cw + l + r)) $((ch + t + b))"
}
