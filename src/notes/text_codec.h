// The text encodings of notes and viewed files, on bytes: which encoding a
// file's byte-order mark announces, decoding each to UTF-8, encoding UTF-8
// back, and the texts that name an encoding or a file size. Every input is
// treated as hostile: a bad byte becomes U+FFFD (or, in the 8-bit code page,
// its own character), never a failure. Reading files is in note_files.h.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace notes {

// The three encodings a text file is read and saved in.
enum class TextEncoding {
    Ansi,   // the 8-bit code page, Windows-1252 whatever the locale; no mark
    Utf8,   // mark EF BB BF
    Utf16,  // UTF-16 little-endian, mark FF FE
};

struct DetectedEncoding {
    TextEncoding encoding = TextEncoding::Ansi;
    std::size_t mark_size = 0;  // bytes of the mark at the start of the file; 0 for Ansi
};

// The encoding announced by the first bytes of a file: the UTF-8 mark, the
// UTF-16 little-endian mark, or else the 8-bit code page (any other mark included).
DetectedEncoding detect_encoding(std::string_view file_bytes);

// The mark written at the start of a file saved in `encoding`; empty for Ansi.
std::string_view byte_order_mark(TextEncoding encoding);

// The name the viewer shows: "ASCII", "UTF-8" or "UNICODE".
std::string_view encoding_name(TextEncoding encoding);

// Decoders to UTF-8, of bytes without their mark.
// Windows-1252 in full; the five bytes it leaves undefined (81 8D 8F 90 9D)
// become the control characters of the same number, so they save back unchanged.
std::string decode_windows1252(std::string_view bytes);
// Each invalid sequence (overlong, surrogate, beyond U+10FFFF, cut short) becomes U+FFFD.
std::string decode_utf8(std::string_view bytes);
// An unpaired surrogate and a last odd byte each become U+FFFD.
std::string decode_utf16le(std::string_view bytes);
std::string decode_text(std::string_view bytes, TextEncoding encoding);

// What the viewer shows of a file: its encoding and its text after the mark,
// up to the first zero character (a zero byte, or a zero UTF-16 unit) or the end.
struct ViewerText {
    TextEncoding encoding = TextEncoding::Ansi;
    std::string text;  // UTF-8
};
ViewerText viewer_text(std::string_view file_bytes);

// What the notes window shows of a file: every line of its text after the
// mark followed by CR LF, the last one included; lines end at CR LF, LF or a
// lone CR. An empty file, or a mark alone, gives "". Zero characters are kept.
std::string note_text(std::string_view file_bytes);

struct Windows1252Bytes {
    std::string bytes;
    bool complete = true;  // false when a character had no byte and was written as "?"
};
// Invalid UTF-8 in `utf8` counts as a character without a byte.
Windows1252Bytes encode_windows1252(std::string_view utf8);

// Invalid UTF-8 in `utf8` is written as U+FFFD.
std::string encode_utf16le(std::string_view utf8);

// A whole file: mark, then the text.
struct EncodedText {
    std::string bytes;
    TextEncoding encoding = TextEncoding::Ansi;  // the encoding actually written
};
// `utf8` saved in `wanted`, with that encoding's mark. A text the 8-bit code
// page cannot hold in full is saved as UTF-8 with its mark instead, so no
// character is lost; the result says so through `encoding`.
[[nodiscard]] EncodedText encode_text(std::string_view utf8, TextEncoding wanted);

// The viewer's size text: the byte count with a space every three digits,
// " octets (", the size in kibibytes with two decimals, " ko)".
// For example 1234567 gives "1 234 567 octets (1205.63 ko)". Same in both languages.
std::string size_text(std::uint64_t bytes);

}  // namespace notes
