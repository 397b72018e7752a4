// Start-up as a user meets it, measured from outside: the built program is
// started by exec in a fresh working folder holding a full data file (300
// slots on programs of /usr/bin, 30 titled separators shown) and its icon
// library, and timed from just before exec to the MapNotify of its desk window
// (the splash does not count), read from the X server; no polling. Each start
// alternates with one of the bare Qt window (vd_bare_desk) on the same screen.
// At the map: CPU time of the whole process; 10 s later: RSS, PSS and the
// number of distinct shared objects mapped; then the program is ended.
//
//   build/bench/vd_startup_exec [options] [program]     (program: build/vimo-duzi)
//     --runs N          starts of each program, interleaved (default 7)
//     --idle SECONDS    instead: CPU and wake-ups of each program, idle, over SECONDS
//     --settle SECONDS  wait after the map before RSS/PSS (default 10)
//     --bare PATH       the bare window program (default: vd_bare_desk beside this one)
//     --use-display     use $DISPLAY instead of a private Xvfb screen
//
// The harness starts its own Xvfb and ends it on exit, on failure and on
// SIGINT/SIGTERM. The program asks at start for its audio library when
// libvimo_audio.so (1000 bytes or more) is not beside it: a 2000-byte stand-in
// is put there for the run and removed afterwards when the harness made it.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <dirent.h>

extern char** environ;

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr const char* data_file_name = "Vimo_Desk.ini";
constexpr const char* library_file_name = "Vimo_Desk.lib";
constexpr const char* audio_library_name = "libvimo_audio.so";
constexpr std::uintmax_t audio_library_min_size = 1000;
constexpr std::size_t audio_stand_in_size = 2000;
constexpr const char* program_title = "Vimo Duzi";
constexpr const char* bare_title = "Bare Desk";
constexpr int desk_width = 110;
constexpr int slot_count = 300;
constexpr int separator_count = 30;

constexpr int default_runs = 7;
constexpr int default_settle_s = 10;
constexpr int idle_settle_s = 2;  // after the map, before an idle measurement
constexpr auto map_timeout = std::chrono::seconds(60);
constexpr auto library_timeout = std::chrono::seconds(120);
constexpr auto term_grace = std::chrono::seconds(3);  // SIGTERM, then SIGKILL
constexpr auto xvfb_timeout = std::chrono::seconds(10);
constexpr auto wait_slice = std::chrono::milliseconds(100);
constexpr std::size_t proc_read_cap = 8 * 1024 * 1024;  // /proc/PID/maps of a large program stays far below

volatile sig_atomic_t g_stop = 0;

void on_stop_signal(int) { g_stop = 1; }

void check_stop() {
    if (g_stop) throw std::runtime_error("interrupted");
}

// Sleeps in short slices so that SIGINT/SIGTERM end the run promptly.
void sleep_for(Clock::duration span) {
    const auto end = Clock::now() + span;
    while (Clock::now() < end) {
        check_stop();
        std::this_thread::sleep_for(std::min<Clock::duration>(wait_slice, end - Clock::now()));
    }
}

double ms_between(Clock::time_point a, Clock::time_point b) {
    return std::chrono::duration<double, std::milli>(b - a).count();
}

// --- /proc -------------------------------------------------------------------

// The whole of a regular file, at most `cap` bytes; nullopt when it cannot be
// opened or is not a regular file (the process has ended).
std::optional<std::string> read_capped(const std::string& path, std::size_t cap = proc_read_cap) {
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    struct stat info {};
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        close(fd);
        return std::nullopt;
    }
    std::string text;
    char buffer[65536];
    while (text.size() < cap) {
        const ssize_t n = read(fd, buffer, std::min(sizeof buffer, cap - text.size()));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        text.append(buffer, std::size_t(n));
    }
    close(fd);
    return text;
}

std::string must_read(const std::string& path) {
    auto text = read_capped(path);
    if (!text) throw std::runtime_error("cannot read " + path);
    return *text;
}

// CPU time of every thread of the process, live and ended, in ms, read from
// its CPU-time clock (nanoseconds; /proc/PID/stat counts whole clock ticks).
double cpu_ms(pid_t pid) {
    clockid_t clock = 0;
    timespec t{};
    if (clock_getcpuclockid(pid, &clock) != 0 || clock_gettime(clock, &t) != 0)
        throw std::runtime_error("cannot read the CPU time of process " + std::to_string(pid));
    return double(t.tv_sec) * 1000.0 + double(t.tv_nsec) / 1e6;
}

// A "Name:  value kB" line of a /proc text, in kB; -1 when missing.
long long field_kb(const std::string& text, const std::string& name) {
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line))
        if (line.rfind(name + ":", 0) == 0) return std::atoll(line.c_str() + name.size() + 1);
    return -1;
}

struct Memory {
    double rss_mb = 0, pss_mb = 0;
    int shared_objects = 0;
};

bool is_shared_object(const std::string& path) {
    const auto at = path.rfind(".so");
    if (at == std::string::npos) return false;
    const auto after = at + 3;
    return after == path.size() || path[after] == '.';
}

Memory memory(pid_t pid) {
    const std::string base = "/proc/" + std::to_string(pid);
    const std::string rollup = must_read(base + "/smaps_rollup");
    Memory m;
    m.rss_mb = double(field_kb(rollup, "Rss")) / 1024.0;
    m.pss_mb = double(field_kb(rollup, "Pss")) / 1024.0;
    std::set<std::string> objects;
    std::istringstream lines(must_read(base + "/maps"));
    std::string line;
    while (std::getline(lines, line)) {
        // address perms offset dev inode path (the path may hold spaces)
        std::istringstream fields(line);
        std::string skip;
        for (int i = 0; i < 5; ++i) fields >> skip;
        std::string path;
        std::getline(fields >> std::ws, path);
        if (is_shared_object(path)) objects.insert(path);
    }
    m.shared_objects = int(objects.size());
    return m;
}

struct Activity {
    double cpu_ms = 0;
    long long voluntary = 0, switches = 0;  // context switches of the live threads: voluntary, and all
    int threads = 0;
};

Activity activity(pid_t pid) {
    Activity a;
    a.cpu_ms = cpu_ms(pid);
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    DIR* dir = opendir(tasks.c_str());
    if (!dir) throw std::runtime_error("cannot list " + tasks);
    while (const dirent* entry = readdir(dir)) {
        if (entry->d_name[0] == '.') continue;
        const auto status = read_capped(tasks + "/" + entry->d_name + "/status");
        if (!status) continue;  // the thread ended meanwhile
        const long long voluntary = std::max(0LL, field_kb(*status, "voluntary_ctxt_switches"));
        a.voluntary += voluntary;
        a.switches += voluntary + std::max(0LL, field_kb(*status, "nonvoluntary_ctxt_switches"));
        ++a.threads;
    }
    closedir(dir);
    return a;
}

std::string load_average() {
    const auto text = read_capped("/proc/loadavg", 4096);
    if (!text) return "unknown";
    std::istringstream fields(*text);
    std::string one, five, fifteen;
    fields >> one >> five >> fifteen;
    return one + " " + five + " " + fifteen;
}

// --- processes ----------------------------------------------------------------

// The environment of a started program: this one's, with DISPLAY and the
// toolkit's platform set.
std::vector<std::string> child_environment(const std::string& display) {
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) {
        const std::string entry = *e;
        if (entry.rfind("DISPLAY=", 0) == 0 || entry.rfind("QT_QPA_PLATFORM=", 0) == 0) continue;
        env.push_back(entry);
    }
    env.push_back("DISPLAY=" + display);
    env.push_back("QT_QPA_PLATFORM=xcb");
    return env;
}

std::vector<char*> pointers(std::vector<std::string>& strings) {
    std::vector<char*> result;
    for (auto& s : strings) result.push_back(s.data());
    result.push_back(nullptr);
    return result;
}

// Starts `argv` in `folder` with `env`, its output into `log` (or /dev/null).
// The child ends with this process, whatever way this one ends.
pid_t spawn(std::vector<std::string> argv, std::vector<std::string> env, const std::string& folder,
            const std::string& log, int keep_fd = -1) {
    auto argv_p = pointers(argv);
    auto env_p = pointers(env);
    const int out = open(log.empty() ? "/dev/null" : log.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (out < 0) throw std::runtime_error("cannot open " + log);
    const pid_t parent = getpid();
    const pid_t pid = fork();
    if (pid < 0) {
        close(out);
        throw std::runtime_error("fork failed");
    }
    if (pid == 0) {
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (getppid() != parent) _exit(127);
        if (!folder.empty() && chdir(folder.c_str()) != 0) _exit(127);
        dup2(out, STDOUT_FILENO);
        dup2(out, STDERR_FILENO);
        const int in = open("/dev/null", O_RDONLY);
        if (in >= 0) dup2(in, STDIN_FILENO);
        if (keep_fd >= 0) fcntl(keep_fd, F_SETFD, 0);
        execve(argv_p[0], argv_p.data(), env_p.data());
        _exit(127);
    }
    close(out);
    return pid;
}

// True once `pid` has ended (and is reaped).
bool ended(pid_t pid) {
    int status = 0;
    const pid_t r = waitpid(pid, &status, WNOHANG);
    return r == pid || (r < 0 && errno == ECHILD);
}

// SIGTERM, then SIGKILL after a grace period; reaps the process.
void end_process(pid_t pid) {
    if (pid <= 0 || ended(pid)) return;
    kill(pid, SIGTERM);
    const auto limit = Clock::now() + term_grace;
    while (Clock::now() < limit) {
        if (ended(pid)) return;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

// A started program, ended when the guard goes.
struct Running {
    pid_t pid = -1;
    Running() = default;
    explicit Running(pid_t p) : pid(p) {}
    Running(const Running&) = delete;
    Running& operator=(const Running&) = delete;
    ~Running() { end_process(pid); }
};

// --- the X server ---------------------------------------------------------------

// A private Xvfb screen, ended with the guard.
struct Xvfb {
    Running process;
    std::string display;

    Xvfb() {
        int ready[2];
        if (pipe2(ready, O_CLOEXEC) != 0) throw std::runtime_error("pipe failed");
        // Xvfb picks a free display and writes its number on the pipe once it accepts clients.
        process.pid = spawn({"/usr/bin/Xvfb", "-displayfd", std::to_string(ready[1]), "-screen", "0", "1920x1080x24",
                             "-nolisten", "tcp"},
                            child_environment(""), "", "", ready[1]);
        close(ready[1]);
        std::string number;
        const auto limit = Clock::now() + xvfb_timeout;
        while (Clock::now() < limit && number.find('\n') == std::string::npos) {
            check_stop();
            pollfd p{ready[0], POLLIN, 0};
            if (poll(&p, 1, 100) <= 0) continue;
            char buffer[32];
            const ssize_t n = read(ready[0], buffer, sizeof buffer);
            if (n <= 0) break;
            number.append(buffer, std::size_t(n));
        }
        close(ready[0]);
        if (number.find('\n') == std::string::npos) throw std::runtime_error("Xvfb did not start");
        display = ":" + number.substr(0, number.find('\n'));
    }
};

int ignore_x_error(Display*, XErrorEvent*) { return 0; }  // a window may be gone before we ask about it

struct XConnection {
    Display* display = nullptr;
    Window root = 0;
    Atom net_wm_pid = 0, net_wm_name = 0;

    explicit XConnection(const std::string& name) {
        display = XOpenDisplay(name.c_str());
        if (!display) throw std::runtime_error("cannot open display " + name);
        fcntl(ConnectionNumber(display), F_SETFD, FD_CLOEXEC);
        XSetErrorHandler(ignore_x_error);
        root = DefaultRootWindow(display);
        net_wm_pid = XInternAtom(display, "_NET_WM_PID", False);
        net_wm_name = XInternAtom(display, "_NET_WM_NAME", False);
    }
    XConnection(const XConnection&) = delete;
    XConnection& operator=(const XConnection&) = delete;
    ~XConnection() { XCloseDisplay(display); }

    // Top-level creations and maps, from now on; earlier events are dropped.
    void watch() {
        XSelectInput(display, root, SubstructureNotifyMask);
        XSync(display, True);
    }
    void unwatch() {
        XSelectInput(display, root, NoEventMask);
        XSync(display, True);
    }

    std::optional<long> window_pid(Window w) {
        Atom type = 0;
        int format = 0;
        unsigned long count = 0, left = 0;
        unsigned char* data = nullptr;
        std::optional<long> pid;
        if (XGetWindowProperty(display, w, net_wm_pid, 0, 1, False, XA_CARDINAL, &type, &format, &count, &left,
                               &data) == Success &&
            type == XA_CARDINAL && format == 32 && count == 1)
            pid = *reinterpret_cast<long*>(data);
        if (data) XFree(data);
        return pid;
    }

    // _NET_WM_NAME, else WM_NAME; nullopt when neither is set.
    std::optional<std::string> window_name(Window w) {
        for (const Atom property : {net_wm_name, Atom(XA_WM_NAME)}) {
            Atom type = 0;
            int format = 0;
            unsigned long count = 0, left = 0;
            unsigned char* data = nullptr;
            std::optional<std::string> name;
            if (XGetWindowProperty(display, w, property, 0, 256, False, AnyPropertyType, &type, &format, &count, &left,
                                   &data) == Success &&
                type != None && format == 8)
                name = std::string(reinterpret_cast<char*>(data), count);
            if (data) XFree(data);
            if (name) return name;
        }
        return std::nullopt;
    }

    int window_width(Window w) {
        XWindowAttributes attributes{};
        return XGetWindowAttributes(display, w, &attributes) ? attributes.width : -1;
    }
};

// Whether the mapped window `w` is the main window of `pid`: a window of
// another process never is; one titled `title` is; one without any name is
// when it has the desk's width. The splash (no title of its own, 500 wide) and
// dialogs are not; the names of those are gathered in `others`.
bool is_main_window(XConnection& x, Window w, pid_t pid, const std::string& title, std::string& others) {
    if (const auto owner = x.window_pid(w); owner && *owner != pid) return false;
    if (const auto name = x.window_name(w)) {
        if (*name == title) return true;
        if (!name->empty()) others += " \"" + *name + "\"";
        return false;
    }
    return x.window_width(w) == desk_width;
}

// --- working folders ----------------------------------------------------------------

// Up to `count` programs of /usr/bin, in name order, repeated when fewer.
std::vector<std::string> usr_bin_programs(int count) {
    std::vector<std::string> found;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator("/usr/bin", error)) {
        std::error_code e;
        if (entry.is_regular_file(e) && access(entry.path().c_str(), X_OK) == 0) found.push_back(entry.path());
    }
    if (found.empty()) throw std::runtime_error("no programs in /usr/bin");
    std::sort(found.begin(), found.end());
    std::vector<std::string> result;
    for (int n = 0; n < count; ++n) result.push_back(found[std::size_t(n) % found.size()]);
    return result;
}

// A full data file, as the program writes it: BOM, CR LF lines, "Key = value".
std::string full_data_file() {
    std::string ini = "\xEF\xBB\xBF\r\n[Global]\r\n";
    for (const char* line : {"X_Origin = 10", "Y_Origin = 10", "Desk_Height = 700", "On_Top = 1", "Sound_ON = 0",
                             "Lng = Fr", "Show_Separators = 1", "Needle_Clock_ON = 0"})
        ini += std::string(line) + "\r\n";
    const auto programs = usr_bin_programs(slot_count);
    ini += "[Run]\r\n";
    for (int n = 1; n <= slot_count; ++n)
        ini += "Run" + std::to_string(n) + " = " + programs[std::size_t(n - 1)] + "\r\n";
    ini += "[ToolTip]\r\n";
    for (int n = 1; n <= slot_count; ++n)
        ini +=
            "ToolTip" + std::to_string(n) + " = " + fs::path(programs[std::size_t(n - 1)]).filename().string() + "\r\n";
    ini += "[Separators]\r\n";
    for (int n = 1; n <= separator_count; ++n) {
        char key[32];
        std::snprintf(key, sizeof key, "Separator%03d", n);
        ini += std::string(key) + " = Zone " + std::to_string(n) + "\r\n";
    }
    return ini;
}

// A fresh folder under the temporary folder, removed with the guard.
struct Folder {
    fs::path path;
    Folder() {
        std::string pattern = (fs::temp_directory_path() / "vd-startup-XXXXXX").string();
        if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot make a temporary folder");
        path = pattern;
    }
    Folder(const Folder&) = delete;
    Folder& operator=(const Folder&) = delete;
    ~Folder() {
        std::error_code error;
        fs::remove_all(path, error);
    }
};

void write_file(const fs::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out << bytes;
    if (!out.flush()) throw std::runtime_error("cannot write " + path.string());
}

// The audio library beside the program: a stand-in is made when none is
// there, and removed again with the guard.
struct AudioLibrary {
    fs::path made;
    explicit AudioLibrary(const fs::path& program) {
        const fs::path path = program.parent_path() / audio_library_name;
        std::error_code error;
        if (fs::exists(path, error)) {
            if (!fs::is_regular_file(path, error) || fs::file_size(path, error) < audio_library_min_size)
                throw std::runtime_error(path.string() + " is too small: the program would ask about it at start");
            return;
        }
        write_file(path, std::string(audio_stand_in_size, '\0'));
        made = path;
    }
    AudioLibrary(const AudioLibrary&) = delete;
    AudioLibrary& operator=(const AudioLibrary&) = delete;
    ~AudioLibrary() {
        std::error_code error;
        if (!made.empty()) fs::remove(made, error);
    }
};

// --- one start ------------------------------------------------------------------------

struct Subject {
    std::string label;
    fs::path program;
    std::string title;
    bool data_files = false;  // the program gets the data file and library in its folder
};

struct Start {
    double map_ms = 0, cpu_at_map_ms = 0;
    Memory memory;
};

struct Session {
    XConnection& x;
    std::string display;
    std::string data_file;
    fs::path library;  // empty until made

    // Starts `subject` in `folder` and waits for its main window's map. Returns
    // the time from just before exec to the map, in ms.
    double start(const Subject& subject, const fs::path& folder, Running& running) {
        const std::string log = (folder / "output.log").string();
        x.watch();
        const auto t0 = Clock::now();
        running.pid = spawn({subject.program.string()}, child_environment(display), folder.string(), log);
        std::string others;
        const int fd = ConnectionNumber(x.display);
        for (;;) {
            while (XPending(x.display)) {
                XEvent event;
                XNextEvent(x.display, &event);
                if (event.type == CreateNotify) {
                    // Under a reparenting window manager the map reaches only the window itself.
                    XSelectInput(x.display, event.xcreatewindow.window, StructureNotifyMask);
                } else if (event.type == MapNotify) {
                    const auto t1 = Clock::now();
                    if (is_main_window(x, event.xmap.window, running.pid, subject.title, others)) {
                        x.unwatch();
                        return ms_between(t0, t1);
                    }
                }
            }
            check_stop();
            if (Clock::now() - t0 > map_timeout || ended(running.pid)) {
                const auto output = read_capped(log, 4096);
                throw std::runtime_error(subject.label + ": no main window" +
                                         (others.empty() ? "" : " (windows shown:" + others + ")") +
                                         (ended(running.pid) ? ", the program ended" : ", timed out") +
                                         (output && !output->empty() ? "; its output:\n" + *output : ""));
            }
            pollfd p{fd, POLLIN, 0};
            poll(&p, 1, 100);
        }
    }

    void prepare(const Subject& subject, const fs::path& folder) {
        if (!subject.data_files) return;
        write_file(folder / data_file_name, data_file);
        if (!library.empty()) fs::copy_file(library, folder / library_file_name);
    }

    Start measure(const Subject& subject, int settle_s) {
        Folder folder;
        prepare(subject, folder.path);
        Running running;
        Start s;
        s.map_ms = start(subject, folder.path, running);
        s.cpu_at_map_ms = cpu_ms(running.pid);
        sleep_for(std::chrono::seconds(settle_s));
        s.memory = memory(running.pid);
        return s;
    }

    struct Idle {
        double seconds = 0, cpu_ms = 0;
        long long voluntary = 0, switches = 0;
        int threads = 0;
    };

    Idle idle(const Subject& subject, int seconds) {
        Folder folder;
        prepare(subject, folder.path);
        Running running;
        start(subject, folder.path, running);
        sleep_for(std::chrono::seconds(idle_settle_s));
        const auto t0 = Clock::now();
        const Activity a0 = activity(running.pid);
        sleep_for(std::chrono::seconds(seconds));
        const auto t1 = Clock::now();
        const Activity a1 = activity(running.pid);
        return {ms_between(t0, t1) / 1000.0, a1.cpu_ms - a0.cpu_ms, a1.voluntary - a0.voluntary,
                a1.switches - a0.switches, a1.threads};
    }

    // One start on a folder without a library: the program writes it before
    // its desk shows. Kept for every later start.
    void make_library(const Subject& subject, const fs::path& store) {
        Folder folder;
        prepare(subject, folder.path);
        Running running;
        start(subject, folder.path, running);
        const auto written = folder.path / library_file_name;
        const auto limit = Clock::now() + library_timeout;
        std::error_code error;
        while (!fs::exists(written, error)) {
            if (Clock::now() > limit || ended(running.pid))
                throw std::runtime_error("the program wrote no icon library");
            sleep_for(std::chrono::milliseconds(50));
        }
        sleep_for(std::chrono::milliseconds(500));  // the file is replaced whole; let the program settle
        fs::copy_file(written, store, fs::copy_options::overwrite_existing);
        library = store;
    }
};

// --- report ----------------------------------------------------------------------------

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

template <typename Field>
double median_of(const std::vector<Start>& starts, Field field) {
    std::vector<double> values;
    for (const Start& s : starts) values.push_back(field(s));
    return median(values);
}

struct Options {
    fs::path program, bare;
    int runs = default_runs;
    int settle_s = default_settle_s;
    int idle_s = 0;  // 0: the start-up measurement
    bool use_display = false;
};

[[noreturn]] void usage(const char* message) {
    std::fprintf(stderr,
                 "%s\nusage: vd_startup_exec [--runs N] [--idle SECONDS] [--settle SECONDS] [--bare PATH] "
                 "[--use-display] [program]\n",
                 message);
    std::exit(2);
}

int positive(const char* text) {
    char* end = nullptr;
    const long v = std::strtol(text, &end, 10);
    if (*text == '\0' || *end != '\0' || v < 1 || v > 100000) usage("expected a positive whole number");
    return int(v);
}

Options parse(int argc, char** argv) {
    Options o;
    const fs::path own_folder = fs::canonical("/proc/self/exe").parent_path();
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        const auto value = [&]() -> const char* {
            if (i + 1 >= argc) usage(("missing value after " + a).c_str());
            return argv[++i];
        };
        if (a == "--runs") o.runs = positive(value());
        else if (a == "--idle") o.idle_s = positive(value());
        else if (a == "--settle") o.settle_s = positive(value());
        else if (a == "--bare") o.bare = value();
        else if (a == "--use-display") o.use_display = true;
        else if (!a.empty() && a[0] == '-') usage(("unknown option " + a).c_str());
        else o.program = a;
    }
    if (o.program.empty()) {
        o.program = "build/vimo-duzi";
        if (!fs::exists(o.program)) o.program = own_folder.parent_path() / "vimo-duzi";
    }
    if (o.bare.empty()) o.bare = own_folder / "vd_bare_desk";
    for (const fs::path& p : {o.program, o.bare})
        if (access(p.c_str(), X_OK) != 0) usage(("not an executable: " + p.string()).c_str());
    o.program = fs::canonical(o.program);
    o.bare = fs::canonical(o.bare);
    return o;
}

void print_startup(const std::vector<Start>& bare, const std::vector<Start>& ours, const std::string& name,
                   int settle_s) {
    struct Column {
        const char* heading;
        double (*field)(const Start&);
    };
    static constexpr Column columns[] = {
        {"exec->map ms", [](const Start& s) { return s.map_ms; }},
        {"CPU ms at map", [](const Start& s) { return s.cpu_at_map_ms; }},
        {"RSS MB", [](const Start& s) { return s.memory.rss_mb; }},
        {"PSS MB", [](const Start& s) { return s.memory.pss_mb; }},
        {"shared objects", [](const Start& s) { return double(s.memory.shared_objects); }},
    };
    std::printf("\nmedians of %zu interleaved starts each (RSS, PSS and shared objects %d s after the map)\n",
                ours.size(), settle_s);
    std::printf("%-16s", "");
    for (const Column& c : columns) std::printf("%16s", c.heading);
    std::printf("\n%-16s", "bare Qt window");
    for (const Column& c : columns) std::printf("%16.1f", median_of(bare, c.field));
    std::printf("\n%-16s", name.c_str());
    for (const Column& c : columns) std::printf("%16.1f", median_of(ours, c.field));
    std::printf("\n%-16s", "ratio");
    for (const Column& c : columns) std::printf("%15.2fx", median_of(ours, c.field) / median_of(bare, c.field));
    std::printf("\n");
}

void run_startup(Session& session, const Subject& bare, const Subject& ours, const Options& o) {
    std::vector<Start> bare_starts, our_starts;
    for (int run = 1; run <= o.runs; ++run) {
        for (const Subject* subject : {&bare, &ours}) {
            const Start s = session.measure(*subject, o.settle_s);
            (subject == &bare ? bare_starts : our_starts).push_back(s);
            std::printf("start %2d  %-14s map %7.1f ms  cpu %7.1f ms  rss %6.1f MB  pss %6.1f MB  %3d .so\n", run,
                        subject->label.c_str(), s.map_ms, s.cpu_at_map_ms, s.memory.rss_mb, s.memory.pss_mb,
                        s.memory.shared_objects);
            std::fflush(stdout);
        }
    }
    print_startup(bare_starts, our_starts, ours.label, o.settle_s);
}

void run_idle(Session& session, const Subject& bare, const Subject& ours, int seconds) {
    std::printf(
        "\nidle over %d s, from %d s after the map; wake-ups: context switches of all threads\n"
        "(voluntary and involuntary; involuntary ones grow with the load of other programs)\n",
        seconds, idle_settle_s);
    std::printf("%-16s%10s%16s%14s%16s%10s\n", "", "CPU ms", "% of one core", "wake-ups/s", "voluntary/s", "threads");
    for (const Subject* subject : {&bare, &ours}) {
        const auto i = session.idle(*subject, seconds);
        std::printf("%-16s%10.1f%16.3f%14.2f%16.2f%10d\n", subject->label.c_str(), i.cpu_ms,
                    100.0 * i.cpu_ms / 1000.0 / i.seconds, double(i.switches) / i.seconds,
                    double(i.voluntary) / i.seconds, i.threads);
        std::fflush(stdout);
    }
}

}  // namespace

int main(int argc, char** argv) {
    const Options o = parse(argc, argv);
    struct sigaction stop {};
    stop.sa_handler = on_stop_signal;
    sigaction(SIGINT, &stop, nullptr);
    sigaction(SIGTERM, &stop, nullptr);
    sigaction(SIGHUP, &stop, nullptr);

    try {
        std::optional<Xvfb> xvfb;
        std::string display;
        if (o.use_display) {
            const char* d = std::getenv("DISPLAY");
            if (!d || !*d) usage("--use-display: DISPLAY is not set");
            display = d;
        } else {
            xvfb.emplace();
            display = xvfb->display;
        }
        XConnection x(display);
        AudioLibrary audio(o.program);
        const Subject bare{"bare Qt window", o.bare, bare_title, false};
        const Subject ours{o.program.filename().string(), o.program, program_title, true};
        Session session{x, display, full_data_file(), {}};
        Folder store;

        const std::string load_before = load_average();
        std::printf("program %s\nbare    %s\ndisplay %s%s\nload average before: %s\n", o.program.c_str(),
                    o.bare.c_str(), display.c_str(), o.use_display ? "" : " (private Xvfb)", load_before.c_str());
        std::fflush(stdout);
        session.make_library(ours, store.path / library_file_name);
        // One untimed start of the bare window, so that both find their files cached.
        session.measure(bare, 1);

        if (o.idle_s > 0) run_idle(session, bare, ours, o.idle_s);
        else run_startup(session, bare, ours, o);
        std::printf("load average after: %s\n", load_average().c_str());
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "vd_startup_exec: %s\n", failure.what());
        return 1;
    }
    return 0;
}
