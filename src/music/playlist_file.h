// Playlist files: text, one path per line. A list is read either as a
// playlist (only the lines that name a file become entries) or as a
// favourite list (every line becomes an entry), and written with a single
// CR after every line, in UTF-8 without a mark. The format works on bytes;
// read_playlist_file does the safe reading of a file, and the caller hands
// playlist_bytes to the program's atomic file writer.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace music {

// Reading the bytes: a UTF-8 mark at the start is skipped; every ill-formed
// UTF-8 byte becomes U+FFFD, so each line read is well-formed UTF-8. A line
// ends at CR, LF, CR LF or a NUL byte (so a NUL splits a line in two); a line
// end at the very end of the bytes starts no further line. Lines are kept as
// they are, blanks included.

// Whether a playlist line names a file: a path of this system (it begins with
// "/"), or a path written on Windows, kept so that lists made there still
// load: a network path (it begins with two backslashes) or a drive path (its
// second and third characters are ":\"). M3U comment lines, relative paths,
// "file://" addresses and empty lines are not entries.
bool is_playlist_entry(std::string_view line);

// The lines of `bytes` that are entries, in file order.
std::vector<std::string> playlist_entries(std::string_view bytes);

// Every line of `bytes`, in file order, empty and comment lines included.
std::vector<std::string> favourite_entries(std::string_view bytes);

// The file's bytes for `paths`: each path followed by one CR (no LF), nothing
// else. A path holding a CR, LF or NUL cannot be written as one line and is
// left out, so the bytes read back to the same paths.
std::string playlist_bytes(const std::vector<std::string>& paths);

// A larger playlist file is refused.
inline constexpr std::size_t max_playlist_bytes = 16 * 1024 * 1024;

enum class PlaylistFileStatus {
    Read,     // `bytes` holds the whole file
    Missing,  // no file at that path
    Refused,  // not a regular file, larger than max_playlist_bytes, or unreadable
};

struct [[nodiscard]] PlaylistFile {
    PlaylistFileStatus status = PlaylistFileStatus::Refused;
    std::string bytes;  // empty unless Read
};

// Reads the file at `path` whole. Only a regular file is read; a FIFO,
// socket, device or folder is refused at once, without blocking.
PlaylistFile read_playlist_file(const std::string& path);

}  // namespace music
