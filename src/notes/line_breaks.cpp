// Line breaks; see line_breaks.h.
#include "notes/line_breaks.h"

namespace notes {

std::string lf_line_breaks(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        out += text[i];
    }
    return out;
}

std::string crlf_line_breaks(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) out += '\r';
        out += text[i];
    }
    return out;
}

bool uses_crlf(std::string_view text) {
    const auto lf = text.find('\n');
    return lf != std::string_view::npos && lf > 0 && text[lf - 1] == '\r';
}

}  // namespace notes
