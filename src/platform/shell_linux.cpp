// Starting programs on Linux without a command interpreter: fork twice so the
// program belongs to its own session and is never our child (no zombie, no
// waiting), and execve the exact argument vector. A pipe that closes on exec
// carries back why the start failed, if it did.
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

#include <linux/close_range.h>

#include "platform/shell.h"

extern char** environ;

namespace platform {

namespace {

// What the spawned side writes to the pipe when it gives up.
struct SpawnReport {
    int failure;
    int error_number;
};

// Only async-signal-safe calls from here: the child of a threaded process.
[[noreturn]] void give_up(int pipe_fd, StartFailure failure, int error_number) {
    const SpawnReport report{static_cast<int>(failure), error_number};
    [[maybe_unused]] const ssize_t written = write(pipe_fd, &report, sizeof report);
    _exit(127);
}

StartFailure exec_failure(int error_number) {
    switch (error_number) {
    case ENOENT:
    case ENOTDIR: return StartFailure::NoProgram;
    case ENOEXEC:
    case EACCES:
    case EPERM:
    case EISDIR: return StartFailure::NotExecutable;
    default: return StartFailure::Other;
    }
}

// The grandchild: a clean slate, then the program.
[[noreturn]] void become_program(const char* path, char* const* argv, const char* folder, int pipe_fd, int null_fd,
                                 int max_fd) {
    struct sigaction default_action {};
    default_action.sa_handler = SIG_DFL;
    for (int sig = 1; sig < NSIG; ++sig)
        sigaction(sig, &default_action, nullptr);  // SIGKILL and SIGSTOP refuse; no matter
    sigset_t none;
    sigemptyset(&none);
    sigprocmask(SIG_SETMASK, &none, nullptr);

    if (folder[0] != '\0' && chdir(folder) != 0) give_up(pipe_fd, StartFailure::Folder, errno);
    if (null_fd >= 0) dup2(null_fd, STDIN_FILENO);
    // Our descriptors (the display connection, the data file's lock...) are
    // none of the program's business; the report pipe closes on exec too.
    if (syscall(SYS_close_range, 3u, ~0u, CLOSE_RANGE_CLOEXEC) != 0) {
        for (int fd = 3; fd < max_fd; ++fd) fcntl(fd, F_SETFD, FD_CLOEXEC);
    }
    execve(path, argv, environ);
    give_up(pipe_fd, exec_failure(errno), errno);
}

StartResult spawn_detached(const std::string& path, const std::vector<std::string>& args, const std::string& folder) {
    // Everything the children need is built before the fork.
    std::vector<std::string> strings;
    strings.reserve(args.size() + 1);
    strings.push_back(path);
    strings.insert(strings.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& s : strings) argv.push_back(s.data());
    argv.push_back(nullptr);
    const long open_max = sysconf(_SC_OPEN_MAX);
    const int max_fd = open_max > 0 && open_max < INT_MAX ? int(open_max) : 1024;

    int report_pipe[2];
    if (pipe2(report_pipe, O_CLOEXEC) != 0) return {StartFailure::Other, errno};
    const int null_fd = ::open("/dev/null", O_RDONLY | O_CLOEXEC);

    const pid_t middle = fork();
    if (middle == 0) {
        close(report_pipe[0]);
        setsid();
        const pid_t program = fork();
        if (program < 0) give_up(report_pipe[1], StartFailure::Other, errno);
        if (program == 0) become_program(path.c_str(), argv.data(), folder.c_str(), report_pipe[1], null_fd, max_fd);
        _exit(0);
    }
    const int fork_error = errno;
    close(report_pipe[1]);
    if (null_fd >= 0) close(null_fd);
    if (middle < 0) {
        close(report_pipe[0]);
        return {StartFailure::Other, fork_error};
    }

    // End of file without a report: the program replaced the spawned process.
    SpawnReport report{static_cast<int>(StartFailure::None), 0};
    std::size_t got = 0;
    while (got < sizeof report) {
        const ssize_t n = read(report_pipe[0], reinterpret_cast<char*>(&report) + got, sizeof report - got);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        got += std::size_t(n);
    }
    close(report_pipe[0]);
    while (waitpid(middle, nullptr, 0) < 0 && errno == EINTR) {}
    if (got < sizeof report) return {};
    return {static_cast<StartFailure>(report.failure), report.error_number};
}

bool is_executable_file(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && access(path.c_str(), X_OK) == 0;
}

bool is_folder(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

std::string current_folder() {
    std::vector<char> buffer(PATH_MAX);
    return getcwd(buffer.data(), buffer.size()) ? std::string(buffer.data()) : std::string();
}

// Variables a graphical program run by root needs to reach our display.
std::vector<std::string> display_variables() {
    std::vector<std::string> variables;
    if (const char* display = std::getenv("DISPLAY"); display && *display)
        variables.push_back(std::string("DISPLAY=") + display);
    if (const char* authority = std::getenv("XAUTHORITY"); authority && *authority) {
        variables.push_back(std::string("XAUTHORITY=") + authority);
    } else if (const char* home = std::getenv("HOME"); home && *home) {
        // Root's own home would hold the wrong cookie.
        const std::string cookie = std::string(home) + "/.Xauthority";
        if (access(cookie.c_str(), R_OK) == 0) variables.push_back("XAUTHORITY=" + cookie);
    }
    return variables;
}

}  // namespace

std::optional<std::string> LinuxShell::find_program(const std::string& name) {
    if (name.empty()) return std::nullopt;
    if (name.find('/') != std::string::npos) return is_executable_file(name) ? std::optional(name) : std::nullopt;
    const char* path_variable = std::getenv("PATH");
    const std::string search = path_variable && *path_variable ? path_variable : "/usr/local/bin:/usr/bin:/bin";
    std::size_t begin = 0;
    while (begin <= search.size()) {
        std::size_t end = search.find(':', begin);
        if (end == std::string::npos) end = search.size();
        const std::string folder = search.substr(begin, end - begin);
        begin = end + 1;
        // An empty entry means the working folder: never look there for a program.
        if (folder.empty() || folder.front() != '/') continue;
        const std::string candidate = folder + "/" + name;
        if (is_executable_file(candidate)) return candidate;
    }
    return std::nullopt;
}

StartResult LinuxShell::start(const std::string& program, const std::vector<std::string>& args,
                              const std::string& working_folder) {
    const auto path = program.find('/') == std::string::npos ? find_program(program) : program;
    if (!path) return {StartFailure::NoProgram, ENOENT};
    return spawn_detached(*path, args, working_folder);
}

std::optional<std::vector<std::string>> elevated_command_line(const std::string& pkexec, const std::string& env,
                                                              const std::string& program,
                                                              const std::vector<std::string>& args,
                                                              const std::string& working_folder,
                                                              const std::vector<std::string>& display_variables) {
    if (program.empty() || program.front() != '/' || program.find('=') != std::string::npos) return std::nullopt;
    std::vector<std::string> line{pkexec, env, "-C", working_folder};
    line.insert(line.end(), display_variables.begin(), display_variables.end());
    line.push_back(program);
    line.insert(line.end(), args.begin(), args.end());
    return line;
}

StartResult LinuxShell::start_elevated(const std::string& program, const std::vector<std::string>& args,
                                       const std::string& working_folder) {
    const auto pkexec = find_program("pkexec");
    const auto env = find_program("env");
    if (!pkexec || !env) return {StartFailure::NoProgram, ENOENT};

    const auto found = program.find('/') == std::string::npos ? find_program(program) : program;
    if (!found) return {StartFailure::NoProgram, ENOENT};
    // pkexec starts elsewhere: a relative name must not change meaning.
    const std::string path = found->front() == '/' ? *found : current_folder() + "/" + *found;
    if (!is_executable_file(path))
        return {access(path.c_str(), F_OK) == 0 ? StartFailure::NotExecutable : StartFailure::NoProgram,
                access(path.c_str(), F_OK) == 0 ? EACCES : ENOENT};

    const std::string folder = working_folder.empty() ? current_folder() : working_folder;
    if (!is_folder(folder)) return {StartFailure::Folder, ENOENT};
    auto line = elevated_command_line(*pkexec, *env, path, args, folder, display_variables());
    if (!line) return {StartFailure::Other, EINVAL};
    return spawn_detached(line->front(), std::vector<std::string>(line->begin() + 1, line->end()), "");
}

StartResult LinuxShell::open(const std::string& target) {
    // The openers read a leading "-" as an option of theirs.
    const std::string argument = !target.empty() && target.front() == '-' ? "./" + target : target;
    if (auto xdg_open = find_program("xdg-open")) return spawn_detached(*xdg_open, {argument}, "");
    if (auto gio = find_program("gio")) return spawn_detached(*gio, {"open", argument}, "");
    return {StartFailure::NoProgram, ENOENT};
}

}  // namespace platform
