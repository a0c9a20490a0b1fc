#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Vantrosk
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the Debian 12 packages needed to build, test and look at the game.
# Works as root, or through sudo otherwise; packages already present are skipped.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins
  qt6-translations-l10n
  qt6-tools-dev qt6-tools-dev-tools qt6-documentation-tools
  libfluidsynth-dev libpulse-dev timgm6mb-soundfont fluid-soundfont-gm
  libgtest-dev libgmock-dev libbenchmark-dev gcovr
  libpng-dev reuse lintian
  fonts-ipafont-gothic
  xvfb xauth imagemagick xdotool x11-utils openbox mutter dbus-daemon
  dpkg-dev file desktop-file-utils appstream shared-mime-info xdg-utils
  libfile-mimeinfo-perl inotify-tools
  pulseaudio
  clang libclang-rt-dev
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

as_root=()
if [ "$(id -u)" -ne 0 ]; then
  as_root=(sudo)
fi

echo "Installing: ${missing[*]}"
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
