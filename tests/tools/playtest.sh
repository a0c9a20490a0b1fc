#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Vantrosk
#
# SPDX-License-Identifier: GPL-3.0-or-later

# blctool playtest as a stage designer uses it: where a stage drags (its
# slow ending and the block the player waits longest for), the time limits
# of a stage and of a set, the mean over a range of seeds, and the same
# report every time. Usage: playtest.sh BLCTOOL
set -uo pipefail
blctool=$1
# shellcheck source=checks.sh
. "$(dirname "$0")/checks.sh"
cd "$work"
has() {  # what, text, expected part
  case $2 in *"$3"*) ;; *) fail "$1: no \"$3\" in: $2" ;; esac
}
lacks() {  # what, text, unwanted part
  case $2 in *"$3"*) fail "$1: \"$3\" in: $2" ;; esac
}
# Runs playtest on the set; sets status and out.
play() {
  out=$(timeout 60 "$blctool" playtest set.blc "$@" 2>&1)
  status=$?
}
ticks_of() {  # stage number, playtest output: the ticks the stage took
  sed -n "s/^stage *$1: cleared in \([0-9]*\) ticks.*/\1/p" <<<"$2"
}

# Stage 1 lays its blocks in the open; stage 2 hides one block in a gold
# cup that opens downward, which the ball enters only now and then.
row() { printf '%s\n' "$@"; }
{
  row "stage 1" ............... ............... ............... ............... ...............
  row ...11111111.... ............... ............... ............... ............... ............... ...............
  row "stage 2" ............... .GGG........... .G1G........... ............... ...............
  row ...22222222.... ............... ............... ............... ............... ............... ...............
  row 'message "ok"'
} >set.txt
"$blctool" build set.txt -o set.blc || { echo "cannot build the set"; exit 1; }

play --stage 1
first=$out
[ "$status" -eq 0 ] || fail "an open stage: exit $status"
has "an open stage" "$out" "last 1 of 8 blocks in"
play --stage 1
[ "$out" = "$first" ] || fail "two runs with the same seed differ"

play
[ "$status" -eq 0 ] || fail "the whole set: exit $status"
has "an empty stage" "$(grep '^stage  3:' <<<"$out")" "cleared in 1 ticks"
lacks "an empty stage has no ending" "$(grep '^stage  3:' <<<"$out")" "last"
waits=$(sed -n '/^longest waits/,$p' <<<"$out")
has "the longest wait" "$(sed -n 2p <<<"$waits")" "stage  2:"
has "the longest wait" "$(sed -n 2p <<<"$waits")" "for row 3 column 3"
endings=$(sed -n '/^slowest endings/,/^longest waits/p' <<<"$out")
has "the slowest ending" "$(sed -n 2p <<<"$endings")" "stage  2:"
has "the slowest ending" "$(sed -n 2p <<<"$endings")" "last blocks row 3 column 3"
[ "$(grep -c '^  stage' <<<"$endings")" -eq 2 ] || fail "only stages with blocks have endings: $endings"
stage2=$(ticks_of 2 "$out")
total=$(sed -n 's/^10 of 10 stage(s) cleared, \([0-9]*\) ticks in all.*/\1/p' <<<"$out")

# Limits: a stage over its own fails the run, the others pass.
play --limit "$stage2"
[ "$status" -eq 0 ] || fail "a limit just met: exit $status"
lacks "a limit just met" "$out" "OVER"
play --limit 100000,$((stage2 - 1))
[ "$status" -eq 1 ] || fail "a limit one tick short: exit $status"
has "a limit one tick short" "$(grep '^stage  2:' <<<"$out")" "OVER its limit of $((stage2 - 1)) ticks"
lacks "the limit list's last value holds for the later stages" "$(grep -v '^stage  2:' <<<"$out")" "OVER"
play --set-limit "$total"
[ "$status" -eq 0 ] || fail "a set limit just met: exit $status"
play --set-limit $((total - 1))
[ "$status" -eq 1 ] || fail "a set limit one tick short: exit $status"
has "a set limit one tick short" "$out" "OVER the set's limit of $((total - 1)) ticks"
play --stage 2 --max-ticks 10
[ "$status" -eq 1 ] || fail "given up: exit $status"
has "given up" "$out" "NOT cleared: 9 blocks left after 10 ticks"

# A range of seeds plays each stage once per seed and gives the mean.
sum=0
for seed in 1 2 3; do
  play --stage 2 --seed $seed
  sum=$((sum + $(ticks_of 2 "$out")))
done
play --stage 2 --seed 1-3
has "the mean of three seeds" "$out" "cleared in $(((sum + 1) / 3)) ticks"
has "the mean of three seeds" "$out" "on average, slowest with seed"
play --stage 2 --seed 2-2
single=$out
play --stage 2 --seed 2
[ "$out" = "$single" ] || fail "a range of one seed differs from that seed"

for wrong in "--seed 3-1" "--seed 1-" "--limit 0" "--limit 100,,100" "--limit 1,2,3,4,5,6,7,8,9,10,11" \
  "--set-limit -5" "--limit"; do
  play $wrong
  [ "$status" -eq 2 ] || fail "$wrong: exit $status, not a usage error"
done

finish playtest
