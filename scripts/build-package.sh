#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Vantrosk
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the Debian package zembrovaltine_VERSION_ARCH.deb into build-package/,
# compiling only what the package holds (the game, its data, blctool and the
# compressed manual pages and changelog), and fails unless lintian finds it
# free of errors and warnings.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
dir=build-package
# Packing installs the tree; without this it would first build every test
# and benchmark as well.
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON
cmake --build "$dir" --target game blctool package_docs
(cd "$dir" && cpack -G DEB)
ls -l "$dir"/zembrovaltine_*.deb
lintian --fail-on error,warning "$dir"/zembrovaltine_*.deb
echo "lintian: no errors or warnings"
