#include "music/text_decoding.h"

#include <cstddef>
#include <cstdint>

namespace music {

namespace {

constexpr std::string_view replacement = "\xEF\xBF\xBD";  // U+FFFD

// Length of the well-formed UTF-8 sequence at `at`, or 0 when the byte there
// does not start one (the table of well-formed sequences of Unicode 3.9).
std::size_t sequence_length(std::string_view bytes, std::size_t at) {
    const auto byte = [&](std::size_t i) { return std::uint8_t(bytes[at + i]); };
    const std::size_t left = bytes.size() - at;
    const std::uint8_t lead = byte(0);
    if (lead < 0x80) return 1;
    std::size_t length = 0;
    std::uint8_t low = 0x80, high = 0xBF;  // range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;   // no overlong forms
        if (lead == 0xED) high = 0x9F;  // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;   // no overlong forms
        if (lead == 0xF4) high = 0x8F;  // nothing past U+10FFFF
    } else {
        return 0;
    }
    if (left < length || byte(1) < low || byte(1) > high) return 0;
    for (std::size_t i = 2; i < length; ++i)
        if (byte(i) < 0x80 || byte(i) > 0xBF) return 0;
    return length;
}

std::string utf8_cleaned(std::string_view bytes, std::string_view instead) {
    std::string out;
    out.reserve(bytes.size());
    std::size_t at = 0;
    while (at < bytes.size()) {
        const std::size_t length = sequence_length(bytes, at);
        if (length == 0) {
            out += instead;
            ++at;
        } else {
            out.append(bytes.data() + at, length);
            at += length;
        }
    }
    return out;
}

void append_code_point(std::string& out, std::uint32_t c) {
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

bool is_high_surrogate(std::uint32_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool is_low_surrogate(std::uint32_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

}  // namespace

bool is_valid_utf8(std::string_view bytes) {
    std::size_t at = 0;
    while (at < bytes.size()) {
        const std::size_t length = sequence_length(bytes, at);
        if (length == 0) return false;
        at += length;
    }
    return true;
}

std::string utf8_dropping_invalid(std::string_view bytes) { return utf8_cleaned(bytes, {}); }

std::string utf8_replacing_invalid(std::string_view bytes) { return utf8_cleaned(bytes, replacement); }

std::string latin1_to_utf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() * 2);
    for (const char c : bytes) append_code_point(out, std::uint8_t(c));
    return out;
}

std::string utf16_to_utf8(std::string_view bytes) {
    bool big_endian = false;
    if (bytes.size() >= 2 && std::uint8_t(bytes[0]) == 0xFE && std::uint8_t(bytes[1]) == 0xFF) {
        big_endian = true;
        bytes.remove_prefix(2);
    } else if (bytes.size() >= 2 && std::uint8_t(bytes[0]) == 0xFF && std::uint8_t(bytes[1]) == 0xFE) {
        bytes.remove_prefix(2);
    } else {
        std::size_t zeros_even = 0, zeros_odd = 0;
        for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
            zeros_even += bytes[i] == '\0';
            zeros_odd += bytes[i + 1] == '\0';
        }
        big_endian = zeros_even > zeros_odd;
    }
    const std::size_t units = bytes.size() / 2;
    const auto unit_at = [&](std::size_t i) -> std::uint32_t {
        const std::uint32_t first = std::uint8_t(bytes[2 * i]), second = std::uint8_t(bytes[2 * i + 1]);
        return big_endian ? (first << 8 | second) : (second << 8 | first);
    };
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 2);
    for (std::size_t i = 0; i < units; ++i) {
        const std::uint32_t unit = unit_at(i);
        if (unit == 0) break;
        if (is_high_surrogate(unit) && i + 1 < units && is_low_surrogate(unit_at(i + 1))) {
            append_code_point(out, 0x10000 + ((unit - 0xD800) << 10) + (unit_at(i + 1) - 0xDC00));
            ++i;
        } else if (!is_high_surrogate(unit) && !is_low_surrogate(unit)) {
            append_code_point(out, unit);
        }
    }
    return out;
}

}  // namespace music
