// HTTP over libcurl. Each call is one blocking easy transfer with the limits
// of HttpLimits; no handle or connection is kept between calls.
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cassert>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <mutex>

#include <curl/curl.h>

#include "platform/files.h"
#include "platform/http.h"

namespace platform {

namespace {

constexpr const char* default_user_agent = "VimoDuzi";
constexpr long max_redirects = 5;
constexpr long status_ok = 200;

// libcurl's global state is set up once for the whole process and never torn
// down: other CurlHttp objects (or threads) may still be using it.
void init_curl_once() {
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

// Where the body goes while it arrives, and how much of it came.
struct Sink {
    std::int64_t max_bytes = 0;
    std::int64_t received = 0;
    std::string* memory = nullptr;  // one of memory or file
    FileReplacement* file = nullptr;
    bool over_cap = false;
    bool write_failed = false;
    int write_errno = 0;
};

// Returning less than the bytes offered makes libcurl abort the transfer.
std::size_t receive(char* data, std::size_t size, std::size_t count, void* user) {
    auto& sink = *static_cast<Sink*>(user);
    const std::size_t bytes = size * count;
    if (sink.received + static_cast<std::int64_t>(bytes) > sink.max_bytes) {
        sink.over_cap = true;
        return 0;
    }
    sink.received += static_cast<std::int64_t>(bytes);
    if (sink.memory) {
        sink.memory->append(data, bytes);
    } else if (sink.file && !sink.file->write({data, bytes})) {
        sink.write_failed = true;
        sink.write_errno = sink.file->error();
        return 0;
    }
    return bytes;
}

enum class Verb { Get, Head };

struct EasyDeleter {
    void operator()(CURL* handle) const { curl_easy_cleanup(handle); }
};

HttpResult transfer(const std::string& url, const HttpLimits& limits, Verb verb, Sink& sink) {
    assert(limits.connect_timeout_ms > 0 && limits.total_timeout_ms > 0 && limits.max_bytes > 0 &&
           "Every transfer needs positive time-outs and size cap; libcurl reads 0 as unlimited.");
    HttpResult result;
    std::unique_ptr<CURL, EasyDeleter> handle(curl_easy_init());
    if (!handle) {
        result.error = "libcurl could not start a transfer";
        return result;
    }
    CURL* curl = handle.get();
    char error_text[CURL_ERROR_SIZE] = {};
    const char* protocols = limits.https_only ? "https" : "http,https";
    sink.max_bytes = std::max<std::int64_t>(1, limits.max_bytes);

    curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
    curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, error_text);
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_USERAGENT,
                     limits.user_agent.empty() ? default_user_agent : limits.user_agent.c_str());
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, protocols);
    curl_easy_setopt(curl, CURLOPT_REDIR_PROTOCOLS_STR, protocols);
    curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(curl, CURLOPT_MAXREDIRS, max_redirects);
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(std::max(1, limits.connect_timeout_ms)));
    curl_easy_setopt(curl, CURLOPT_TIMEOUT_MS, static_cast<long>(std::max(1, limits.total_timeout_ms)));
    // Refuses a declared length over the cap before any byte comes; the write
    // callback catches bodies whose length is not declared.
    curl_easy_setopt(curl, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(sink.max_bytes));
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, receive);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &sink);
    if (verb == Verb::Head) curl_easy_setopt(curl, CURLOPT_NOBODY, 1L);

    const CURLcode code = curl_easy_perform(curl);
    curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &result.status);
    result.ok = code == CURLE_OK;
    if (sink.over_cap) result.error = "body larger than " + std::to_string(sink.max_bytes) + " bytes";
    else if (sink.write_failed)
        result.error = std::string("could not write the body: ") + std::strerror(sink.write_errno);
    else if (!result.ok) result.error = error_text[0] ? error_text : curl_easy_strerror(code);
    return result;
}

}  // namespace

CurlHttp::CurlHttp() { init_curl_once(); }

CurlHttp::~CurlHttp() = default;

HttpResult CurlHttp::get(const std::string& url, const HttpLimits& limits) {
    std::string body;
    Sink sink;
    sink.memory = &body;
    HttpResult result = transfer(url, limits, Verb::Get, sink);
    if (result.ok) result.body = std::move(body);
    return result;
}

HttpResult CurlHttp::get_to_file(const std::string& url, const std::string& path, const HttpLimits& limits) {
    FileReplacement file(path);
    if (!file.open()) {
        HttpResult failed;
        failed.error = "could not write beside " + path + ": " + std::strerror(file.error());
        return failed;
    }
    Sink sink;
    sink.file = &file;
    HttpResult result = transfer(url, limits, Verb::Get, sink);
    // Only a whole answer replaces the file; anything else leaves it as it was.
    if (!result.ok || result.status != status_ok) return result;
    if (!file.commit()) {
        result.ok = false;
        result.error = "could not put " + path + " in place: " + std::strerror(file.error());
    }
    return result;
}

HttpResult CurlHttp::head(const std::string& url, const HttpLimits& limits) {
    Sink sink;  // a HEAD answer has no body; headers are not written here
    return transfer(url, limits, Verb::Head, sink);
}

}  // namespace platform
