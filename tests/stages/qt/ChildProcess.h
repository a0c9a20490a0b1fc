// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdio>
#include <functional>
#include <string>

#include <grp.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

// Runs a check in a child process and tells how it ended, so that a check
// may hang (it is stopped by an alarm), be killed by a signal or change
// the process's limits and identity without touching the test runner.
namespace ChildProcess {

inline constexpr uid_t kNobody = 65534;

// Whether the tests run as root, who may read and write any file: a check
// of permissions must then give root up first.
inline bool RunningAsRoot() { return geteuid() == 0; }

struct Options {
    bool withoutRoot = false;  // become "nobody" first when running as root
    unsigned alarmSeconds = 10;
};

// A failed expectation in the child: what failed goes to the test's output,
// the exit status to the parent.
inline int Failed(const char* what) {
    std::fprintf(stderr, "in the child process: %s\n", what);
    return 1;
}

// "exit N" or "killed by signal N": the check's return value is its exit status.
inline std::string Run(const std::function<int()>& check, Options options = {}) {
    const pid_t child = fork();
    if (child < 0) return "fork failed";
    if (child == 0) {
        alarm(options.alarmSeconds);
        if (options.withoutRoot && RunningAsRoot()) {
            if (setgroups(0, nullptr) != 0 || setgid(kNobody) != 0 || setuid(kNobody) != 0) _exit(120);
        }
        _exit(check());
    }
    int status = 0;
    while (waitpid(child, &status, 0) < 0) {
    }
    if (WIFSIGNALED(status)) return "killed by signal " + std::to_string(WTERMSIG(status));
    return "exit " + std::to_string(WEXITSTATUS(status));
}
}  // namespace ChildProcess
