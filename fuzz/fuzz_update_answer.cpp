// Fuzz target for the update check's answer: any bytes must read without a
// crash, and what reads as a version line must be one.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "web/locale_info.h"
#include "web/update_check.h"

namespace {

void check(bool condition) {
    if (!condition) std::abort();
}

bool is_utf8_without_controls(std::string_view s) {
    for (std::size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        if (c < 0x20 || c == 0x7F) return false;
        std::size_t length = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : (c >> 3) == 0x1E ? 4 : 0;
        if (length == 0 || i + length > s.size()) return false;
        for (std::size_t k = 1; k < length; ++k)
            if ((static_cast<unsigned char>(s[i + k]) >> 6) != 0x2) return false;
        i += length;
    }
    return true;
}

const web::BuildIdentity own{"Vimo_Desk", "201809140928", "3.16.17"};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string body(reinterpret_cast<const char*>(data), size);

    const web::ParsedAnswer parsed = web::parse_answer(body);
    if (parsed.build) {
        check(web::stamp_value(parsed.build->stamp).has_value());
        check(body.compare(10, 12, parsed.build->stamp) == 0);
        check(!parsed.build->version.empty());
        check(is_utf8_without_controls(parsed.build->version));
    } else {
        check(!parsed.problem.empty());
    }

    const web::CheckOutcome outcome = web::decide({true, 200, body, {}}, own);
    if (outcome.verdict == web::Verdict::Failed) {
        check(!parsed.build || body.size() > web::answer_cap_bytes);
    } else {
        check(parsed.build.has_value());
        const bool newer = *web::stamp_value(outcome.published.stamp) > *web::stamp_value(own.build_stamp);
        check(newer == (outcome.verdict == web::Verdict::Newer));
    }
    const web::MessageBoxText box = web::outcome_box("Fr", own, outcome);
    check(!box.title.empty() && !box.text.empty());

    // The same bytes as a locale, a kernel release and an address to encode.
    check(is_utf8_without_controls(web::language_name(body)));
    check(web::system_version_code(body) >= 0);
    for (const char c : web::url_encode(body)) {
        const auto u = static_cast<unsigned char>(c);
        check(u > 0x20 && u < 0x7F && std::string_view("\"<>\\^`{|}").find(c) == std::string_view::npos);
    }
    return 0;
}
