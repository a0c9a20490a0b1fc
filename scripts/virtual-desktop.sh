#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Vantrosk
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs a command on a virtual screen with a window manager, as a player's
# desktop has one: windows get frames and title bars, dialogs are placed and
# raised by the manager, and the game can lose the focus to another program.
# A bare virtual screen hides faults of all three.
#
#   scripts/virtual-desktop.sh [--wm openbox|mutter|none] [--size WxH] [--display N] -- command [args...]
#
# The command runs with DISPLAY set to the new screen and VIRTUAL_DESKTOP_WM
# to the manager's name; the screen and the manager end with it, and its exit
# status is the script's. The display is the first free one from 150 on
# unless given.
set -euo pipefail

wm=openbox
size=1280x1024
display=
while [ $# -gt 0 ]; do
  case $1 in
    --wm) wm=$2; shift 2 ;;
    --size) size=$2; shift 2 ;;
    --display) display=$2; shift 2 ;;
    --) shift; break ;;
    *) echo "virtual-desktop: unknown option $1" >&2; exit 2 ;;
  esac
done
[ $# -gt 0 ] || { echo "virtual-desktop: no command given" >&2; exit 2; }

case $wm in
  openbox|mutter|none) ;;
  *) echo "virtual-desktop: --wm takes openbox, mutter or none" >&2; exit 2 ;;
esac
for tool in Xvfb xdotool $([ "$wm" = none ] || echo "$wm"); do
  command -v "$tool" >/dev/null || { echo "virtual-desktop: $tool is needed (scripts/install-deps.sh)" >&2; exit 1; }
done

if [ -z "$display" ]; then
  display=150
  while [ -e "/tmp/.X${display}-lock" ]; do display=$((display + 1)); done
fi

work=$(mktemp -d)
pids=()
cleanup() {
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# No reset when the last client leaves: a program starting during one would
# find no display.
Xvfb ":$display" -noreset -screen 0 "${size}x24" >"$work/xvfb.log" 2>&1 &
pids+=($!)
export DISPLAY=":$display"
for _ in $(seq 50); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done
xdotool getdisplaygeometry >/dev/null 2>&1 || { echo "virtual-desktop: Xvfb did not start" >&2; cat "$work/xvfb.log" >&2; exit 1; }

# The manager has taken the screen once it has set its check window on the root.
await_manager() {
  for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
    sleep 0.1
  done
  echo "virtual-desktop: $wm did not take the screen" >&2
  cat "$work/wm.log" >&2
  exit 1
}

case $wm in
  openbox)
    openbox --sm-disable >"$work/wm.log" 2>&1 &
    pids+=($!)
    await_manager
    ;;
  mutter)
    # Mutter wants a session bus; it runs as an X11 compositing manager.
    dbus-run-session -- mutter --x11 --replace --sm-disable >"$work/wm.log" 2>&1 &
    pids+=($!)
    await_manager
    ;;
  none) ;;
esac

export VIRTUAL_DESKTOP_WM=$wm
# Qt programs show on this screen, even when the caller runs them headless.
export QT_QPA_PLATFORM=xcb
status=0
"$@" || status=$?
exit "$status"
