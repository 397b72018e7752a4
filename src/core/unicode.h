// Text encodings every subsystem meets in files from outside: UTF-8 (checked
// and cleaned), ISO-8859-1 and Windows-1252, the 8-bit code page of the
// Windows program's files. Each function takes arbitrary bytes and never fails.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace core {

inline constexpr char32_t replacement_character = 0xFFFD;

// Appends `c` (at most U+10FFFF) as UTF-8.
void append_utf8(std::string& out, char32_t c);

// The length of the well-formed UTF-8 sequence starting at `at` (no overlong
// forms, no surrogates, nothing past U+10FFFF); 0 when none starts there.
std::size_t utf8_sequence_length(std::string_view bytes, std::size_t at);
// The code point at `pos`, moving `pos` past it. An ill-formed sequence
// gives U+FFFD and moves past its longest well-formed beginning (at least
// one byte), so the byte that broke it starts the next character.
char32_t next_utf8(std::string_view bytes, std::size_t& pos);

bool is_valid_utf8(std::string_view bytes);
// `bytes` as UTF-8 with every ill-formed byte left out, or replaced by U+FFFD.
std::string utf8_dropping_invalid(std::string_view bytes);
std::string utf8_replacing_invalid(std::string_view bytes);

// Each byte is the code point of the same value.
std::string latin1_to_utf8(std::string_view bytes);

// Windows-1252: the code point of `byte`. The five bytes the code page
// leaves undefined (81 8D 8F 90 9D) give the code point of the same value,
// so that they read back as they were written.
char32_t windows1252_code_point(unsigned char byte);
bool windows1252_defines(unsigned char byte);
// The byte of `c` in Windows-1252; -1 when the code page has none.
int windows1252_byte(char32_t c);
std::string windows1252_to_utf8(std::string_view bytes);

}  // namespace core
