#include "music/tags.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <iterator>

#include "core/unicode.h"
#include "music/text_decoding.h"

namespace music {

namespace {

// ID3 version 2 header: "ID3", major version, revision, flags, then the tag
// size in four bytes of seven bits each, most significant first. Each byte is
// taken whole: one with its high bit set, which a well-formed tag never has,
// counts in full.
constexpr std::string_view version2_signature = "ID3";
constexpr std::size_t version2_header_bytes = 10;
constexpr std::size_t version_offset = 3;
constexpr std::size_t size_offset = 6;
constexpr std::uint8_t supported_version = 3;

// Frame: identifier (4), size (4, most significant first, counting the
// encoding byte and the text), flags (2), encoding (1), text.
constexpr std::size_t frame_size_offset = 4;
constexpr std::size_t frame_encoding_offset = 10;
constexpr std::size_t frame_text_offset = 11;
constexpr std::size_t frame_id_bytes = 4;

enum : std::uint8_t { EncodingLatin1 = 0, EncodingUtf16 = 1 };

// ID3 version 1: the last 128 bytes of the file.
constexpr std::size_t version1_bytes = 128;
constexpr std::string_view version1_signature = "TAG";
struct Version1Field {
    std::size_t offset, length;
    std::string Tags::*field;
};
constexpr Version1Field version1_fields[] = {
    {3, 30, &Tags::title},
    {33, 30, &Tags::artist},
    {63, 30, &Tags::album},
    {93, 4, &Tags::year},
};

struct FrameField {
    std::string_view id;
    std::string Tags::*field;
};
constexpr FrameField frame_fields[] = {
    {"TPE1", &Tags::artist}, {"TALB", &Tags::album}, {"TIT2", &Tags::title},
    {"TYER", &Tags::year},   {"TRCK", &Tags::track},
};
constexpr std::size_t frame_field_count = std::size(frame_fields);

// Reads what the file holds of [offset, offset + length), never more.
std::string bounded_read(const FileView& file, std::uint64_t offset, std::uint64_t length) {
    if (!file.read || offset >= file.size) return {};
    length = std::min(length, file.size - offset);
    std::string bytes = file.read(offset, std::size_t(length));
    if (bytes.size() > length) bytes.resize(std::size_t(length));
    return bytes;
}

std::string_view up_to_nul(std::string_view text) { return text.substr(0, text.find('\0')); }

std::string decode_frame_text(std::uint8_t encoding, std::string_view text) {
    text = text.substr(0, max_frame_text_bytes);
    switch (encoding) {
    case EncodingLatin1: return core::latin1_to_utf8(up_to_nul(text));
    case EncodingUtf16: return utf16_to_utf8(text);  // ends at its first NUL unit
    default: return core::utf8_dropping_invalid(up_to_nul(text));
    }
}

// The text of the frame whose identifier starts at `p`. Header bytes past the
// end of the tag count as 0; the text ends at the end of the tag.
std::string frame_text(std::string_view tag, std::size_t p) {
    const auto byte_at = [&](std::size_t i) -> std::uint8_t { return i < tag.size() ? std::uint8_t(tag[i]) : 0; };
    std::uint32_t size = 0;
    for (std::size_t i = 0; i < 4; ++i) size = size << 8 | byte_at(p + frame_size_offset + i);
    if (size == 0) return {};
    const std::size_t start = p + frame_text_offset;
    if (start >= tag.size()) return {};
    const std::size_t length = std::min<std::uint64_t>(size - 1, tag.size() - start);
    return decode_frame_text(byte_at(p + frame_encoding_offset), tag.substr(start, length));
}

TagReading read_version23(const FileView& file) {
    std::string header = bounded_read(file, 0, version2_header_bytes);
    header.resize(version2_header_bytes, '\0');
    if (std::uint8_t(header[version_offset]) != supported_version) return {};

    // The declared size counts the bytes after the header: the tag is both.
    std::uint64_t declared = 0;
    for (std::size_t i = 0; i < 4; ++i) declared = declared * 128 + std::uint8_t(header[size_offset + i]);
    const std::uint64_t tag_bytes = version2_header_bytes + declared;
    const std::string tag = bounded_read(file, 0, std::min<std::uint64_t>(tag_bytes, max_tag_bytes));

    TagReading reading{TagSource::Version23, {}};
    if (declared < version2_header_bytes || tag.size() < frame_id_bytes) return reading;
    // Every byte position where a whole frame header fits in the tag (up to
    // `declared`) is a candidate, also inside another frame's data, and a
    // later match wins: only the last match of each identifier is decoded.
    const std::size_t last = std::min<std::uint64_t>(declared, tag.size() - frame_id_bytes);
    std::array<std::size_t, frame_field_count> found;
    found.fill(std::string::npos);
    for (std::size_t p = 0; p <= last; ++p) {
        if (tag[p] != 'T') continue;  // every identifier read starts so
        const std::string_view id(tag.data() + p, frame_id_bytes);
        for (std::size_t f = 0; f < frame_field_count; ++f)
            if (id == frame_fields[f].id) found[f] = p;
    }
    for (std::size_t f = 0; f < frame_field_count; ++f)
        if (found[f] != std::string::npos) reading.tags.*frame_fields[f].field = frame_text(tag, found[f]);
    return reading;
}

// A version 1 field: UTF-8 when it is well-formed, else ISO-8859-1, the code
// these records were written in before UTF-8.
std::string version1_text(std::string_view field) {
    field = up_to_nul(field);
    return core::is_valid_utf8(field) ? std::string(field) : core::latin1_to_utf8(field);
}

TagReading read_version1(const FileView& file) {
    if (file.size < version1_bytes) return {};
    const std::string record = bounded_read(file, file.size - version1_bytes, version1_bytes);
    if (record.size() < version1_bytes || !record.starts_with(version1_signature)) return {};
    TagReading reading{TagSource::Version1, {}};
    for (const Version1Field& f : version1_fields)
        reading.tags.*f.field = version1_text(std::string_view(record).substr(f.offset, f.length));
    return reading;
}

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

std::string read_at(int fd, std::uint64_t offset, std::size_t length) {
    std::string bytes(length, '\0');
    std::size_t got = 0;
    while (got < length) {
        const ssize_t n = ::pread(fd, bytes.data() + got, length - got, off_t(offset + got));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;  // end of file or a read error: what was read so far
        got += std::size_t(n);
    }
    bytes.resize(got);
    return bytes;
}

}  // namespace

TagReading read_tags(const FileView& file) {
    if (bounded_read(file, 0, version2_signature.size()) == version2_signature) return read_version23(file);
    return read_version1(file);
}

TagReading read_tags(const std::string& path) {
    // Non-blocking, so that opening a FIFO does not wait for a writer.
    const FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (fd.get() < 0) return {};
    struct stat st {};
    if (fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_size < 0) return {};
    const int descriptor = fd.get();
    return read_tags(FileView{std::uint64_t(st.st_size), [descriptor](std::uint64_t offset, std::size_t length) {
                                  return read_at(descriptor, offset, length);
                              }});
}

FileView memory_view(std::string_view bytes) {
    return {bytes.size(), [bytes](std::uint64_t offset, std::size_t length) {
                if (offset >= bytes.size()) return std::string();
                return std::string(bytes.substr(std::size_t(offset), length));
            }};
}

}  // namespace music
