#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Vantrosk
#
# SPDX-License-Identifier: GPL-3.0-or-later

# blctool against files a hostile user would hand it: FIFOs, endless and
# huge inputs, planted links, read-only and linked targets, a file-size
# limit. Usage: hostile_files.sh BLCTOOL STAGE_TEXT
set -uo pipefail
blctool=$1
stage_text=$2
# shellcheck source=checks.sh
. "$(dirname "$0")/checks.sh"
cd "$work"

# Runs blctool with a time limit; sets status and err (its standard error).
run() {
  timeout 10 "$blctool" "$@" >out.txt 2>err.txt
  status=$?
  err=$(cat err.txt)
}
expect_refused() {  # what, expected text in the message
  if [ "$status" -ne 1 ] && [ "$status" -ne 2 ]; then fail "$1: status $status, not a refusal"; fi
  case $err in *"$2"*) ;; *) fail "$1: message \"$err\" lacks \"$2\"" ;; esac
}

"$blctool" build "$stage_text" -o set.blc || { echo "cannot build a set"; exit 1; }
original=$(sha256sum <set.blc)

# A FIFO or a device is no stage set: refused at once, never waited on.
mkfifo pipe.blc
run dump pipe.blc
expect_refused "dump of a FIFO" "not a regular file"
run dump /dev/zero
expect_refused "dump of /dev/zero" "not a regular file"
run build pipe.blc -o new.blc
expect_refused "build from a FIFO" "not a regular file"

# Huge inputs are read no further than a stage set or a text can need. The
# address space is limited so that reading them whole fails instead of
# filling the machine; AddressSanitizer needs more address space than that.
# (grep reads nm to the end: with -q it would stop early and, under
# pipefail, nm's broken pipe would fail the test of the condition.)
if nm "$blctool" 2>/dev/null | grep __asan_init >/dev/null; then
  echo "SKIP: huge inputs are not tried under AddressSanitizer, which needs an unlimited address space"
else
  cp set.blc huge.blc
  truncate -s 3G huge.blc
  truncate -s 3G huge.txt
  truncate -s 3G huge.scn
  (ulimit -v 1000000; run dump huge.blc; echo "$status" >status; printf %s "$err" >err2.txt; cp out.txt dump.txt)
  status=$(cat status); err=$(cat err2.txt)
  [ "$status" -eq 0 ] || fail "dump of a huge set: status $status ($err)"
  grep -q "longer than 2125 bytes" dump.txt || fail "dump of a huge set does not say the tail was left unread"
  (ulimit -v 1000000; run build huge.txt -o new.blc; echo "$status" >status; printf %s "$err" >err2.txt)
  status=$(cat status); err=$(cat err2.txt)
  expect_refused "build from a huge text" "larger than 4 MiB"
  (ulimit -v 1000000; run trace huge.scn; echo "$status" >status; printf %s "$err" >err2.txt)
  status=$(cat status); err=$(cat err2.txt)
  expect_refused "trace of a huge scenario" "larger than 4 MiB"
fi

# A link planted where a temporary file might go is never written through.
echo "precious" >victim
ln -s victim set.blc.part
run build "$stage_text" -o set.blc
[ "$status" -eq 0 ] || fail "build beside a planted link: status $status ($err)"
[ "$(cat victim)" = "precious" ] || fail "build wrote through a planted link"
[ -L set.blc ] && fail "build left a link where the set was"
ls -A | grep -q '^\.set\.blc\.' && fail "build left a temporary file behind"

# A read-only target is refused and left as it was.
cp set.blc readonly.blc
chmod 444 readonly.blc
: >empty.txt  # an empty text is ten empty stages
run build empty.txt -o readonly.blc
expect_refused "build over a read-only set" "read-only"
[ "$(sha256sum <readonly.blc)" = "$original" ] || fail "build changed a read-only set"

# A linked target keeps its link; the file it names gets the new set.
cp set.blc real.blc
ln -s real.blc link.blc
run build empty.txt -o link.blc
[ "$status" -eq 0 ] || fail "build through a link: status $status ($err)"
[ -L link.blc ] || fail "build replaced the link with a file"
[ "$(sha256sum <real.blc)" != "$original" ] || fail "build did not write the file the link names"

# A file-size limit fails the write with a message; the old set survives.
cp set.blc limited.blc
(ulimit -f 1; run build "$stage_text" -o limited.blc; echo "$status" >status; printf %s "$err" >err2.txt)
status=$(cat status); err=$(cat err2.txt)
expect_refused "build under a file-size limit" "cannot write it"
[ "$(sha256sum <limited.blc)" = "$original" ] || fail "build under a file-size limit damaged the old set"

finish hostile-file
