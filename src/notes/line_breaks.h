// Line breaks between files and editors: the editor gadgets hold lines
// joined by LF, while notes are written with CR LF and a viewed file is
// written back with the breaks it had.
#pragma once

#include <string>
#include <string_view>

namespace notes {

// `text` with each CR LF made LF; a lone CR or LF stays.
std::string lf_line_breaks(std::string_view text);
// `text` with each LF that has no CR before it made CR LF.
std::string crlf_line_breaks(std::string_view text);
// True when the first LF of `text` has a CR before it; false without any LF.
bool uses_crlf(std::string_view text);

}  // namespace notes
