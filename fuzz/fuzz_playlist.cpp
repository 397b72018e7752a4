// Fuzz target for playlist files: any bytes must read without a crash, every
// entry read is a well-formed one-line entry, and what is written reads back
// to the same entries.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "core/unicode.h"
#include "music/playlist_file.h"
#include "music/text_decoding.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string> entries = music::playlist_entries(bytes);
    const std::vector<std::string> lines = music::favourite_entries(bytes);
    if (entries.size() > lines.size()) std::abort();
    for (const std::string& entry : entries) {
        if (!music::is_playlist_entry(entry) || !core::is_valid_utf8(entry)) std::abort();
        if (entry.find_first_of(std::string_view("\r\n\0", 3)) != std::string::npos) std::abort();
    }
    // A first line that starts with U+FEFF would be written as a UTF-8 mark,
    // which reading skips: the one text this format cannot keep.
    constexpr std::string_view mark = "\xEF\xBB\xBF";
    if (music::playlist_entries(music::playlist_bytes(entries)) != entries &&
        !(!entries.empty() && entries.front().starts_with(mark)))
        std::abort();
    if (music::favourite_entries(music::playlist_bytes(lines)) != lines &&
        !(!lines.empty() && lines.front().starts_with(mark)))
        std::abort();
    return 0;
}
