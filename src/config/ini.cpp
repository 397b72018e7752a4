#include "config/ini.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "core/unicode.h"

namespace config {

namespace {

constexpr std::string_view utf8_mark = "\xEF\xBB\xBF";
constexpr std::string_view line_end = "\r\n";

bool is_blank(char c) { return c == ' ' || c == '\t'; }

char lower(char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; }

// Appends the line `line` (no line end, leading blanks already skipped) to `doc`.
void read_line(IniDoc& doc, std::string_view line) {
    IniGroup& group = doc.groups.back();
    if (line.front() == ';') {
        line.remove_prefix(1);
        if (!line.empty() && line.front() == ' ') line.remove_prefix(1);
        group.lines.push_back({IniLine::Kind::Comment, {}, std::string(line)});
        return;
    }
    if (line.front() == '[') {
        line.remove_prefix(1);
        doc.groups.push_back({std::string(line.substr(0, line.find(']'))), {}});
        return;
    }
    const auto eq = line.find('=');
    if (eq == std::string_view::npos) {
        // Never written by the program; kept as it stands so it survives a rewrite.
        group.lines.push_back({IniLine::Kind::Raw, std::string(line), {}});
        return;
    }
    std::string_view key = line.substr(0, eq);
    while (!key.empty() && is_blank(key.back())) key.remove_suffix(1);
    std::string_view value = line.substr(eq + 1);
    while (!value.empty() && is_blank(value.front())) value.remove_prefix(1);
    group.lines.push_back({IniLine::Kind::Key, std::string(key), std::string(value)});
}

}  // namespace

bool same_name(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (lower(a[i]) != lower(b[i])) return false;
    return true;
}

std::string_view trim_blanks(std::string_view text) {
    while (!text.empty() && is_blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && is_blank(text.back())) text.remove_suffix(1);
    return text;
}

IniDoc ini_read(std::string_view bytes) {
    IniDoc doc;
    if (bytes.empty()) {
        doc.utf8_mark = false;
        return doc;
    }
    std::string converted;
    if (bytes.starts_with(utf8_mark)) {
        bytes.remove_prefix(utf8_mark.size());
    } else if (!core::is_valid_utf8(bytes)) {
        converted = core::latin1_to_utf8(bytes);
        bytes = converted;
    }
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        std::size_t end = bytes.find_first_of("\r\n", pos);
        if (end == std::string_view::npos) end = bytes.size();
        std::string_view line = bytes.substr(pos, end - pos);
        pos = end;
        if (pos < bytes.size())  // CR LF, CR or LF
            pos += (bytes[pos] == '\r' && pos + 1 < bytes.size() && bytes[pos + 1] == '\n') ? 2 : 1;
        while (!line.empty() && is_blank(line.front())) line.remove_prefix(1);
        if (!line.empty()) read_line(doc, line);
    }
    return doc;
}

std::string ini_write(const IniDoc& doc) {
    std::size_t size = 8;
    for (const IniGroup& g : doc.groups) {
        size += g.name.size() + 4;
        for (const IniLine& l : g.lines) size += l.key.size() + l.value.size() + 5;
    }
    std::string out;
    out.reserve(size);
    if (doc.utf8_mark) {
        out += utf8_mark;
        out += line_end;
    }
    bool first = true;
    for (const IniGroup& g : doc.groups) {
        if (!first) {
            out += '[';
            out += g.name;
            out += ']';
            out += line_end;
        }
        first = false;
        for (const IniLine& l : g.lines) {
            switch (l.kind) {
            case IniLine::Kind::Key:
                out += l.key;
                out += " = ";
                out += l.value;
                break;
            case IniLine::Kind::Comment:
                out += "; ";
                out += l.value;
                break;
            case IniLine::Kind::Raw: out += l.key; break;
            }
            out += line_end;
        }
    }
    return out;
}

namespace {

// Reads digits of `base` from the start of `text`, saturating.
std::int64_t read_digits(std::string_view text, int base, bool negative) {
    constexpr auto max = std::numeric_limits<std::int64_t>::max();
    std::uint64_t value = 0;
    const std::uint64_t limit = negative ? std::uint64_t(max) + 1 : std::uint64_t(max);
    for (char c : text) {
        int digit;
        if (c >= '0' && c <= '9') digit = c - '0';
        else if (c >= 'a' && c <= 'f') digit = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F') digit = c - 'A' + 10;
        else break;
        if (digit >= base) break;
        if (value > (limit - std::uint64_t(digit)) / std::uint64_t(base)) {
            value = limit;
            break;
        }
        value = value * std::uint64_t(base) + std::uint64_t(digit);
    }
    if (negative)
        return value == std::uint64_t(max) + 1 ? std::numeric_limits<std::int64_t>::min() : -std::int64_t(value);
    return std::int64_t(value);
}

std::int64_t parse_with_prefixes(std::string_view text, bool prefixes) {
    while (!text.empty() && is_blank(text.front())) text.remove_prefix(1);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    int base = 10;
    if (prefixes && !text.empty() && (text.front() == '$' || text.front() == '%')) {
        base = text.front() == '$' ? 16 : 2;
        text.remove_prefix(1);
    }
    return read_digits(text, base, negative);
}

}  // namespace

std::int64_t parse_integer(std::string_view text) { return parse_with_prefixes(text, false); }

std::int64_t parse_number(std::string_view text) { return parse_with_prefixes(text, true); }

double parse_real(std::string_view text) {
    text = trim_blanks(text);
    if (text == "+Infinity" || text == "Infinity") return std::numeric_limits<double>::infinity();
    if (text == "-Infinity") return -std::numeric_limits<double>::infinity();
    if (text == "NaN") return std::numeric_limits<double>::quiet_NaN();
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    // Only plain decimal notation: from_chars alone would also take "inf" and "nan".
    if (text.empty() || !((text.front() >= '0' && text.front() <= '9') || text.front() == '.')) return 0;
    double value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::general);
    if (ec == std::errc::result_out_of_range) {
        // Too large or too small for a double: the nearest value that exists.
        value = (text.find_first_of("eE") != std::string_view::npos && text.find("e-") == std::string_view::npos &&
                 text.find("E-") == std::string_view::npos)
                    ? std::numeric_limits<double>::infinity()
                    : 0.0;
    } else if (ec != std::errc()) {
        return 0;
    }
    return negative ? -value : value;
}

std::string format_real(double value) {
    if (std::isnan(value)) return "NaN";
    if (std::isinf(value)) return value > 0 ? "+Infinity" : "-Infinity";
    char buffer[128];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 64);
    return ec == std::errc() ? std::string(buffer, end) : std::string("0");
}

std::string format_colour(std::uint32_t colour) {
    char buffer[16];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, colour, 16);
    std::string text = "$";
    for (const char* p = buffer; p < end; ++p) text += char(*p >= 'a' ? *p - 'a' + 'A' : *p);
    return text;
}

}  // namespace config
