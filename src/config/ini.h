// The data file's text format, on bytes: an ordered document of groups and
// lines (comments and keys the program does not know included), its reader
// and its writer, and the value notations. Opening, locking and replacing the
// file on disk belong to ini_file.h.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace config {

struct IniLine {
    enum class Kind { Key, Comment, Raw };
    Kind kind = Kind::Key;
    std::string key;    // Key: the name; Comment: unused; Raw: the whole line
    std::string value;  // Key: the value as read (leading blanks skipped); Comment: the text
};

struct IniGroup {
    std::string name;  // "" for the lines before the first header (no header is written)
    std::vector<IniLine> lines;
};

struct IniDoc {
    // Written with the UTF-8 mark and an empty first line; false only for a
    // file that was read as zero bytes.
    bool utf8_mark = true;
    // groups[0] is always the headerless group of the lines before any header.
    std::vector<IniGroup> groups{IniGroup{}};
};

// Reads `bytes`: UTF-8 when they start with the mark or, without it, are
// valid UTF-8 (a file written by an editor or a script); else Latin-1
// (converted to UTF-8). Never fails: what cannot be read is kept as raw lines or dropped.
IniDoc ini_read(std::string_view bytes);

// Writes `doc` exactly: mark and CR LF, headers, "key = value", "; text", CR LF ends.
std::string ini_write(const IniDoc& doc);

// ASCII case-insensitive equality, the rule for group and key names.
bool same_name(std::string_view a, std::string_view b);

// Number notations of values.

// Leading blanks, optional sign, decimal digits up to the first other
// character; 0 when there is no number. Saturates at the 64-bit range.
std::int64_t parse_integer(std::string_view text);

// As parse_integer, but "$" + hexadecimal digits (either case) and "%" +
// binary digits are also read (colours and other numbers kept as strings).
std::int64_t parse_number(std::string_view text);

// A real written by format_real, any decimal real, or "+Infinity",
// "-Infinity", "NaN"; 0 when there is no number.
double parse_real(std::string_view text);

// "%.64g" in the C locale whatever the process locale; the special values as words.
std::string format_real(double value);

// "$" + upper-case hexadecimal without leading zeros ("$0" for 0).
std::string format_colour(std::uint32_t colour);

// `text` without spaces and tabs at both ends.
std::string_view trim_blanks(std::string_view text);

}  // namespace config
