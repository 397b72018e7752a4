#include "loopback_server.h"

#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <stdexcept>

#include <arpa/inet.h>
#include <netinet/in.h>

namespace test_support {

namespace {

constexpr int poll_interval_ms = 50;
constexpr std::size_t max_head_bytes = 16 * 1024;
constexpr int head_wait_ms = 2000;

std::string read_head(int connection) {
    std::string head;
    char buffer[1024];
    while (head.find("\r\n\r\n") == std::string::npos && head.size() < max_head_bytes) {
        pollfd p{connection, POLLIN, 0};
        if (poll(&p, 1, head_wait_ms) <= 0) break;
        const ssize_t got = recv(connection, buffer, sizeof buffer, 0);
        if (got <= 0) break;
        head.append(buffer, static_cast<std::size_t>(got));
    }
    return head;
}

void send_all(int connection, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t sent = send(connection, bytes.data(), bytes.size(), MSG_NOSIGNAL);
        if (sent <= 0) return;  // the client hung up, as it does on purpose past a size cap
        bytes.remove_prefix(static_cast<std::size_t>(sent));
    }
}

}  // namespace

std::string http_response(int status, std::string_view reason, std::string_view body, std::string_view extra_headers) {
    std::string r = "HTTP/1.1 " + std::to_string(status) + " " + std::string(reason) + "\r\n";
    r += "Content-Length: " + std::to_string(body.size()) + "\r\n";
    r += "Connection: close\r\n";
    r += extra_headers;
    r += "\r\n";
    r += body;
    return r;
}

std::string chunked_response(std::string_view body) {
    constexpr std::size_t chunk = 512;
    std::string r = "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\nConnection: close\r\n\r\n";
    for (std::size_t at = 0; at < body.size(); at += chunk) {
        const std::string_view part = body.substr(at, chunk);
        char size[32];
        std::snprintf(size, sizeof size, "%zx\r\n", part.size());
        r += size;
        r += part;
        r += "\r\n";
    }
    r += "0\r\n\r\n";
    return r;
}

LoopbackServer::LoopbackServer(std::vector<ScriptedReply> replies, std::chrono::seconds lifetime)
    : replies_(std::move(replies)) {
    listener_ = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;  // any free port
    socklen_t length = sizeof address;
    if (listener_ < 0 || bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        listen(listener_, 16) != 0 || getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length) != 0)
        throw std::runtime_error("cannot listen on 127.0.0.1");
    port_ = ntohs(address.sin_port);
    thread_ = std::thread(&LoopbackServer::run, this, std::chrono::steady_clock::now() + lifetime);
}

LoopbackServer::~LoopbackServer() {
    stop_ = true;
    thread_.join();
}

std::string LoopbackServer::url(std::string_view path) const {
    return "http://127.0.0.1:" + std::to_string(port_) + std::string(path);
}

std::vector<std::string> LoopbackServer::requests() const {
    std::lock_guard lock(mutex_);
    return requests_;
}

void LoopbackServer::run(std::chrono::steady_clock::time_point deadline) {
    while (!stop_ && std::chrono::steady_clock::now() < deadline) {
        pollfd p{listener_, POLLIN, 0};
        if (poll(&p, 1, poll_interval_ms) <= 0) continue;
        const int connection = accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
        if (connection >= 0) answer(connection);
    }
    stop_ = true;
    for (std::thread& kept : kept_) kept.join();
    close(listener_);
}

void LoopbackServer::keep_open(int connection, std::string endless_body) {
    std::size_t at = 0;
    while (!stop_) {
        pollfd p{connection, short(POLLIN | (endless_body.empty() ? 0 : POLLOUT)), 0};
        if (poll(&p, 1, poll_interval_ms) < 0 && errno != EINTR) break;
        if (p.revents & (POLLERR | POLLHUP)) break;
        if (p.revents & POLLIN) {
            char ignored[512];
            const ssize_t got = recv(connection, ignored, sizeof ignored, MSG_DONTWAIT);
            if (got == 0 || (got < 0 && errno != EAGAIN && errno != EINTR)) break;  // the client hung up
        }
        if (p.revents & POLLOUT) {
            const ssize_t sent =
                send(connection, endless_body.data() + at, endless_body.size() - at, MSG_NOSIGNAL | MSG_DONTWAIT);
            if (sent < 0 && errno != EAGAIN && errno != EINTR) break;
            if (sent > 0) at = (at + static_cast<std::size_t>(sent)) % endless_body.size();
        }
    }
    close(connection);
    --open_;
}

void LoopbackServer::answer(int connection) {
    const std::string head = read_head(connection);
    {
        std::lock_guard lock(mutex_);
        requests_.push_back(head);
    }
    // Request line: METHOD SP PATH SP VERSION.
    const std::size_t method_end = head.find(' ');
    const std::size_t path_end = head.find(' ', method_end + 1);
    const std::string method = head.substr(0, method_end);
    const std::string path = method_end == std::string::npos || path_end == std::string::npos
                                 ? std::string()
                                 : head.substr(method_end + 1, path_end - method_end - 1);

    ScriptedReply reply{path, http_response(500, "No Script", "no scripted reply for " + path)};
    for (const auto& scripted : replies_) {
        if (scripted.path == path) {
            reply = scripted;
            break;
        }
    }
    if (reply.close_at_once) {
        close(connection);
        return;
    }
    std::string& response = reply.response;
    const std::string port_marker = "{port}";
    for (std::size_t at; (at = response.find(port_marker)) != std::string::npos;)
        response.replace(at, port_marker.size(), std::to_string(port_));
    std::string_view bytes = response;
    if (method == "HEAD") bytes = bytes.substr(0, bytes.find("\r\n\r\n") + 4);
    send_all(connection, bytes);
    if (response.empty() || reply.hold_open || !reply.endless_body.empty()) {
        ++open_;
        kept_.emplace_back(&LoopbackServer::keep_open, this, connection, std::move(reply.endless_body));
        return;
    }
    shutdown(connection, SHUT_WR);
    close(connection);
}

}  // namespace test_support
