// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Runs a check as a user who is not root, so file permissions that root
// passes over are met as users meet them. As root (CI), the check runs in a
// child process that gives up its privileges first; otherwise right here.

#include <functional>

#ifdef Q_OS_UNIX
#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

enum class CheckResult { Passed, Failed, NotPossible };

inline CheckResult asOrdinaryUser(const std::function<bool()> &check)
{
#ifdef Q_OS_UNIX
    if (geteuid() != 0)
        return check() ? CheckResult::Passed : CheckResult::Failed;
    const pid_t pid = fork();
    if (pid < 0)
        return CheckResult::NotPossible;
    if (pid == 0) {
        const gid_t nogroup = 65534;
        const uid_t nobody = 65534;
        if (setgroups(0, nullptr) != 0 || setgid(nogroup) != 0 || setuid(nobody) != 0)
            _exit(3);
        _exit(check() ? 0 : 1);
    }
    int status = 0;
    if (waitpid(pid, &status, 0) != pid || !WIFEXITED(status))
        return CheckResult::Failed;
    return WEXITSTATUS(status) == 0 ? CheckResult::Passed
                                    : WEXITSTATUS(status) == 3 ? CheckResult::NotPossible : CheckResult::Failed;
#else
    return check() ? CheckResult::Passed : CheckResult::Failed;
#endif
}
