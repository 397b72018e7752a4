// A check that might hang (a FIFO opened for reading, a silent peer) runs in
// a child process with a time limit, so a hang fails the test instead of
// holding the whole suite.
#pragma once

#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <functional>

namespace test {

// Whether `check` returned true within `seconds`.
inline bool holds_within(unsigned seconds, const std::function<bool()>& check) {
    const pid_t child = fork();
    if (child < 0) return false;
    if (child == 0) {
        alarm(seconds);
        _exit(check() ? 0 : 1);
    }
    int status = 0;
    while (waitpid(child, &status, 0) < 0)
        if (errno != EINTR) return false;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace test
