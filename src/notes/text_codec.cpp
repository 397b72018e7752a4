// Encodings of notes and viewed files; see text_codec.h.
#include "notes/text_codec.h"

#include <algorithm>
#include <array>

#include "core/unicode.h"

namespace notes {
namespace {

constexpr std::string_view utf8_mark = "\xEF\xBB\xBF";
constexpr std::string_view utf16_mark = "\xFF\xFE";

using core::append_utf8;
using core::next_utf8;
using core::windows1252_byte;
constexpr char32_t replacement = core::replacement_character;
constexpr char32_t first_surrogate = 0xD800, first_low_surrogate = 0xDC00, last_surrogate = 0xDFFF;

char16_t utf16_unit(std::string_view bytes, std::size_t pos) {
    return char16_t(static_cast<unsigned char>(bytes[pos]) | static_cast<unsigned char>(bytes[pos + 1]) << 8);
}

void append_utf16le(std::string& out, char16_t unit) {
    out += char(unit & 0xFF);
    out += char(unit >> 8);
}

std::string_view after_mark(std::string_view file_bytes, DetectedEncoding detected) {
    return file_bytes.substr(detected.mark_size);
}

// `bytes` up to their first zero character in `encoding`.
std::string_view up_to_zero(std::string_view bytes, TextEncoding encoding) {
    if (encoding != TextEncoding::Utf16) return bytes.substr(0, bytes.find('\0'));
    for (std::size_t pos = 0; pos + 1 < bytes.size(); pos += 2) {
        if (bytes[pos] == '\0' && bytes[pos + 1] == '\0') return bytes.substr(0, pos);
    }
    return bytes;
}

void append_digits_grouped(std::string& out, std::uint64_t value) {
    const std::string digits = std::to_string(value);
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) out += ' ';
        out += digits[i];
    }
}

}  // namespace

DetectedEncoding detect_encoding(std::string_view file_bytes) {
    if (file_bytes.starts_with(utf8_mark)) return {TextEncoding::Utf8, utf8_mark.size()};
    if (file_bytes.starts_with(utf16_mark)) return {TextEncoding::Utf16, utf16_mark.size()};
    return {TextEncoding::Ansi, 0};
}

std::string_view byte_order_mark(TextEncoding encoding) {
    switch (encoding) {
    case TextEncoding::Ansi: return {};
    case TextEncoding::Utf8: return utf8_mark;
    case TextEncoding::Utf16: return utf16_mark;
    }
    return {};
}

std::string_view encoding_name(TextEncoding encoding) {
    switch (encoding) {
    case TextEncoding::Ansi: return "ASCII";
    case TextEncoding::Utf8: return "UTF-8";
    case TextEncoding::Utf16: return "UNICODE";
    }
    return "ASCII";
}

std::string decode_windows1252(std::string_view bytes) { return core::windows1252_to_utf8(bytes); }

std::string decode_utf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (std::size_t pos = 0; pos < bytes.size();) append_utf8(out, next_utf8(bytes, pos));
    return out;
}

std::string decode_utf16le(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    std::size_t pos = 0;
    for (; pos + 1 < bytes.size(); pos += 2) {
        const char16_t unit = utf16_unit(bytes, pos);
        if (unit < first_surrogate || unit > last_surrogate) {
            append_utf8(out, unit);
            continue;
        }
        // A high surrogate is followed by a low one; the pair makes one character.
        if (unit < first_low_surrogate && pos + 3 < bytes.size()) {
            const char16_t low = utf16_unit(bytes, pos + 2);
            if (low >= first_low_surrogate && low <= last_surrogate) {
                append_utf8(out, 0x10000 + ((char32_t(unit) - first_surrogate) << 10) + (low - first_low_surrogate));
                pos += 2;
                continue;
            }
        }
        append_utf8(out, replacement);
    }
    if (pos < bytes.size()) append_utf8(out, replacement);
    return out;
}

std::string decode_text(std::string_view bytes, TextEncoding encoding) {
    switch (encoding) {
    case TextEncoding::Ansi: return decode_windows1252(bytes);
    case TextEncoding::Utf8: return decode_utf8(bytes);
    case TextEncoding::Utf16: return decode_utf16le(bytes);
    }
    return {};
}

ViewerText viewer_text(std::string_view file_bytes) {
    const DetectedEncoding detected = detect_encoding(file_bytes);
    return {detected.encoding,
            decode_text(up_to_zero(after_mark(file_bytes, detected), detected.encoding), detected.encoding)};
}

std::string note_text(std::string_view file_bytes) {
    const DetectedEncoding detected = detect_encoding(file_bytes);
    const std::string text = decode_text(after_mark(file_bytes, detected), detected.encoding);
    std::string out;
    out.reserve(text.size() + 2);
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t end = std::min(text.find_first_of("\r\n", pos), text.size());
        out.append(text, pos, end - pos);
        out += "\r\n";
        pos = end + 1;
        if (end < text.size() && text[end] == '\r' && pos < text.size() && text[pos] == '\n') ++pos;
    }
    return out;
}

Windows1252Bytes encode_windows1252(std::string_view utf8) {
    Windows1252Bytes out;
    out.bytes.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) {
        // An invalid sequence reads as U+FFFD, which has no byte either.
        const int byte = windows1252_byte(next_utf8(utf8, pos));
        if (byte < 0) {
            out.bytes += '?';
            out.complete = false;
        } else {
            out.bytes += char(byte);
        }
    }
    return out;
}

std::string encode_utf16le(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size() * 2);
    for (std::size_t pos = 0; pos < utf8.size();) {
        const char32_t c = next_utf8(utf8, pos);
        if (c < 0x10000) {
            append_utf16le(out, char16_t(c));
        } else {
            const char32_t offset = c - 0x10000;
            append_utf16le(out, char16_t(first_surrogate + (offset >> 10)));
            append_utf16le(out, char16_t(first_low_surrogate + (offset & 0x3FF)));
        }
    }
    return out;
}

EncodedText encode_text(std::string_view utf8, TextEncoding wanted) {
    switch (wanted) {
    case TextEncoding::Ansi:
        if (Windows1252Bytes ansi = encode_windows1252(utf8); ansi.complete)
            return {std::move(ansi.bytes), TextEncoding::Ansi};
        return encode_text(utf8, TextEncoding::Utf8);
    case TextEncoding::Utf8: return {std::string(utf8_mark) + decode_utf8(utf8), TextEncoding::Utf8};
    case TextEncoding::Utf16: return {std::string(utf16_mark) + encode_utf16le(utf8), TextEncoding::Utf16};
    }
    return {};
}

std::string size_text(std::uint64_t bytes) {
    constexpr std::uint64_t bytes_per_kibibyte = 1024;
    // Hundredths of a kibibyte, rounded half up, in whole numbers so no locale writes a comma.
    std::uint64_t whole = bytes / bytes_per_kibibyte;
    std::uint64_t hundredths = ((bytes % bytes_per_kibibyte) * 200 + bytes_per_kibibyte) / (2 * bytes_per_kibibyte);
    if (hundredths == 100) {
        ++whole;
        hundredths = 0;
    }
    std::string out;
    append_digits_grouped(out, bytes);
    out += " octets (";
    out += std::to_string(whole);
    out += '.';
    out += char('0' + hundredths / 10);
    out += char('0' + hundredths % 10);
    out += " ko)";
    return out;
}

}  // namespace notes
