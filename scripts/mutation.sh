#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Vantrosk
#
# SPDX-License-Identifier: GPL-3.0-or-later

# A mutation run: puts one small, realistic fault (a mutant) at a time into a
# copy of the tree, rebuilds the copy incrementally, runs the tests on it and
# prints the share of faults the tests caught (killed) and the ones they
# missed (survivors). The working tree itself is never touched.
#
#   scripts/mutation.sh [-c] [-l LIST] [-d DIR] [-t SECONDS] [-o REGEX]
#
# -c: only check the list (each original found exactly once) and stop;
# -l: the mutants (default tests/mutants.tsv; its head says how they are
#     written); -d: the folder of the copy and its build (default
#     build-mutation); -t: seconds the tests of one mutant may take, past which
#     it counts as killed (default 300); -o: only the mutants whose line,
#     file or note matches the Python regular expression REGEX.
#
# The copy is the working tree as it is, uncommitted changes included, so a
# new test can be tried on its mutants before it is committed. Each mutant
# runs the tests whose programs it changed: core_tests, qt_tests (offscreen)
# and the checks that run blctool (trace.*, blctool.*, the stage sets'
# checks), each stopping at its first failure. The desktop checks and the
# fuzz runs are left out. After a first build of half an hour on two cores,
# each mutant takes 5 to 30 seconds; the whole is too slow for a CTest test.
set -euo pipefail
cd "$(dirname "$0")/.."
exec python3 - "$@" <<'EOF'
import argparse
import os
import re
import shutil
import signal
import subprocess
import sys
import time
from dataclasses import dataclass

parser = argparse.ArgumentParser(prog="scripts/mutation.sh")
parser.add_argument("-l", dest="mutants", default="tests/mutants.tsv")
parser.add_argument("-d", dest="folder", default="build-mutation")
parser.add_argument("-t", dest="timeout", type=int, default=300)
parser.add_argument("-o", dest="only", default=None)
parser.add_argument("-c", dest="check_only", action="store_true")
options = parser.parse_args()

source = os.getcwd()
# The folder is the copy's build tree, and the copy lies inside it: a folder
# holding a CMakeCache.txt is a build tree to the layering check too.
build = os.path.join(source, options.folder)
copy = os.path.join(build, "source")


@dataclass
class Mutant:
    where: str        # LIST:LINE
    file: str
    original: str
    replacement: str
    note: str
    equivalent: str   # why no test can tell it apart, or empty


def say(text=""):
    print(text, flush=True)


def shown(text):
    return text.replace("\\", "\\\\").replace("\n", "\\n")


# In ORIGINAL and REPLACEMENT, \n stands for a line break and \\ for a backslash.
def unescape(text):
    return re.sub(r"\\([n\\])", lambda match: "\n" if match.group(1) == "n" else "\\", text)


def read_mutants(path):
    mutants, problems = [], []
    with open(path, encoding="utf-8") as listing:
        for number, line in enumerate(listing, 1):
            line = line.rstrip("\n")
            if not line.strip() or line.startswith("#"):
                continue
            where = f"{path}:{number}"
            fields = line.split("\t")
            if len(fields) not in (4, 5):
                problems.append(f"{where}: {len(fields)} fields; a mutant has 4, or 5 when equivalent")
                continue
            equivalent = fields[4] if len(fields) == 5 else ""
            if equivalent and not equivalent.startswith("equivalent: "):
                problems.append(f"{where}: the fifth field must begin with \"equivalent: \" and give the reason")
                continue
            file, original, replacement, note = fields[:4]
            mutants.append(Mutant(where, file, unescape(original), unescape(replacement), note,
                                  equivalent.removeprefix("equivalent: ")))
    return mutants, problems


# A mutant must name one place: its original text exactly once in its file.
def check(mutant):
    path = os.path.join(source, mutant.file)
    if not os.path.isfile(path):
        return f"{mutant.where}: no file {mutant.file}"
    if mutant.original == mutant.replacement:
        return f"{mutant.where}: the replacement is the original"
    found = open(path, encoding="utf-8").read().count(mutant.original)
    if found != 1:
        return f"{mutant.where}: `{mutant.original}` is found {found} times in {mutant.file}, not once"
    return None


def tree_files():
    listed = subprocess.run(["git", "ls-files", "-z", "-c", "-o", "--exclude-standard"],
                            check=True, capture_output=True).stdout.decode().split("\0")
    return sorted({name for name in listed if name and os.path.lexists(name)})


# Copies what differs only, so that the copy's build stays incremental; a
# file gone from the tree goes from the copy.
def sync_copy():
    wanted = set(tree_files())
    for name in wanted:
        target = os.path.join(copy, name)
        if os.path.islink(name):
            if not os.path.islink(target) or os.readlink(target) != os.readlink(name):
                if os.path.lexists(target):
                    os.remove(target)
                os.makedirs(os.path.dirname(target), exist_ok=True)
                os.symlink(os.readlink(name), target)
            continue
        with open(name, "rb") as file:
            data = file.read()
        if os.path.isfile(target) and not os.path.islink(target):
            with open(target, "rb") as file:
                if file.read() == data:
                    continue
        os.makedirs(os.path.dirname(target) or ".", exist_ok=True)
        if os.path.lexists(target):
            os.remove(target)
        with open(target, "wb") as file:
            file.write(data)
        shutil.copymode(name, target)
    for folder, _, names in os.walk(copy):
        for name in names:
            path = os.path.join(folder, name)
            if os.path.relpath(path, copy) not in wanted:
                os.remove(path)


def run(command, seconds, **kwargs):
    """The exit status, or None when the command ran out of time."""
    process = subprocess.Popen(command, start_new_session=True, **kwargs)
    try:
        return process.wait(timeout=seconds)
    except subprocess.TimeoutExpired:
        os.killpg(process.pid, signal.SIGKILL)
        process.wait()
        return None


# The clean tree is built whole (the manual and the sounds included, which
# no mutant changes); a mutant, only what the tests run.
TESTED_TARGETS = ["core_tests", "qt_tests", "blctool", "system_stages", "shipped_stage_sets"]


def build_copy(log, targets=()):
    if not os.path.exists(os.path.join(build, "CMakeCache.txt")):
        status = run(["cmake", "-S", copy, "-B", build, "-G", "Ninja", "-DCMAKE_BUILD_TYPE=Debug",
                      "-DZEMBRO_SANITIZE=OFF"], None, stdout=log, stderr=subprocess.STDOUT)
        if status != 0:
            return False
    command = ["cmake", "--build", build] + (["--target", *targets] if targets else [])
    return run(command, None, stdout=log, stderr=subprocess.STDOUT) == 0


# Each suite: its name, the program whose change calls for it, its command.
def suites():
    binary = lambda name: os.path.join(build, "bin", name)
    return [
        ("core_tests", binary("core_tests"), [binary("core_tests"), "--gtest_fail_fast", "--gtest_brief=1"]),
        ("blctool checks", binary("blctool"),
         ["ctest", "--test-dir", build, "--stop-on-failure", "--output-on-failure",
          "-R", r"^(trace\.|blctool\.|system_stages_|stage_set_)"]),
        ("qt_tests", binary("qt_tests"), [binary("qt_tests"), "--gtest_fail_fast", "--gtest_brief=1"]),
    ]


def run_tests(log, changed_since=None):
    """(outcome, suite): outcome is "passed", "failed" or "timed out"."""
    environment = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    deadline = time.monotonic() + options.timeout
    for name, program, command in suites():
        if changed_since is not None and os.path.getmtime(program) < changed_since:
            continue  # the same program as the clean tree's, which passed
        log.write(f"\n== {name}\n".encode())
        log.flush()
        status = run(command, max(1, deadline - time.monotonic()), stdout=log, stderr=subprocess.STDOUT,
                     env=environment, cwd=build)
        if status is None:
            return "timed out", name
        if status != 0:
            return "failed", name
    return "passed", None


def main():
    mutants, problems = read_mutants(options.mutants)
    problems += [problem for problem in map(check, mutants) if problem]
    if problems:
        say("Refused: every mutant must be well formed and name its place exactly once.")
        for problem in problems:
            say("  " + problem)
        return 2
    if options.check_only:
        say(f"{len(mutants)} mutants, each found once; {sum(1 for m in mutants if m.equivalent)} marked equivalent")
        return 0
    if options.only:
        pattern = re.compile(options.only)
        mutants = [m for m in mutants if pattern.search(m.where) or pattern.search(m.file) or pattern.search(m.note)]

    os.makedirs(build, exist_ok=True)
    revision = subprocess.run(["git", "describe", "--always", "--dirty"], capture_output=True,
                              text=True).stdout.strip()
    sync_copy()
    logs = os.path.join(build, "mutation-logs")
    os.makedirs(logs, exist_ok=True)
    with open(os.path.join(logs, "clean.log"), "wb") as log:
        if not build_copy(log) or run_tests(log)[0] != "passed":
            say(f"The clean tree does not build or its tests fail: see {log.name}")
            return 2

    to_run = [m for m in mutants if not m.equivalent]
    say(f"Mutation run of {options.mutants} on {revision}: {len(to_run)} mutants to run, "
        f"{len(mutants) - len(to_run)} marked equivalent")
    killed, survivors, unbuilt = [], [], []
    for index, mutant in enumerate(to_run, 1):
        target = os.path.join(copy, mutant.file)
        with open(target, encoding="utf-8") as file:
            original_text = file.read()
        started = time.monotonic()
        log_name = os.path.join(logs, f"{index:03}.log")
        try:
            with open(target, "w", encoding="utf-8") as file:
                file.write(original_text.replace(mutant.original, mutant.replacement, 1))
            with open(log_name, "wb") as log:
                log.write(f"{mutant.where} {mutant.file}: {mutant.note}\n".encode())
                changed_since = time.time() - 1
                if not build_copy(log, TESTED_TARGETS):
                    outcome, suite = "not built", None
                else:
                    outcome, suite = run_tests(log, changed_since)
        finally:
            with open(target, "w", encoding="utf-8") as file:
                file.write(original_text)
        seconds = time.monotonic() - started
        verdict = {"passed": "SURVIVED", "failed": "killed", "timed out": "killed"}.get(outcome, "NOT BUILT")
        by = f" by {suite}" + (" (timed out)" if outcome == "timed out" else "") if suite else ""
        say(f"[{index}/{len(to_run)}] {verdict}{by}, {seconds:.0f} s: {mutant.file}: {mutant.note}")
        {"SURVIVED": survivors, "killed": killed, "NOT BUILT": unbuilt}[verdict].append(mutant)

    ran = len(killed) + len(survivors)
    share = 100 * len(killed) / ran if ran else 0
    say()
    say(f"Killed {len(killed)} of {ran} mutants: {share:.1f} %")
    say(f"Equivalent, not run: {len(mutants) - len(to_run)}; not built: {len(unbuilt)}")
    for title, group in (("Survivors", survivors), ("Not built (mend the mutant)", unbuilt)):
        if group:
            say(f"{title}:")
            for m in group:
                say(f"  {m.where}  {m.file}: `{shown(m.original)}` -> `{shown(m.replacement)}`  ({m.note})")
    equivalents = [m for m in mutants if m.equivalent]
    if equivalents:
        say("Equivalent:")
        for m in equivalents:
            say(f"  {m.where}  {m.file}: `{shown(m.original)}` -> `{shown(m.replacement)}`  ({m.note}): {m.equivalent}")
    return 1 if survivors or unbuilt else 0


sys.exit(main())
EOF
