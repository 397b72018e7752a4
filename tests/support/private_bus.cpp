#include "support/private_bus.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cstdlib>

namespace test {

namespace {

constexpr const char* daemon_path = "/usr/bin/dbus-daemon";
constexpr int start_wait_ms = 5000;
constexpr int poll_ms = 20;

bool is_socket(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISSOCK(st.st_mode);
}

void sleep_ms(int ms) {
    timespec t{0, long(ms) * 1000000L};
    nanosleep(&t, nullptr);
}

}  // namespace

bool PrivateBus::installed() { return ::access(daemon_path, X_OK) == 0; }

PrivateBus::PrivateBus() {
    if (const char* previous = std::getenv("DBUS_SESSION_BUS_ADDRESS")) {
        had_address_ = true;
        previous_address_ = previous;
    }
    if (!installed()) {
        failure_ = "dbus-daemon is not installed";
        return;
    }
    const std::string socket = folder_ / "bus";
    const std::string config = folder_ / "session.conf";
    // The session configuration without its activation folders: no other
    // program is ever started on this bus.
    write_file(config,
               "<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN\"\n"
               " \"http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd\">\n"
               "<busconfig><type>session</type><listen>unix:path=" +
                   socket +
                   "</listen><auth>EXTERNAL</auth>"
                   "<policy context=\"default\"><allow send_destination=\"*\" eavesdrop=\"true\"/>"
                   "<allow eavesdrop=\"true\"/><allow own=\"*\"/></policy></busconfig>\n");
    const std::string config_switch = "--config-file=" + config;
    const std::string log_path = folder_ / "daemon.log";
    const pid_t child = fork();
    if (child == 0) {
        prctl(PR_SET_PDEATHSIG, SIGTERM);
        // Its complaints (it may not raise its file limit here) go to its log.
        const int log = ::open(log_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
        if (log >= 0) {
            dup2(log, STDOUT_FILENO);
            dup2(log, STDERR_FILENO);
        }
        execl(daemon_path, daemon_path, config_switch.c_str(), "--nofork", "--nopidfile", static_cast<char*>(nullptr));
        _exit(127);
    }
    if (child < 0) {
        failure_ = "cannot start dbus-daemon";
        return;
    }
    daemon_ = child;
    for (int waited = 0; waited < start_wait_ms && !is_socket(socket); waited += poll_ms) sleep_ms(poll_ms);
    if (!is_socket(socket)) {
        failure_ = "dbus-daemon did not listen";
        return;
    }
    address_ = "unix:path=" + socket;
    setenv("DBUS_SESSION_BUS_ADDRESS", address_.c_str(), 1);
}

PrivateBus::~PrivateBus() {
    if (had_address_) setenv("DBUS_SESSION_BUS_ADDRESS", previous_address_.c_str(), 1);
    else unsetenv("DBUS_SESSION_BUS_ADDRESS");
    if (daemon_ > 0) {
        kill(daemon_, SIGTERM);
        waitpid(daemon_, nullptr, 0);
    }
}

}  // namespace test
