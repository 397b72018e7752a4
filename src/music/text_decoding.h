// The UTF-16 decoding of the music file formats (the others are in
// core/unicode.h). It takes arbitrary bytes and returns valid UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace music {

// UTF-16 text up to its first NUL unit. A leading byte-order mark chooses the
// byte order and is dropped; without one, the order is guessed from where the
// zero bytes fall (big-endian when more of them sit at even offsets, as in
// Latin text written most significant byte first), little-endian on a tie.
// A trailing odd byte and unpaired surrogates are left out.
std::string utf16_to_utf8(std::string_view bytes);

}  // namespace music
