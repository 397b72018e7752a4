// Permissions mean nothing to root, and the tests may well run as root (CI
// does). There a permission check runs in a child process that has become the
// unprivileged user "nobody", after the folder it works in was given to that
// user; otherwise it simply runs.
#pragma once

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <functional>
#include <optional>

namespace test {

// Whether `check` held; nothing when it could not be run without privileges.
// With a `time_limit_seconds`, the check always runs in a child process, and a
// check still running at the limit (a program that hangs) did not hold.
inline std::optional<bool> holds_unprivileged(const std::filesystem::path& folder, const std::function<bool()>& check,
                                              unsigned time_limit_seconds = 0) {
    const bool root = geteuid() == 0;
    if (!root && time_limit_seconds == 0) return check();
    constexpr uid_t nobody = 65534;
    if (root) {
        std::error_code ec;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(folder, ec))
            if (lchown(entry.path().c_str(), nobody, nobody) != 0) return std::nullopt;
        if (ec || lchown(folder.c_str(), nobody, nobody) != 0) return std::nullopt;
    }
    constexpr int cannot = 2;
    const pid_t child = fork();
    if (child < 0) return std::nullopt;
    if (child == 0) {
        if (root && (setgroups(0, nullptr) != 0 || setgid(nobody) != 0 || setuid(nobody) != 0 ||
                     access(folder.c_str(), R_OK | W_OK | X_OK) != 0))
            _exit(cannot);  // the folder may lie below one only root can enter
        if (time_limit_seconds > 0) alarm(time_limit_seconds);
        _exit(check() ? 0 : 1);
    }
    int status = 0;
    while (waitpid(child, &status, 0) < 0)
        if (errno != EINTR) return std::nullopt;
    if (WIFSIGNALED(status) && WTERMSIG(status) == SIGALRM) return false;
    if (!WIFEXITED(status) || WEXITSTATUS(status) == cannot) return std::nullopt;
    return WEXITSTATUS(status) == 0;
}

}  // namespace test
