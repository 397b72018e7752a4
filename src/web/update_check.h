// The update check without its windows: the request address, the reading of
// the server's answer, the comparison of build stamps, and the message box the
// caller shows. The HTTP transfer itself is the platform's.
//
// The server publishes the first line of the developer version file, a
// version line: base name and a space (10 bytes), the 12-digit build stamp
// "%yyyy%mm%dd%hh%ii", a space, and the version to the end of the line, in
// the 8-bit code page (Windows-1252).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/environment.h"
#include "platform/http.h"

namespace web {

inline constexpr std::string_view built_in_web_base = "https://vimo-duzi.example";
// Names another base address (tests, self-hosting) when set and not empty.
inline constexpr std::string_view web_base_variable = "VIMO_DUZI_WEB_BASE";
// The user agent the request is sent with.
inline constexpr std::string_view user_agent = "Mozilla/5.0 Gecko/41.0 Firefox/41.0";

inline constexpr int connect_timeout_ms = 5000;
inline constexpr int total_timeout_ms = 10000;
inline constexpr std::int64_t answer_cap_bytes = 4096;

inline constexpr std::size_t stamp_length = 12;

// Who this build is.
struct BuildIdentity {
    std::string base_name;    // "Vimo_Desk"
    std::string build_stamp;  // "%yyyy%mm%dd%hh%ii", 12 digits
    std::string version;      // "3.16.17"
};

// The published build an answer names.
struct PublishedBuild {
    std::string stamp;    // 12 ASCII digits
    std::string version;  // UTF-8, not empty, no control characters
};

// --- The request -----------------------------------------------------------

// The base address: `variable` when it is set and not empty, else the
// built-in one; without trailing slashes either way.
std::string web_base(const std::optional<std::string>& variable);
// The same, reading $VIMO_DUZI_WEB_BASE from `environment`.
std::string web_base(platform::Environment& environment);

// base + "/Vimo_Desk_Version.php?ID=" + stamp + "&V=" + version + "&L=" +
// language name + "&W=" + system version code, URL-encoded as a whole. A
// value's own "%", "&", "=", "#", "+" and "?" are escaped first, so no value
// can add or cut a key.
std::string request_address(std::string_view base, const BuildIdentity& build, std::string_view language_name,
                            int system_version_code);

// base + "/download.php", URL-encoded: opened in the browser when the user accepts a newer
// build, after which the program ends without saving the data file.
std::string download_address(std::string_view base);

// Escapes as %XX (upper-case hexadecimal) every byte that may not stand in a
// URL: controls, space, bytes from 0x7F up (so UTF-8 letters become the
// escapes of their bytes), and " < > \ ^ ` { | }. Letters, digits, "-._~",
// the reserved characters ":/?#[]@!$&'()*+,;=" and "%" stay.
std::string url_encode(std::string_view address);

// The limits of the request: 5 s to connect, 10 s in all, answers up to
// 4096 bytes, redirects to http and https only, sent with `user_agent`.
platform::HttpLimits request_limits();

// --- The answer -------------------------------------------------------------

// Why a check could not tell whether a newer build exists.
enum class FailureKind {
    NoAnswer,  // the transfer failed: no network, refused, time-out, size cap
    Status,    // the server answered with another status than 200
    Empty,     // status 200 with an empty body
    TooLarge,  // a body over answer_cap_bytes
    Garbled,   // the first line is not a version line
    OwnStamp,  // this build's own stamp is not 12 digits (a build fault)
};

struct Failure {
    FailureKind kind = FailureKind::NoAnswer;
    long status = 0;     // Status only
    std::string detail;  // NoAnswer: the transfer's error text, may be empty
};

// A version line read from an answer, or why it is not one.
struct ParsedAnswer {
    std::optional<PublishedBuild> build;  // set when the answer reads
    std::string problem;                  // otherwise: what is wrong, for tests and notes
};

// Reads the first line (ended by LF, CR LF, CR or the end of the body).
// Garbled unless the stamp at offset 10 is 12 ASCII digits, offset 22 holds a
// space, and the version from offset 23 is 1 to 64 bytes without control
// characters. The version is decoded from Windows-1252 to UTF-8.
[[nodiscard]] ParsedAnswer parse_answer(std::string_view body);

// The value of a 12-digit stamp; nothing for any other text.
[[nodiscard]] std::optional<std::int64_t> stamp_value(std::string_view stamp);

enum class Verdict { Newer, UpToDate, Failed };

struct CheckOutcome {
    Verdict verdict = Verdict::Failed;
    PublishedBuild published;  // Newer and UpToDate
    Failure failure;           // Failed
};

// What the transfer's result means for `own`: a failed transfer, a status
// other than 200, an empty, oversized or garbled body are failures, never
// "up to date". Newer exactly when the published stamp's value is greater.
[[nodiscard]] CheckOutcome decide(const platform::HttpResult& result, const BuildIdentity& own);

// Sends the request through `http` with request_limits() and decides.
[[nodiscard]] CheckOutcome check_for_update(platform::Http& http, std::string_view base, const BuildIdentity& own,
                                            std::string_view language_name, int system_version_code);

// --- What the user sees --------------------------------------------------------

enum class BoxIcon { Information, Error };
enum class BoxButtons { Ok, YesNo };

struct MessageBoxText {
    std::string title;
    std::string text;
    BoxIcon icon = BoxIcon::Information;
    BoxButtons buttons = BoxButtons::Ok;
};

// The box for `outcome` in the language `lng` names (French for "Fr",
// English for any other value). Newer: Yes/No with the information icon (Yes
// opens download_address()). Up to date: information icon. Failed: error icon.
MessageBoxText outcome_box(std::string_view lng, const BuildIdentity& own, const CheckOutcome& outcome);

// The reason text of a failure, in the language `lng` names.
std::string failure_reason(std::string_view lng, const Failure& failure);

// --- The developer version file -----------------------------------------------

// base name + " " + build stamp + " " + version.
std::string version_line(const BuildIdentity& build);

// "Vimo_Desk_Version.php": the version line, then the script that records the
// request, every line ended by CR LF. The server sends its first line as the
// answer.
std::string developer_version_file(const BuildIdentity& build);

}  // namespace web
