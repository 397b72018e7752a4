#include "music/playlist_file.h"

#include <cstdint>

#include "core/unicode.h"
#include "music/text_decoding.h"
#include "platform/files.h"

namespace music {

namespace {

constexpr std::string_view utf8_mark = "\xEF\xBB\xBF";
constexpr std::string_view line_ends("\r\n\0", 3);
constexpr std::string_view network_path_start = "\\\\";
constexpr std::string_view drive_path_after_letter = ":\\";
constexpr char line_end_written = '\r';

// Bytes taken by the first character of well-formed UTF-8 text.
std::size_t first_character_bytes(std::string_view text) {
    const std::uint8_t lead = text.empty() ? 0 : std::uint8_t(text[0]);
    return lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
}

// Calls `take` with every line of `bytes` (see the header for the rules).
template <typename Take>
void for_each_line(std::string_view bytes, Take take) {
    if (bytes.starts_with(utf8_mark)) bytes.remove_prefix(utf8_mark.size());
    std::string cleaned;
    if (!core::is_valid_utf8(bytes)) {
        cleaned = core::utf8_replacing_invalid(bytes);
        bytes = cleaned;
    }
    std::size_t at = 0;
    while (at < bytes.size()) {
        std::size_t end = bytes.find_first_of(line_ends, at);
        if (end == std::string_view::npos) end = bytes.size();
        take(bytes.substr(at, end - at));
        at = end + 1;
        if (end + 1 < bytes.size() && bytes[end] == '\r' && bytes[end + 1] == '\n') ++at;
    }
}

}  // namespace

bool is_playlist_entry(std::string_view line) {
    if (line.starts_with('/') || line.starts_with(network_path_start)) return true;
    const std::size_t letter = first_character_bytes(line);
    return line.size() > letter && line.substr(letter).starts_with(drive_path_after_letter);
}

std::vector<std::string> playlist_entries(std::string_view bytes) {
    std::vector<std::string> entries;
    for_each_line(bytes, [&](std::string_view line) {
        if (is_playlist_entry(line)) entries.emplace_back(line);
    });
    return entries;
}

std::vector<std::string> favourite_entries(std::string_view bytes) {
    std::vector<std::string> entries;
    for_each_line(bytes, [&](std::string_view line) { entries.emplace_back(line); });
    return entries;
}

std::string playlist_bytes(const std::vector<std::string>& paths) {
    std::size_t total = 0;
    for (const std::string& path : paths) total += path.size() + 1;
    std::string bytes;
    bytes.reserve(total);
    for (const std::string& path : paths) {
        if (path.find_first_of(line_ends) != std::string::npos) continue;
        bytes += path;
        bytes += line_end_written;
    }
    return bytes;
}

PlaylistFile read_playlist_file(const std::string& path) {
    platform::ReadResult read = platform::read_regular_file(path, std::int64_t(max_playlist_bytes));
    switch (read.status) {
    case platform::ReadStatus::Ok: return {PlaylistFileStatus::Read, std::move(read.bytes)};
    case platform::ReadStatus::Missing: return {PlaylistFileStatus::Missing, {}};
    case platform::ReadStatus::NotRegular:
    case platform::ReadStatus::TooLarge:
    case platform::ReadStatus::Failed: break;
    }
    return {PlaylistFileStatus::Refused, {}};
}

}  // namespace music
