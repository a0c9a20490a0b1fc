#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Vantrosk
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs what is missing, builds with AddressSanitizer and
# UndefinedBehaviorSanitizer, and runs every test headless.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh build-tests -DCMAKE_BUILD_TYPE=Debug -DZEMBRO_SANITIZE=ON
export QT_QPA_PLATFORM=offscreen
# Qt's own libraries hold a few allocations for the life of the process.
export ASAN_OPTIONS=detect_leaks=0
ctest --test-dir build-tests --output-on-failure
