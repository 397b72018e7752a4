#include "support/private_pulse.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>

extern char** environ;

namespace test {

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
using Changes = std::vector<std::pair<std::string, std::optional<std::string>>>;

constexpr auto daemon_start_limit = 10s;
constexpr auto end_limit = 5s;
constexpr std::size_t max_log_bytes = 8192;
constexpr double seconds_per_probe = 0.1;

std::string find_program(const std::string& name) {
    const char* path = std::getenv("PATH");
    const std::string folders = path ? path : "/usr/bin:/bin";
    for (std::size_t start = 0; start <= folders.size();) {
        std::size_t end = folders.find(':', start);
        if (end == std::string::npos) end = folders.size();
        const std::string candidate = folders.substr(start, end - start) + "/" + name;
        if (end > start && access(candidate.c_str(), X_OK) == 0) return candidate;
        start = end + 1;
    }
    return {};
}

// This process's environment with `changes` made: a value sets, nothing removes.
std::vector<std::string> environment_with(const Changes& changes) {
    std::vector<std::string> result;
    for (char** entry = environ; *entry; ++entry) {
        const std::string text = *entry;
        const std::string name = text.substr(0, text.find('='));
        if (std::none_of(changes.begin(), changes.end(), [&](const auto& change) { return change.first == name; }))
            result.push_back(text);
    }
    for (const auto& [name, value] : changes)
        if (value) result.push_back(name + "=" + *value);
    return result;
}

std::vector<char*> c_strings(std::vector<std::string>& texts) {
    std::vector<char*> result;
    for (std::string& text : texts) result.push_back(text.data());
    result.push_back(nullptr);
    return result;
}

// Starts `program` with its input from /dev/null, its output to `output` and
// its errors to `errors`; the kernel kills it when this process dies. -1 when
// it cannot be started.
pid_t spawn(std::string program, std::vector<std::string> arguments, std::vector<std::string> environment, int output,
            int errors) {
    arguments.insert(arguments.begin(), program);
    const std::vector<char*> argv = c_strings(arguments);
    const std::vector<char*> envp = c_strings(environment);
    const int nothing = open("/dev/null", O_RDONLY | O_CLOEXEC);
    if (nothing < 0) return -1;
    const pid_t parent = getpid();
    const pid_t child = fork();
    if (child == 0) {
        // Only async-signal-safe calls here: other threads may hold locks.
        if (prctl(PR_SET_PDEATHSIG, SIGKILL) != 0 || getppid() != parent) _exit(127);
        if (dup2(nothing, STDIN_FILENO) < 0 || dup2(output, STDOUT_FILENO) < 0 || dup2(errors, STDERR_FILENO) < 0)
            _exit(127);
        execve(argv[0], argv.data(), envp.data());
        _exit(127);
    }
    close(nothing);
    return child;
}

bool has_ended(pid_t pid) {
    int status = 0;
    return waitpid(pid, &status, WNOHANG) == pid;
}

// Asks `pid` to end, kills it when it has not after `end_limit`, and reaps it.
void end_process(pid_t& pid) {
    if (pid <= 0) return;
    kill(pid, SIGTERM);
    const auto deadline = Clock::now() + end_limit;
    while (!has_ended(pid)) {
        if (Clock::now() > deadline) {
            kill(pid, SIGKILL);
            int status = 0;
            waitpid(pid, &status, 0);
            break;
        }
        std::this_thread::sleep_for(10ms);
    }
    pid = -1;
}

bool accepts_connections(const std::string& socket_path) {
    const int probe = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (probe < 0) return false;
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, socket_path.c_str(), sizeof address.sun_path - 1);
    const bool accepted = connect(probe, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    close(probe);
    return accepted;
}

// The end of a log file, at most max_log_bytes of it.
std::string log_tail(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return text.size() > max_log_bytes ? text.substr(text.size() - max_log_bytes) : text;
}

}  // namespace

PrivatePulse::PrivatePulse() {
    start();
    if (!failure_.empty() && !folder_.empty())
        failure_ += "\n--- daemon log ---\n" + log_tail(folder_ / "daemon.log") + "\n--- recorder log ---\n" +
                    log_tail(folder_ / "recorder.log");
}

bool PrivatePulse::installed() { return !find_program("pulseaudio").empty() && !find_program("parec").empty(); }

void PrivatePulse::start() {
    if (!installed()) {
        failure_ = "pulseaudio or parec is not installed (tools/install-deps.sh installs them)";
        return;
    }
    std::string pattern = (std::filesystem::temp_directory_path() / "vd-pulse-XXXXXX").string();
    if (!mkdtemp(pattern.data())) {
        failure_ = "cannot make a temporary folder";
        return;
    }
    folder_ = pattern;
    for (const char* sub : {"home", "runtime", "state"}) std::filesystem::create_directory(folder_ / sub);
    const std::string socket_path = (folder_ / "native").string();
    server_ = "unix:" + socket_path;

    // No session bus (another sound server may own the daemon's bus name
    // there) and no display (the daemon would start a bus through it).
    const Changes isolated = {
        {"HOME", (folder_ / "home").string()},
        {"XDG_CONFIG_HOME", (folder_ / "home").string()},
        {"XDG_RUNTIME_DIR", (folder_ / "runtime").string()},
        {"PULSE_RUNTIME_PATH", (folder_ / "runtime").string()},
        {"PULSE_STATE_PATH", (folder_ / "state").string()},
        {"PULSE_COOKIE", (folder_ / "cookie").string()},
        {"PULSE_SERVER", std::nullopt},
        {"DBUS_SESSION_BUS_ADDRESS", "unix:path=" + (folder_ / "no-bus").string()},
        {"DISPLAY", std::nullopt},
        {"WAYLAND_DISPLAY", std::nullopt},
    };
    const std::vector<std::string> environment = environment_with(isolated);

    const int daemon_log = open((folder_ / "daemon.log").c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    // The sink first: a client that finds the socket finds the sink too.
    // As root the daemon only warns that it is not meant to run as root.
    daemon_ = spawn(
        find_program("pulseaudio"),
        {"--daemonize=no", "--exit-idle-time=-1", "-n", "--use-pid-file=no", "--disable-shm=yes", "--realtime=no",
         "--high-priority=no", "--log-target=stderr", std::string("--load=module-null-sink sink_name=") + sink_name,
         "--load=module-native-protocol-unix auth-anonymous=1 socket=" + socket_path},
        environment, daemon_log, daemon_log);
    if (daemon_log >= 0) close(daemon_log);
    if (daemon_ < 0) {
        failure_ = "cannot start pulseaudio";
        return;
    }
    const auto deadline = Clock::now() + daemon_start_limit;
    while (!accepts_connections(socket_path)) {
        if (has_ended(daemon_)) {
            daemon_ = -1;
            failure_ = "pulseaudio ended at start";
            return;
        }
        if (Clock::now() > deadline) {
            failure_ = "pulseaudio did not open its socket";
            return;
        }
        std::this_thread::sleep_for(20ms);
    }

    int pipe_ends[2];
    if (pipe2(pipe_ends, O_CLOEXEC) != 0) {
        failure_ = "cannot make a pipe";
        return;
    }
    const int recorder_log = open((folder_ / "recorder.log").c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    recorder_ = spawn(find_program("parec"),
                      {"--server=" + server_, std::string("--device=") + sink_name + ".monitor", "--raw",
                       "--format=s16le", "--rate=" + std::to_string(sample_rate), "--channels=1", "--latency-msec=20",
                       "--client-name=vd-test-recorder"},
                      environment, pipe_ends[1], recorder_log >= 0 ? recorder_log : pipe_ends[1]);
    close(pipe_ends[1]);
    if (recorder_log >= 0) close(recorder_log);
    recording_ = pipe_ends[0];
    if (recorder_ < 0) {
        failure_ = "cannot start parec";
        return;
    }
    reader_ = std::thread(&PrivatePulse::record, this);

    for (const auto& [name, value] :
         Changes{{"PULSE_SERVER", server_}, {"PULSE_COOKIE", (folder_ / "cookie").string()}}) {
        const char* before = std::getenv(name.c_str());
        saved_environment_.emplace_back(name, before ? std::optional<std::string>(before) : std::nullopt);
        setenv(name.c_str(), value->c_str(), 1);
    }
}

PrivatePulse::~PrivatePulse() {
    for (const auto& [name, value] : saved_environment_) {
        if (value) setenv(name.c_str(), value->c_str(), 1);
        else unsetenv(name.c_str());
    }
    end_process(recorder_);
    if (reader_.joinable()) reader_.join();  // the recorder's end closed the pipe
    if (recording_ >= 0) close(recording_);
    end_process(daemon_);
    if (!folder_.empty()) {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
}

void PrivatePulse::record() {
    char buffer[4096];
    std::optional<unsigned char> low_byte;  // of a sample split between reads
    for (;;) {
        const ssize_t got = read(recording_, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) break;
        std::lock_guard lock(mutex_);
        for (ssize_t i = 0; i < got; ++i) {
            const auto byte = static_cast<unsigned char>(buffer[i]);
            if (!low_byte) {
                low_byte = byte;
                continue;
            }
            samples_.push_back(static_cast<std::int16_t>(static_cast<std::uint16_t>(*low_byte | byte << 8)));
            low_byte.reset();
        }
        arrived_.notify_all();
    }
    std::lock_guard lock(mutex_);
    ended_ = true;
    arrived_.notify_all();
}

std::optional<double> PrivatePulse::level(double skip_seconds, double seconds) {
    std::unique_lock lock(mutex_);
    const std::size_t start = samples_.size() + static_cast<std::size_t>(skip_seconds * sample_rate);
    const std::size_t end = start + std::max<std::size_t>(1, static_cast<std::size_t>(seconds * sample_rate));
    // Sound arrives as fast as it plays; the limit only catches a recorder that stalls.
    const std::chrono::duration<double> limit(2 * (skip_seconds + seconds) + 5);
    arrived_.wait_for(lock, limit, [&] { return samples_.size() >= end || ended_; });
    if (samples_.size() < end) return std::nullopt;
    double sum = 0;
    for (std::size_t i = start; i < end; ++i) {
        const double value = samples_[i] / 32768.0;
        sum += value * value;
    }
    return std::sqrt(sum / static_cast<double>(end - start));
}

bool PrivatePulse::sound_comes(double threshold, double max_seconds) {
    for (double heard = 0; heard < max_seconds; heard += seconds_per_probe) {
        const std::optional<double> probe = level(0, seconds_per_probe);
        if (!probe) return false;
        if (*probe > threshold) return true;
    }
    return false;
}

}  // namespace test
