#include "web/update_check.h"

#include <array>

#include "core/unicode.h"
#include "web/texts.h"

namespace web {

namespace {

constexpr long status_ok = 200;

// Layout of a version line.
constexpr std::size_t stamp_offset = 10;
constexpr std::size_t stamp_end = stamp_offset + stamp_length;  // the space before the version
constexpr std::size_t version_offset = stamp_end + 1;
constexpr std::size_t version_max_bytes = 64;

constexpr std::string_view request_path = "/Vimo_Desk_Version.php";
constexpr std::string_view download_path = "/download.php";

bool is_digit(char c) { return c >= '0' && c <= '9'; }

bool is_ascii_letter_or_digit(unsigned char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || is_digit(static_cast<char>(c));
}

// Characters that may stand in an address as they are.
bool may_stand_in_url(unsigned char c) {
    if (is_ascii_letter_or_digit(c)) return true;
    constexpr std::string_view kept = "-._~:/?#[]@!$&'()*+,;=%";
    return kept.find(static_cast<char>(c)) != std::string_view::npos;
}

void append_escape(std::string& out, unsigned char c) {
    constexpr std::string_view hex = "0123456789ABCDEF";
    out += '%';
    out += hex[c >> 4];
    out += hex[c & 0x0F];
}

// Escapes the characters that would change the meaning of a query value.
std::string escape_value(std::string_view value) {
    constexpr std::string_view separators = "%&=#+?";
    std::string out;
    for (const char c : value) {
        if (separators.find(c) != std::string_view::npos) append_escape(out, static_cast<unsigned char>(c));
        else out += c;
    }
    return out;
}

// The text of Windows-1252 `bytes` in UTF-8; nothing when it holds a control
// character or a byte the code page leaves undefined.
std::optional<std::string> decode_version(std::string_view bytes) {
    std::string out;
    for (const char ch : bytes) {
        const auto byte = static_cast<unsigned char>(ch);
        if (byte < 0x20 || byte == 0x7F || !core::windows1252_defines(byte)) return std::nullopt;
        core::append_utf8(out, core::windows1252_code_point(byte));
    }
    return out;
}

ParsedAnswer problem(std::string text) { return {std::nullopt, std::move(text)}; }

CheckOutcome failed(FailureKind kind, long status = 0, std::string detail = {}) {
    CheckOutcome outcome;
    outcome.verdict = Verdict::Failed;
    outcome.failure = {kind, status, std::move(detail)};
    return outcome;
}

std::string concat(std::initializer_list<std::string_view> parts) {
    std::string out;
    for (const auto part : parts) out += part;
    return out;
}

}  // namespace

std::string web_base(const std::optional<std::string>& variable) {
    std::string base = variable && !variable->empty() ? *variable : std::string(built_in_web_base);
    while (!base.empty() && base.back() == '/') base.pop_back();
    return base;
}

std::string web_base(platform::Environment& environment) {
    return web_base(environment.variable(std::string(web_base_variable)));
}

std::string url_encode(std::string_view address) {
    std::string out;
    out.reserve(address.size());
    for (const char ch : address) {
        const auto c = static_cast<unsigned char>(ch);
        if (may_stand_in_url(c)) out += ch;
        else append_escape(out, c);
    }
    return out;
}

std::string request_address(std::string_view base, const BuildIdentity& build, std::string_view language_name,
                            int system_version_code) {
    const std::string address =
        concat({base, request_path, "?ID=", escape_value(build.build_stamp), "&V=", escape_value(build.version),
                "&L=", escape_value(language_name), "&W=", std::to_string(system_version_code)});
    return url_encode(address);
}

std::string download_address(std::string_view base) { return url_encode(concat({base, download_path})); }

platform::HttpLimits request_limits() {
    platform::HttpLimits limits;
    limits.connect_timeout_ms = connect_timeout_ms;
    limits.total_timeout_ms = total_timeout_ms;
    limits.max_bytes = answer_cap_bytes;
    limits.https_only = false;  // the base may be plain http; redirects stay on http and https
    limits.user_agent = std::string(user_agent);
    return limits;
}

std::optional<std::int64_t> stamp_value(std::string_view stamp) {
    if (stamp.size() != stamp_length) return std::nullopt;
    std::int64_t value = 0;
    for (const char c : stamp) {
        if (!is_digit(c)) return std::nullopt;
        value = value * 10 + (c - '0');  // 12 digits stay far below 2^63
    }
    return value;
}

ParsedAnswer parse_answer(std::string_view body) {
    const std::string_view line = body.substr(0, body.find_first_of("\r\n"));
    if (line.size() <= version_offset)
        return problem("first line of " + std::to_string(line.size()) + " bytes is too short");
    const std::string_view stamp = line.substr(stamp_offset, stamp_length);
    if (!stamp_value(stamp)) return problem("the stamp at offset 10 is not 12 digits");
    if (line[stamp_end] != ' ') return problem("no space after the stamp");
    const std::string_view raw_version = line.substr(version_offset);
    if (raw_version.size() > version_max_bytes) return problem("the version is longer than 64 bytes");
    auto version = decode_version(raw_version);
    if (!version) return problem("the version holds a control character");
    return {PublishedBuild{std::string(stamp), std::move(*version)}, {}};
}

CheckOutcome decide(const platform::HttpResult& result, const BuildIdentity& own) {
    if (!result.ok) return failed(FailureKind::NoAnswer, 0, result.error);
    if (result.status != status_ok) return failed(FailureKind::Status, result.status);
    if (result.body.empty()) return failed(FailureKind::Empty);
    if (static_cast<std::int64_t>(result.body.size()) > answer_cap_bytes) return failed(FailureKind::TooLarge);
    ParsedAnswer parsed = parse_answer(result.body);
    if (!parsed.build) return failed(FailureKind::Garbled);
    // The stamp is fixed at build time; a bad one is a build fault, and it
    // must not pass for "up to date" either.
    const auto own_value = stamp_value(own.build_stamp);
    if (!own_value) return failed(FailureKind::OwnStamp);

    CheckOutcome outcome;
    outcome.verdict = *stamp_value(parsed.build->stamp) > *own_value ? Verdict::Newer : Verdict::UpToDate;
    outcome.published = std::move(*parsed.build);
    return outcome;
}

CheckOutcome check_for_update(platform::Http& http, std::string_view base, const BuildIdentity& own,
                              std::string_view language_name, int system_version_code) {
    const std::string address = request_address(base, own, language_name, system_version_code);
    return decide(http.get(address, request_limits()), own);
}

std::string failure_reason(std::string_view lng, const Failure& failure) {
    switch (failure.kind) {
    case FailureKind::NoAnswer: {
        std::string reason = texts::no_answer.in(lng);
        if (!failure.detail.empty()) reason += " (" + failure.detail + ")";
        return reason;
    }
    case FailureKind::Status: return texts::status.in(lng) + std::to_string(failure.status);
    case FailureKind::Empty: return texts::empty.in(lng);
    case FailureKind::TooLarge: return texts::too_large.in(lng);
    case FailureKind::Garbled: return texts::garbled.in(lng);
    case FailureKind::OwnStamp: return texts::own_stamp.in(lng);
    }
    return {};
}

MessageBoxText outcome_box(std::string_view lng, const BuildIdentity& own, const CheckOutcome& outcome) {
    switch (outcome.verdict) {
    case Verdict::Newer: {
        const PublishedBuild& p = outcome.published;
        std::string text = texts::newer_1.in(lng) + p.stamp + texts::newer_2.in(lng) + p.version +
                           texts::newer_3.in(lng) + own.build_stamp + texts::newer_4.in(lng) + own.version +
                           texts::newer_5.in(lng);
        return {texts::newer_title.in(lng), std::move(text), BoxIcon::Information, BoxButtons::YesNo};
    }
    case Verdict::UpToDate:
        return {texts::up_to_date_title.in(lng), texts::up_to_date.in(lng), BoxIcon::Information, BoxButtons::Ok};
    case Verdict::Failed:
        return {texts::failed_title.in(lng), texts::failed.in(lng) + failure_reason(lng, outcome.failure),
                BoxIcon::Error, BoxButtons::Ok};
    }
    return {};
}

std::string version_line(const BuildIdentity& build) {
    return concat({build.base_name, " ", build.build_stamp, " ", build.version});
}

std::string developer_version_file(const BuildIdentity& build) {
    return version_line(build) +
           "\r\n<?php\r\nini_set(\"display_errors\",0);error_reporting(0);\r\nrequire \"stats.php\";\r\n?>\r\n";
}

}  // namespace web
