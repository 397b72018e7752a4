// The About window: the program's name and version, the credits, the maker's
// web and contact addresses, the licences page, the toolkit's credit and the
// update check; and the e-mail to the maker.
#pragma once

#include <string>

#include "core/state.h"

namespace web {

// The subject of every e-mail to the maker.
inline constexpr std::string_view mail_subject = "[Vimo Duzi]";

// Opens window 13 (borderless, 600 x 210, centred, white) anew with its
// controls, the banner, the rule and the two outlines.
void show_about(const core::State& s);
// The OK button.
void close_about();

// The credits paragraph in the language of `Lng`: name, edition, version,
// architecture and build date, then what the program is and who wrote it.
std::string about_text(const core::State& s);

// "mailto:" + the contact address + "?Subject=" + mail_subject, URL-encoded.
std::string mail_address(const core::State& s);

// The links: the web address in the browser; a new e-mail to the maker; the
// licences page installed with the help of the language (English for any
// language but French; the missing-help warning when it is not installed);
// the toolkit's web site.
void open_web_site(const core::State& s);
void write_to_maker(const core::State& s);
void open_licences(const core::State& s);
void open_toolkit_site(const core::State& s);

}  // namespace web
