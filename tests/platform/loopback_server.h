// A tiny HTTP server on 127.0.0.1 for the transfer tests: it answers each
// request path with scripted bytes, one connection at a time, and closes every
// connection after answering. It stops when destroyed, or by itself after
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

private:
    void run(std::chrono::steady_clock::time_point deadline);
    void answer(int connection);

    std::vector<ScriptedReply> replies_;
    int listener_ = -1;
    int port_ = 0;
    std::atomic<bool> stop_{false};
    std::vector<int> held_;  // silent connections, closed when the server stops
    mutable std::mutex mutex_;
    std::vector<std::string> requests_;
    std::thread thread_;
};

}  // namespace test_support
