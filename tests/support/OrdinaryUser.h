#pragma once
// Runs a piece of a test in a child process as a user without the administrator's rights,
// so that a file's permission bits bind it (they do not bind root, as whom CI runs).
#include <functional>

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

// The user an administrator becomes: nobody.
constexpr uid_t kOrdinaryUser = 65534;

// The body's result (0 to 255), or -1 when no such process could be had.
inline int RunAsOrdinaryUser(const std::function<int()>& body) {
    const pid_t child = ::fork();
    if (child < 0) {
        return -1;
    }
    if (child == 0) {
        if (::geteuid() == 0 && (::setgroups(0, nullptr) != 0 ||
                                 ::setresgid(kOrdinaryUser, kOrdinaryUser, kOrdinaryUser) != 0 ||
                                 ::setresuid(kOrdinaryUser, kOrdinaryUser, kOrdinaryUser) != 0)) {
            ::_exit(255);
        }
        ::_exit(body());
    }
    int status = 0;
    if (::waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) == 255) {
        return -1;
    }
    return WEXITSTATUS(status);
}
