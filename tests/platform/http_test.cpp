// Transfers through libcurl against a scripted server on 127.0.0.1: status
// codes, redirects and the protocols they may lead to, time-outs, the size cap,
// and the file download's all-or-nothing replacement. Also the fake's refusals.
#include "platform/http.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <set>
#include <string>

#include <gtest/gtest.h>

#include "loopback_server.h"
#include "support/fixture.h"

namespace {

namespace fs = std::filesystem;
using test_support::chunked_response;
using test_support::http_response;
using test_support::LoopbackServer;
using test_support::ScriptedReply;

constexpr std::int64_t cap_bytes = 1000;
const std::string hello_body("hello\0\r\n\xff world", 15);  // bytes that text modes would mangle
const std::string cap_sized_body(cap_bytes, 'c');
const std::string oversized_body(cap_bytes * 5, 'x');

// Generous enough for any loaded machine, but well under the test time-out.
platform::HttpLimits test_limits() {
    platform::HttpLimits limits;
    limits.connect_timeout_ms = 3000;
    limits.total_timeout_ms = 10000;
    limits.max_bytes = cap_bytes;
    return limits;
}

platform::HttpLimits short_limits() {
    platform::HttpLimits limits = test_limits();
    limits.total_timeout_ms = 300;
    return limits;
}

std::vector<ScriptedReply> script() {
    return {
        {"/hello", http_response(200, "OK", hello_body)},
        {"/missing", http_response(404, "Not Found", "not here")},
        {"/moved", http_response(301, "Moved", "", "Location: /hello\r\n")},
        {"/to-ftp", http_response(301, "Moved", "", "Location: ftp://127.0.0.1:{port}/file\r\n")},
        {"/to-file", http_response(302, "Found", "", "Location: file:///etc/passwd\r\n")},
        {"/loop", http_response(301, "Moved", "", "Location: /loop\r\n")},
        {"/silent", ""},
        {"/exact", http_response(200, "OK", cap_sized_body)},
        {"/big-declared", http_response(200, "OK", oversized_body)},
        {"/big-chunked", chunked_response(oversized_body)},
    };
}

struct Case {
    const char* name;
    const char* path;
    platform::HttpLimits limits;
    bool ok;
    long status;              // checked when ok
    std::string body;         // checked when ok
    std::size_t connections;  // how many times the client reached the server
};

std::vector<Case> cases() {
    return {
        {"200 with body", "/hello", test_limits(), true, 200, hello_body, 1},
        {"404 still completes", "/missing", test_limits(), true, 404, "not here", 1},
        {"redirect followed", "/moved", test_limits(), true, 200, hello_body, 2},
        {"redirect to ftp refused", "/to-ftp", test_limits(), false, 0, "", 1},
        {"redirect to file refused", "/to-file", test_limits(), false, 0, "", 1},
        {"endless redirects stop", "/loop", test_limits(), false, 0, "", 6},
        {"silent server times out", "/silent", short_limits(), false, 0, "", 1},
        {"body exactly at the cap", "/exact", test_limits(), true, 200, cap_sized_body, 1},
        {"declared length over the cap", "/big-declared", test_limits(), false, 0, "", 1},
        {"undeclared length over the cap", "/big-chunked", test_limits(), false, 0, "", 1},
    };
}

TEST(CurlHttp, GetIntoMemory) {
    LoopbackServer server(script());
    platform::CurlHttp http;
    for (const auto& c : cases()) {
        SCOPED_TRACE(c.name);
        const std::size_t before = server.requests().size();
        const auto result = http.get(server.url(c.path), c.limits);
        EXPECT_EQ(result.ok, c.ok) << result.error;
        if (c.ok) {
            EXPECT_EQ(result.status, c.status);
            EXPECT_EQ(result.body, c.body);
        } else {
            EXPECT_FALSE(result.error.empty());
        }
        EXPECT_EQ(server.requests().size() - before, c.connections);
    }
}

TEST(CurlHttp, SendsTheUserAgentOfItsLimitsOrItsOwn) {
    const struct {
        std::string given;
        std::string sent_line;
    } rows[] = {
        {"", "\r\nUser-Agent: VimoDuzi\r\n"},
        {"Mozilla/5.0 Gecko/41.0 Firefox/41.0", "\r\nUser-Agent: Mozilla/5.0 Gecko/41.0 Firefox/41.0\r\n"},
    };
    for (const auto& row : rows) {
        LoopbackServer server(script());
        platform::HttpLimits limits = test_limits();
        limits.user_agent = row.given;
        ASSERT_TRUE(platform::CurlHttp().get(server.url("/hello"), limits).ok);
        ASSERT_EQ(server.requests().size(), 1u);
        EXPECT_NE(server.requests()[0].find(row.sent_line), std::string::npos) << server.requests()[0];
    }
}

TEST(CurlHttp, HttpsOnlyRefusesPlainHttpWithoutConnecting) {
    LoopbackServer server(script());
    platform::CurlHttp http;
    platform::HttpLimits limits = test_limits();
    limits.https_only = true;
    EXPECT_FALSE(http.get(server.url("/hello"), limits).ok);
    EXPECT_FALSE(http.head(server.url("/hello"), limits).ok);
    EXPECT_FALSE(http.get_to_file(server.url("/hello"), "/nonexistent/never", limits).ok);
    EXPECT_TRUE(server.requests().empty());
}

TEST(CurlHttp, Head) {
    LoopbackServer server(script());
    platform::CurlHttp http;
    const struct {
        const char* path;
        long status;
    } rows[] = {{"/hello", 200}, {"/missing", 404}, {"/moved", 200}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.path);
        const auto result = http.head(server.url(row.path), test_limits());
        EXPECT_TRUE(result.ok) << result.error;
        EXPECT_EQ(result.status, row.status);
        EXPECT_TRUE(result.body.empty());
    }
    EXPECT_EQ(server.requests().front().rfind("HEAD /hello ", 0), 0u) << server.requests().front();
}

using test::TempFolder;

// The file's bytes; none when it cannot be read.
std::optional<std::string> bytes_of(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(file), {});
}

std::set<std::string> names_in(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.insert(entry.path().filename().string());
    return names;
}

TEST(CurlHttp, GetToFileReplacesOnlyOnCompleteSuccess) {
    LoopbackServer server(script());
    platform::CurlHttp http;
    const std::optional<std::string> earlier_contents[] = {std::nullopt, std::string("old bytes")};
    for (const auto& c : cases()) {
        for (const auto& earlier : earlier_contents) {
            SCOPED_TRACE(std::string(c.name) + (earlier ? ", target present" : ", target absent"));
            TempFolder folder;
            const fs::path target = fs::path(folder.path()) / "library.bin";
            if (earlier) std::ofstream(target, std::ios::binary) << *earlier;

            const auto result = http.get_to_file(server.url(c.path), target.string(), c.limits);

            EXPECT_EQ(result.ok, c.ok) << result.error;
            const bool replaced = c.ok && c.status == 200;
            if (c.ok) {
                EXPECT_EQ(result.status, c.status);
            }
            EXPECT_TRUE(result.body.empty());
            EXPECT_EQ(bytes_of(target), replaced ? std::optional(c.body) : earlier);
            const std::set<std::string> expected_names =
                replaced || earlier ? std::set<std::string>{"library.bin"} : std::set<std::string>{};
            EXPECT_EQ(names_in(folder.path()), expected_names);
        }
    }
}

TEST(CurlHttp, GetToFileInMissingFolderFails) {
    LoopbackServer server(script());
    TempFolder folder;
    const std::string target = folder.path().string() + "/absent/library.bin";
    const auto result = platform::CurlHttp().get_to_file(server.url("/hello"), target, test_limits());
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.error.empty());
    EXPECT_TRUE(server.requests().empty());
    EXPECT_TRUE(names_in(folder.path()).empty());
}

TEST(FakeHttp, AnswersFromItsTableAndRecords) {
    TempFolder folder;
    const std::string target = folder.path().string() + "/got";
    const std::string missing_target = folder.path().string() + "/not-found";
    platform::FakeHttp http;
    http.serve("https://example.test/a", {200, "first", false});
    http.serve("https://example.test/a", {200, "second", false});
    http.serve("https://example.test/404", {404, "nope", false});
    http.serve("https://example.test/down", {200, "", true});
    http.serve("http://example.test/plain", {200, "plain", false});
    http.serve("https://example.test/big", {200, std::string(11, 'b'), false});

    platform::HttpLimits limits;
    limits.max_bytes = 10;
    platform::HttpLimits secure = limits;
    secure.https_only = true;

    const struct {
        const char* url;
        const platform::HttpLimits& limits;
        bool ok;
        long status;
        std::string body;
    } rows[] = {
        {"https://example.test/a", limits, true, 200, "second"},
        {"https://example.test/404", limits, true, 404, "nope"},
        {"https://example.test/down", limits, false, 0, ""},
        {"https://example.test/unknown", limits, false, 0, ""},
        {"http://example.test/plain", limits, true, 200, "plain"},
        {"http://example.test/plain", secure, false, 0, ""},
        {"https://example.test/big", limits, false, 0, ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.url);
        const auto result = http.get(row.url, row.limits);
        EXPECT_EQ(result.ok, row.ok);
        EXPECT_EQ(result.status, row.status);
        EXPECT_EQ(result.body, row.body);
    }

    EXPECT_TRUE(http.get_to_file("https://example.test/a", target, limits).ok);
    EXPECT_EQ(bytes_of(target), "second");
    const auto not_found = http.get_to_file("https://example.test/404", missing_target, limits);
    EXPECT_TRUE(not_found.ok);
    EXPECT_EQ(not_found.status, 404);
    EXPECT_FALSE(fs::exists(missing_target));
    EXPECT_FALSE(http.get_to_file("https://example.test/down", missing_target, limits).ok);
    EXPECT_FALSE(fs::exists(missing_target));
    EXPECT_EQ(http.head("https://example.test/big", limits).status, 200);

    const auto& requests = http.requests();
    ASSERT_EQ(requests.size(), std::size(rows) + 4);
    EXPECT_EQ(requests[std::size(rows)].method, platform::FakeHttp::Method::GetToFile);
    EXPECT_EQ(requests[std::size(rows)].path, target);
    EXPECT_EQ(requests.back().method, platform::FakeHttp::Method::Head);
    EXPECT_EQ(requests.back().url, "https://example.test/big");
    EXPECT_EQ(requests.back().user_agent, "");

    platform::HttpLimits browser_like = limits;
    browser_like.user_agent = "Mozilla/5.0";
    static_cast<void>(http.get("https://example.test/a", browser_like));
    EXPECT_EQ(http.requests().back().user_agent, "Mozilla/5.0");
}

}  // namespace
