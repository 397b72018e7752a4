// What the update request tells the server about the user's system: the
// language name (key L) and the system version code (key W).
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/environment.h"

namespace web {

// The locale that names the language of messages, as the C library chooses
// it: the first of LC_ALL, LC_MESSAGES and LANG that is set and not empty;
// "" when none is. (LANGUAGE, a GNU priority list, is not consulted.)
std::string messages_locale(const std::optional<std::string>& lc_all, const std::optional<std::string>& lc_messages,
                            const std::optional<std::string>& lang);

// The language and country of `locale` ("language[_COUNTRY][.codeset][@modifier]")
// written in that language: "fr_FR.UTF-8" gives "Français (France)", "en_US"
// "English (United States)". From a table of common languages and countries:
// - a known language with a country the table does not hold gives the
//   language alone ("fr_CI" gives "Français");
// - an unknown but well-formed language gives its tag ("sw_KE" gives "sw-KE",
//   "sw" gives "sw");
// - "C", "POSIX", "" and anything malformed give "English", the language the
//   system then speaks.
// The result is UTF-8 and never holds text from `locale` beyond ASCII letters.
std::string language_name(std::string_view locale);

// The language name for the environment's locale variables.
std::string language_name(platform::Environment& environment);

// The kernel release ("6.18.2-arch1", "6.1.0-18-amd64") as major × 100 +
// minor (618, 601). 0 when the release does not start with a major of 1 to 3
// digits optionally followed by "." and a minor of 1 or 2 digits (a missing
// minor counts as 0).
int system_version_code(std::string_view kernel_release);

// The code of the running kernel, from uname(); 0 when it cannot be read.
int system_version_code();

}  // namespace web
