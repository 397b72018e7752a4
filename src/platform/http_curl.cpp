// HTTP over libcurl, opened at the first transfer. Each call is one blocking
// transfer (or one batch of them at once) with the limits of HttpLimits; no
// handle or connection is kept between calls.
#include <algorithm>
#include <cassert>
#include <chrono>
#include <cstring>
#include <memory>

// The type-checking macros would hide the functions this file takes the type of.
#define CURL_DISABLE_TYPECHECK
#include <curl/curl.h>

#include "platform/files.h"
#include "platform/http.h"
#include "platform/shared_library.h"

namespace platform {

namespace {

constexpr const char* default_user_agent = "VimoDuzi";
constexpr long max_redirects = 5;
constexpr long status_ok = 200;

struct Curl {
    decltype(&curl_global_init) global_init;
    decltype(&curl_easy_init) easy_init;
    decltype(&curl_easy_setopt) easy_setopt;
    decltype(&curl_easy_perform) easy_perform;
    decltype(&curl_easy_getinfo) easy_getinfo;
    decltype(&curl_easy_cleanup) easy_cleanup;
    decltype(&curl_easy_strerror) easy_strerror;
    decltype(&curl_multi_init) multi_init;
    decltype(&curl_multi_add_handle) multi_add_handle;
    decltype(&curl_multi_remove_handle) multi_remove_handle;
    decltype(&curl_multi_perform) multi_perform;
    decltype(&curl_multi_poll) multi_poll;
    decltype(&curl_multi_info_read) multi_info_read;
    decltype(&curl_multi_cleanup) multi_cleanup;
};

// libcurl, loaded and its global state set up once for the whole process and
// never torn down; null when it cannot be loaded.
const Curl* curl() {
    static const Curl* const api = []() -> const Curl* {
        static Curl c;
        void* library = open_library({"libcurl.so.4", "libcurl-gnutls.so.4"});
        const bool complete =
            bind(library, "curl_global_init", c.global_init) && bind(library, "curl_easy_init", c.easy_init) &&
            bind(library, "curl_easy_setopt", c.easy_setopt) && bind(library, "curl_easy_perform", c.easy_perform) &&
            bind(library, "curl_easy_getinfo", c.easy_getinfo) && bind(library, "curl_easy_cleanup", c.easy_cleanup) &&
            bind(library, "curl_easy_strerror", c.easy_strerror) && bind(library, "curl_multi_init", c.multi_init) &&
            bind(library, "curl_multi_add_handle", c.multi_add_handle) &&
            bind(library, "curl_multi_remove_handle", c.multi_remove_handle) &&
            bind(library, "curl_multi_perform", c.multi_perform) && bind(library, "curl_multi_poll", c.multi_poll) &&
            bind(library, "curl_multi_info_read", c.multi_info_read) &&
            bind(library, "curl_multi_cleanup", c.multi_cleanup);
        if (!complete || c.global_init(CURL_GLOBAL_DEFAULT) != CURLE_OK) return nullptr;
        return &c;
    }();
    return api;
}

// Where the body goes while it arrives, and how much of it came.
struct Sink {
    std::int64_t max_bytes = 0;
    std::int64_t received = 0;
    std::string* memory = nullptr;  // one of memory or file, or neither for a HEAD
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

// One transfer being made: its handle, its sink and the text of its error.
struct Transfer {
    explicit Transfer(const Curl& c) : api(c), handle(c.easy_init()) {}
    ~Transfer() {
        if (handle) api.easy_cleanup(handle);
    }
    Transfer(const Transfer&) = delete;
    Transfer& operator=(const Transfer&) = delete;

    const Curl& api;
    CURL* handle;
    Sink sink;
    std::string body;
    char error_text[CURL_ERROR_SIZE] = {};
};

void configure(Transfer& t, const std::string& url, const HttpLimits& limits, bool head) {
    assert(limits.connect_timeout_ms > 0 && limits.total_timeout_ms > 0 && limits.max_bytes > 0 &&
           "Every transfer needs positive time-outs and size cap; libcurl reads 0 as unlimited.");
    const Curl& c = t.api;
    CURL* h = t.handle;
    const char* protocols = limits.https_only ? "https" : "http,https";
    const std::string& agent = limits.user_agent.empty() ? default_user_agent : limits.user_agent;
    t.sink.max_bytes = std::max<std::int64_t>(1, limits.max_bytes);
    c.easy_setopt(h, CURLOPT_URL, url.c_str());
    c.easy_setopt(h, CURLOPT_ERRORBUFFER, t.error_text);
    c.easy_setopt(h, CURLOPT_NOSIGNAL, 1L);
    c.easy_setopt(h, CURLOPT_USERAGENT, agent.c_str());  // copied by libcurl
    c.easy_setopt(h, CURLOPT_PROTOCOLS_STR, protocols);
    c.easy_setopt(h, CURLOPT_REDIR_PROTOCOLS_STR, protocols);
    c.easy_setopt(h, CURLOPT_FOLLOWLOCATION, 1L);
    c.easy_setopt(h, CURLOPT_MAXREDIRS, max_redirects);
    c.easy_setopt(h, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(std::max(1, limits.connect_timeout_ms)));
    c.easy_setopt(h, CURLOPT_TIMEOUT_MS, static_cast<long>(std::max(1, limits.total_timeout_ms)));
    // Refuses a declared length over the cap before any byte comes; the write
    // callback catches bodies whose length is not declared.
    c.easy_setopt(h, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(t.sink.max_bytes));
    c.easy_setopt(h, CURLOPT_WRITEFUNCTION, receive);
    c.easy_setopt(h, CURLOPT_WRITEDATA, &t.sink);
    if (head) c.easy_setopt(h, CURLOPT_NOBODY, 1L);
}

HttpResult finish(Transfer& t, CURLcode code) {
    HttpResult result;
    t.api.easy_getinfo(t.handle, CURLINFO_RESPONSE_CODE, &result.status);
    result.ok = code == CURLE_OK;
    if (t.sink.over_cap)
        result.error = "body larger than " + std::to_string(t.sink.max_bytes) + " bytes";
    else if (t.sink.write_failed)
        result.error = std::string("could not write the body: ") + std::strerror(t.sink.write_errno);
    else if (!result.ok)
        result.error = t.error_text[0] ? t.error_text : t.api.easy_strerror(code);
    if (result.ok) result.body = std::move(t.body);
    return result;
}

HttpResult unavailable() {
    HttpResult result;
    result.error = "libcurl could not be loaded";
    return result;
}

HttpResult perform(const std::string& url, const HttpLimits& limits, bool head, FileReplacement* file = nullptr) {
    const Curl* c = curl();
    if (!c) return unavailable();
    Transfer t(*c);
    if (!t.handle) return unavailable();
    configure(t, url, limits, head);
    if (file) t.sink.file = file;
    else if (!head) t.sink.memory = &t.body;
    return finish(t, c->easy_perform(t.handle));
}

}  // namespace

CurlHttp::CurlHttp() = default;

CurlHttp::~CurlHttp() = default;

HttpResult CurlHttp::get(const std::string& url, const HttpLimits& limits) { return perform(url, limits, false); }

HttpResult CurlHttp::head(const std::string& url, const HttpLimits& limits) { return perform(url, limits, true); }

HttpResult CurlHttp::get_to_file(const std::string& url, const std::string& path, const HttpLimits& limits) {
    FileReplacement file(path);
    if (!file.open()) {
        HttpResult failed;
        failed.error = "could not write beside " + path + ": " + std::strerror(file.error());
        return failed;
    }
    HttpResult result = perform(url, limits, false, &file);
    // Only a whole answer replaces the file; anything else leaves it as it was.
    if (!result.ok || result.status != status_ok) return result;
    if (!file.commit()) {
        result.ok = false;
        result.error = "could not put " + path + " in place: " + std::strerror(file.error());
    }
    return result;
}

std::vector<HttpResult> CurlHttp::perform_all(const std::vector<HttpRequest>& requests, const HttpLimits& limits) {
    std::vector<HttpResult> results(requests.size());
    const Curl* c = curl();
    CURLM* multi = c ? c->multi_init() : nullptr;
    if (!multi) {
        std::fill(results.begin(), results.end(), unavailable());
        return results;
    }
    std::vector<std::unique_ptr<Transfer>> transfers;
    for (const HttpRequest& r : requests) {
        auto t = std::make_unique<Transfer>(*c);
        if (t->handle) {
            const bool head = r.method == HttpRequest::Method::Head;
            configure(*t, r.url, limits, head);
            if (!head) t->sink.memory = &t->body;
            c->multi_add_handle(multi, t->handle);
        }
        transfers.push_back(std::move(t));
    }
    // Every transfer also has the limits' own time-outs; the deadline bounds
    // the whole batch in case libcurl itself should not return.
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + std::chrono::milliseconds(limits.total_timeout_ms);
    int running = 0;
    do {
        c->multi_perform(multi, &running);
        int queued = 0;
        while (CURLMsg* message = c->multi_info_read(multi, &queued)) {
            if (message->msg != CURLMSG_DONE) continue;
            for (std::size_t i = 0; i < transfers.size(); ++i) {
                if (transfers[i]->handle != message->easy_handle) continue;
                results[i] = finish(*transfers[i], message->data.result);
                c->multi_remove_handle(multi, transfers[i]->handle);
            }
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (running == 0 || left <= 0) break;
        c->multi_poll(multi, nullptr, 0, int(std::min<long long>(left, 100)), nullptr);
    } while (true);
    for (std::size_t i = 0; i < transfers.size(); ++i) {
        if (!transfers[i]->handle) results[i] = unavailable();
        else if (!results[i].ok && results[i].error.empty()) results[i].error = "no answer within the time allowed";
        if (transfers[i]->handle) c->multi_remove_handle(multi, transfers[i]->handle);
    }
    c->multi_cleanup(multi);
    return results;
}

}  // namespace platform
