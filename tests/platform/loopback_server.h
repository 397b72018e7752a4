// A tiny HTTP server on 127.0.0.1 for the transfer and streaming tests: it
// answers each request path with scripted bytes and closes the connection, or
// keeps it open (silent, or sending an endless body) on a thread of its own
// until the client hangs up. It stops when destroyed, or by itself after
// `lifetime` so a stuck test cannot leave it running.
#pragma once

#include <atomic>
#include <chrono>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace test_support {

struct ScriptedReply {
    std::string path;      // the request path answered, e.g. "/hello"
    std::string response;  // raw bytes sent back, "{port}" replaced by the server's
                           // port; empty: accept, read, never answer
    // Sent after `response` again and again until the client hangs up, like
    // a radio station's stream; empty: the connection ends after `response`.
    std::string endless_body = {};
    // Hang up right after reading the request, answering nothing.
    bool close_at_once = false;
    // Keep the connection open after `response`, sending nothing more.
    bool hold_open = false;
};

// A complete HTTP/1.1 response with a Content-Length.
std::string http_response(int status, std::string_view reason, std::string_view body,
                          std::string_view extra_headers = {});
// A 200 response whose body is sent chunked, so its length is not declared.
std::string chunked_response(std::string_view body);

class LoopbackServer {
public:
    explicit LoopbackServer(std::vector<ScriptedReply> replies,
                            std::chrono::seconds lifetime = std::chrono::seconds(30));
    ~LoopbackServer();
    LoopbackServer(const LoopbackServer&) = delete;
    LoopbackServer& operator=(const LoopbackServer&) = delete;

    // "http://127.0.0.1:<port>" followed by `path`.
    std::string url(std::string_view path) const;
    int port() const { return port_; }
    // The request heads received so far, one per accepted connection (empty
    // when the client sent nothing).
    std::vector<std::string> requests() const;
    // Connections kept open (silent or endless) that the client has not
    // closed yet.
    int open_connections() const { return open_; }

private:
    void run(std::chrono::steady_clock::time_point deadline);
    void answer(int connection);
    void keep_open(int connection, std::string endless_body);

    std::vector<ScriptedReply> replies_;
    int listener_ = -1;
    int port_ = 0;
    std::atomic<bool> stop_{false};
    std::atomic<int> open_{0};
    std::vector<std::thread> kept_;  // one per connection kept open
    mutable std::mutex mutex_;
    std::vector<std::string> requests_;
    std::thread thread_;
};

}  // namespace test_support
