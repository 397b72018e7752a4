// The HTTP seam: the few transfers the program makes (audio library download,
// update query, site icons). Every transfer has a connect and a total time-out
// and a size cap, follows redirects only to http and https, and blocks the
// calling thread until it ends.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace platform {

// All three numbers must be positive.
struct HttpLimits {
    int connect_timeout_ms = 5000;
    int total_timeout_ms = 20000;
    std::int64_t max_bytes = 8 * 1024 * 1024;  // larger bodies fail the transfer
    bool https_only = false;                   // refuse plain http, also on redirects
    std::string user_agent;                    // sent as the User-Agent; "" sends "VimoDuzi"
};

struct HttpResult {
    bool ok = false;    // transfer completed (any status code); false on
                        // time-out, size cap, refused protocol or redirect
    long status = 0;    // HTTP status code, 0 when no answer came
    std::string body;   // get_to_memory only
    std::string error;  // why the transfer failed, for tests and notes
};

class Http {
public:
    virtual ~Http() = default;
    // GET into memory.
    virtual HttpResult get(const std::string& url, const HttpLimits& limits = {}) = 0;
    // GET into `path`: written to a temporary file beside it and moved into
    // place only when the transfer completed with status 200; otherwise `path`
    // is left as it was. Another status gives ok with that status; a failed
    // transfer, or a failure to write or move the file, gives not ok.
    virtual HttpResult get_to_file(const std::string& url, const std::string& path, const HttpLimits& limits = {}) = 0;
    // HEAD request: only the status matters.
    virtual HttpResult head(const std::string& url, const HttpLimits& limits = {}) = 0;
};

class CurlHttp final : public Http {
public:
    CurlHttp();
    ~CurlHttp() override;
    HttpResult get(const std::string& url, const HttpLimits& limits = {}) override;
    HttpResult get_to_file(const std::string& url, const std::string& path, const HttpLimits& limits = {}) override;
    HttpResult head(const std::string& url, const HttpLimits& limits = {}) override;
};

// Answers from a table of canned responses and records every request. The
// size cap and https_only of the limits are honoured like the real transfer.
class FakeHttp final : public Http {
public:
    enum class Method { Get, GetToFile, Head };
    struct Request {
        Method method;
        std::string url;
        std::string path;        // GetToFile only
        std::string user_agent;  // as given in the limits
    };
    struct Response {
        long status = 200;
        std::string body;
        bool fail = false;  // the transfer itself fails (no answer)
    };

    // Answers `url` with `r` from now on; unknown addresses fail.
    void serve(const std::string& url, Response r) { responses_.emplace_back(url, std::move(r)); }
    const std::vector<Request>& requests() const { return requests_; }

    HttpResult get(const std::string& url, const HttpLimits& limits = {}) override;
    HttpResult get_to_file(const std::string& url, const std::string& path, const HttpLimits& limits = {}) override;
    HttpResult head(const std::string& url, const HttpLimits& limits = {}) override;

private:
    const Response* find(const std::string& url) const;
    std::vector<std::pair<std::string, Response>> responses_;
    std::vector<Request> requests_;
};

}  // namespace platform
