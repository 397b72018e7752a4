// One running instance per data file, through a lock and a local socket in
// the user's private runtime folder.
#include "platform/instances.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

namespace platform {

namespace {

constexpr const char* name_prefix = "Vimo_Desk-";
constexpr int listen_backlog = 8;
// A running instance holds the lock from before it listens; a later start
// waits this long for the socket to appear.
constexpr int connect_wait_ms = 3000;
constexpr int connect_poll_ms = 50;
constexpr char show_request[] = "show\n";

// 64-bit FNV-1a of the path: file names of a fixed length, whatever the path.
std::string name_of(const std::string& data_file) {
    std::uint64_t hash = 14695981039346656037ull;
    for (const unsigned char c : data_file) {
        hash ^= c;
        hash *= 1099511628211ull;
    }
    char hex[17];
    std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(hash));
    return std::string(name_prefix) + hex;
}

// Only a folder of this user that no one else may write in is a place to meet:
// elsewhere another user could pretend to be a running instance. A link is
// refused too: anyone may leave one under the temporary folder.
bool private_folder(const std::string& folder) {
    struct stat st {};
    return !folder.empty() && ::lstat(folder.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::geteuid() &&
           (st.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

bool socket_address(const std::string& path, sockaddr_un& address) {
    address = {};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof address.sun_path) return false;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    return true;
}

void sleep_ms(int ms) {
    timespec t{ms / 1000, long(ms % 1000) * 1000000L};
    while (nanosleep(&t, &t) != 0 && errno == EINTR) {}
}

// Tells the running instance to show its desk; false when it cannot be reached.
bool send_show_request(const sockaddr_un& address) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return false;
    bool sent = false;
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0)
        sent = ::send(fd, show_request, sizeof show_request - 1, MSG_NOSIGNAL) > 0;
    ::close(fd);
    return sent;
}

}  // namespace

LocalSocketInstances::~LocalSocketInstances() {
    if (listener_ >= 0) {
        ::close(listener_);
        ::unlink(socket_path_.c_str());  // still ours: the lock is held until below
    }
    if (lock_ >= 0) ::close(lock_);
}

InstanceClaim LocalSocketInstances::claim(const std::string& data_file, const std::string& runtime_folder) {
    if (lock_ >= 0 || runtime_folder.empty()) return InstanceClaim::Alone;
    ::mkdir(runtime_folder.c_str(), 0700);  // the fallback folder, at the first start; any other is left as it is
    if (!private_folder(runtime_folder)) return InstanceClaim::Alone;
    const std::string base = runtime_folder + "/" + name_of(data_file);
    sockaddr_un address{};
    if (!socket_address(base + ".socket", address)) return InstanceClaim::Alone;

    const int lock = ::open((base + ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0600);
    if (lock < 0) return InstanceClaim::Alone;
    if (::flock(lock, LOCK_EX | LOCK_NB) != 0) {
        ::close(lock);
        if (errno != EWOULDBLOCK) return InstanceClaim::Alone;
        // Another instance holds the file: it is running, and listens soon if not yet.
        for (int waited = 0; waited < connect_wait_ms; waited += connect_poll_ms) {
            if (send_show_request(address)) break;
            sleep_ms(connect_poll_ms);
        }
        return InstanceClaim::Running;
    }
    lock_ = lock;
    socket_path_ = base + ".socket";
    ::unlink(socket_path_.c_str());  // left by an instance that crashed
    const int listener = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (listener < 0) return InstanceClaim::First;
    if (::bind(listener, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(listener, listen_backlog) != 0) {
        ::close(listener);
        return InstanceClaim::First;  // still the only instance: the lock says so
    }
    listener_ = listener;
    return InstanceClaim::First;
}

int LocalSocketInstances::take_requests() {
    if (listener_ < 0) return 0;
    int requests = 0;
    for (;;) {
        const int peer = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (peer < 0) {
            if (errno == EINTR || errno == ECONNABORTED) continue;
            return requests;  // EAGAIN: none left
        }
        // Every connection is a request to show the desk; what it says is not read.
        ::close(peer);
        ++requests;
    }
}

std::string fallback_runtime_folder(const std::string& temporary_folder) {
    if (temporary_folder.empty()) return "";
    return temporary_folder + "/vimo-duzi-" + std::to_string(::geteuid());
}

FakeInstances::FakeInstances() {
    if (::pipe2(pipe_, O_CLOEXEC | O_NONBLOCK) != 0) pipe_[0] = pipe_[1] = -1;
}

FakeInstances::~FakeInstances() {
    for (int fd : pipe_)
        if (fd >= 0) ::close(fd);
}

void FakeInstances::ask_to_show() {
    const char byte = 1;
    if (pipe_[1] >= 0) (void)!::write(pipe_[1], &byte, 1);
}

InstanceClaim FakeInstances::claim(const std::string& data_file, const std::string& runtime_folder) {
    claims.push_back({data_file, runtime_folder});
    return answer;
}

int FakeInstances::request_descriptor() { return answer == InstanceClaim::First ? pipe_[0] : -1; }

int FakeInstances::take_requests() {
    int requests = 0;
    char bytes[64];
    for (ssize_t n; pipe_[0] >= 0 && (n = ::read(pipe_[0], bytes, sizeof bytes)) > 0;) requests += int(n);
    return requests;
}

namespace {

// Before anything is installed: no claim, no requests.
class NoInstances final : public Instances {
public:
    InstanceClaim claim(const std::string&, const std::string&) override { return InstanceClaim::Alone; }
    int request_descriptor() override { return -1; }
    int take_requests() override { return 0; }
};

NoInstances g_none;
Instances* g_installed = nullptr;

}  // namespace

Instances& instances() { return g_installed ? *g_installed : g_none; }

Instances* install_instances(Instances* installed) {
    Instances* previous = g_installed;
    g_installed = installed;
    return previous;
}

}  // namespace platform
