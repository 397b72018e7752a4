// Text decodings shared by the music file formats. Every function takes
// arbitrary bytes and returns valid UTF-8; none fails.
#pragma once

#include <string>
#include <string_view>

namespace music {

// Whether `bytes` is well-formed UTF-8 (no overlong forms, no surrogates,
// nothing above U+10FFFF).
bool is_valid_utf8(std::string_view bytes);

// `bytes` as UTF-8 with every ill-formed byte left out.
std::string utf8_dropping_invalid(std::string_view bytes);

// `bytes` as UTF-8 with every ill-formed byte replaced by U+FFFD.
std::string utf8_replacing_invalid(std::string_view bytes);

// Each byte is the code point of the same value.
std::string latin1_to_utf8(std::string_view bytes);

// UTF-16 text up to its first NUL unit. A leading byte-order mark chooses the
// byte order and is dropped; without one, the order is guessed from where the
// zero bytes fall (big-endian when more of them sit at even offsets, as in
// Latin text written most significant byte first), little-endian on a tie.
// A trailing odd byte and unpaired surrogates are left out.
std::string utf16_to_utf8(std::string_view bytes);

}  // namespace music
