// The tags of a music file: an ID3 version 2.3 tag at the start of the file,
// else an ID3 version 1 record in its last 128 bytes. The reader works on a
// bounded random-access view of the file, so a large file is never read
// whole; read_tags(path) gives it that view over a safely opened file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace music {

// Texts in UTF-8, "" when the tag does not carry the field.
struct Tags {
    std::string title, artist, album, year, track;
    bool operator==(const Tags&) const = default;
};

enum class TagSource {
    Nothing,    // no tag read: no file, no tag, or an ID3 tag of another version than 2.3
    Version23,  // an ID3 version 2.3 tag was read, even when it gave no field
    Version1,   // an ID3 version 1 record was read (its track is always "")
};

struct [[nodiscard]] TagReading {
    TagSource source = TagSource::Nothing;
    Tags tags;
};

// A file seen through bounded reads. `read` returns up to `length` bytes from
// `offset`: fewer at the end of the file or on a read error, never more.
struct FileView {
    std::uint64_t size = 0;
    std::function<std::string(std::uint64_t offset, std::size_t length)> read;
};

// The most bytes of a version 2.3 tag that are read, whatever size it declares.
inline constexpr std::size_t max_tag_bytes = 16 * 1024 * 1024;
// The most bytes of one frame's text that are decoded.
inline constexpr std::size_t max_frame_text_bytes = 64 * 1024;

// Reads the tags of `file`. Every read it makes is bounded by the file's size
// and by max_tag_bytes.
TagReading read_tags(const FileView& file);

// Reads the tags of the file at `path`. Only a regular file is read: a FIFO,
// socket, device or folder, or a file that cannot be opened, gives Nothing at
// once, without blocking.
TagReading read_tags(const std::string& path);

// A view of bytes in memory; `bytes` must outlive it.
FileView memory_view(std::string_view bytes);

}  // namespace music
