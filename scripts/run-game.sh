#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Vantrosk
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs what is missing, builds the game and its data files (no tests or
# benchmarks), and starts it. On a machine without a display it starts on a
# virtual screen with a window manager (scripts/virtual-desktop.sh), whose
# display it names so that the game can be looked at there.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --target game
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  exec scripts/virtual-desktop.sh -- sh -c \
    'echo "No display here: the game runs on the virtual screen $DISPLAY (look: DISPLAY=$DISPLAY import -window root shot.png)"; exec "$0" "$@"' \
    build/bin/zembrovaltine "$@"
fi
exec build/bin/zembrovaltine "$@"
