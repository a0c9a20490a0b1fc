# SPDX-FileCopyrightText: 2026 Vantrosk
#
# SPDX-License-Identifier: GPL-3.0-or-later

# What the blctool checks share, sourced once they have read their
# arguments: a scratch folder `work` that goes when the check ends,
# failures counted rather than ending the check at the first, and its
# verdict, by `finish WHAT` as its last line.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
finish() {
  [ "$failures" -eq 0 ] && echo "all $1 checks passed"
  exit $((failures > 0))
}
