#include "core/unicode.h"

#include <array>
#include <cstdint>

namespace core {

namespace {

// Windows-1252 bytes 80 to 9F; the five undefined ones keep their own number.
constexpr std::array<char16_t, 32> windows1252_high = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98-9F
};
constexpr unsigned char windows1252_high_first = 0x80;
constexpr unsigned char windows1252_high_last = 0x9F;

std::string utf8_cleaned(std::string_view bytes, bool replace) {
    std::string out;
    out.reserve(bytes.size());
    std::size_t at = 0;
    while (at < bytes.size()) {
        const std::size_t length = utf8_sequence_length(bytes, at);
        if (length == 0) {
            if (replace) append_utf8(out, replacement_character);
            ++at;
        } else {
            out.append(bytes.data() + at, length);
            at += length;
        }
    }
    return out;
}

}  // namespace

void append_utf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += char(c);
    } else if (c < 0x800) {
        out += char(0xC0 | (c >> 6));
        out += char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += char(0xE0 | (c >> 12));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    } else {
        out += char(0xF0 | (c >> 18));
        out += char(0x80 | ((c >> 12) & 0x3F));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    }
}

namespace {

// Decodes the sequence at `at` into `c`; `consumed` is its length when it is
// well-formed, else the length of its longest well-formed beginning (at least 1).
bool decode_utf8(std::string_view bytes, std::size_t at, char32_t& c, std::size_t& consumed) {
    const auto lead = static_cast<unsigned char>(bytes[at]);
    consumed = 1;
    if (lead < 0x80) {
        c = lead;
        return true;
    }
    int continuation;
    // The second byte's range excludes overlong forms, surrogates and code points past U+10FFFF.
    unsigned char low = 0x80, high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        continuation = 1;
        c = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        continuation = 2;
        c = lead & 0x0F;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        continuation = 3;
        c = lead & 0x07;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return false;
    }
    for (int i = 0; i < continuation; ++i) {
        if (at + consumed >= bytes.size()) return false;
        const auto next = static_cast<unsigned char>(bytes[at + consumed]);
        if (next < low || next > high) return false;
        c = (c << 6) | (next & 0x3F);
        ++consumed;
        low = 0x80;
        high = 0xBF;
    }
    return true;
}

}  // namespace

std::size_t utf8_sequence_length(std::string_view bytes, std::size_t at) {
    char32_t c = 0;
    std::size_t consumed = 0;
    return decode_utf8(bytes, at, c, consumed) ? consumed : 0;
}

char32_t next_utf8(std::string_view bytes, std::size_t& pos) {
    char32_t c = 0;
    std::size_t consumed = 0;
    const bool well_formed = decode_utf8(bytes, pos, c, consumed);
    pos += consumed;
    return well_formed ? c : replacement_character;
}

bool is_valid_utf8(std::string_view bytes) {
    for (std::size_t at = 0; at < bytes.size();) {
        const std::size_t length = utf8_sequence_length(bytes, at);
        if (length == 0) return false;
        at += length;
    }
    return true;
}

std::string utf8_dropping_invalid(std::string_view bytes) { return utf8_cleaned(bytes, false); }

std::string utf8_replacing_invalid(std::string_view bytes) { return utf8_cleaned(bytes, true); }

std::string latin1_to_utf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 8);
    for (const char c : bytes) append_utf8(out, static_cast<unsigned char>(c));
    return out;
}

char32_t windows1252_code_point(unsigned char byte) {
    if (byte >= windows1252_high_first && byte <= windows1252_high_last)
        return windows1252_high[byte - windows1252_high_first];
    return byte;  // the rest is Latin-1
}

bool windows1252_defines(unsigned char byte) {
    return windows1252_code_point(byte) != byte || byte < windows1252_high_first || byte > windows1252_high_last;
}

int windows1252_byte(char32_t c) {
    if (c < windows1252_high_first || (c > windows1252_high_last && c <= 0xFF)) return int(c);
    for (std::size_t i = 0; i < windows1252_high.size(); ++i)
        if (windows1252_high[i] == c) return int(windows1252_high_first + i);
    return -1;
}

std::string windows1252_to_utf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 8);
    for (const char c : bytes) append_utf8(out, windows1252_code_point(static_cast<unsigned char>(c)));
    return out;
}

}  // namespace core
