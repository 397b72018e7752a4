// Canned HTTP answers for tests. The limits' size cap and https_only are
// honoured so code under test sees the same refusals as with the real one.
#include <fstream>
#include <limits>

#include "platform/http.h"

namespace platform {

namespace {

constexpr long status_ok = 200;

HttpResult answer(const FakeHttp::Response* response, const std::string& url, const HttpLimits& limits) {
    HttpResult result;
    if (!response) {
        result.error = "no canned response for " + url;
    } else if (limits.https_only && url.rfind("https://", 0) != 0) {
        result.error = "refused: not https";
    } else if (response->fail) {
        result.error = "canned failure";
    } else if (static_cast<std::int64_t>(response->body.size()) > limits.max_bytes) {
        result.error = "body larger than " + std::to_string(limits.max_bytes) + " bytes";
    } else {
        result.ok = true;
        result.status = response->status;
    }
    return result;
}

}  // namespace

const FakeHttp::Response* FakeHttp::find(const std::string& url) const {
    // The latest serve() of an address wins.
    for (auto it = responses_.rbegin(); it != responses_.rend(); ++it)
        if (it->first == url) return &it->second;
    return nullptr;
}

HttpResult FakeHttp::get(const std::string& url, const HttpLimits& limits) {
    requests_.push_back({Method::Get, url, {}, limits.user_agent});
    const Response* response = find(url);
    HttpResult result = answer(response, url, limits);
    if (result.ok) result.body = response->body;
    return result;
}

HttpResult FakeHttp::get_to_file(const std::string& url, const std::string& path, const HttpLimits& limits) {
    requests_.push_back({Method::GetToFile, url, path, limits.user_agent});
    const Response* response = find(url);
    HttpResult result = answer(response, url, limits);
    if (result.ok && result.status == status_ok) {
        std::ofstream file(path, std::ios::binary | std::ios::trunc);
        file.write(response->body.data(), static_cast<std::streamsize>(response->body.size()));
        if (!file.flush()) {
            result.ok = false;
            result.error = "could not write " + path;
        }
    }
    return result;
}

HttpResult FakeHttp::head(const std::string& url, const HttpLimits& limits) {
    requests_.push_back({Method::Head, url, {}, limits.user_agent});
    HttpLimits no_body = limits;
    no_body.max_bytes = std::numeric_limits<std::int64_t>::max();  // a HEAD answer carries no body to cap
    return answer(find(url), url, no_body);
}

}  // namespace platform
