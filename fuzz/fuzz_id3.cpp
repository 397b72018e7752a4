// Fuzz target for the tag reader: any file must read without a crash, every
// read it asks for lies inside the file and within the tag cap, and every
// field comes out as well-formed UTF-8 of bounded length.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/unicode.h"
#include "music/tags.h"
#include "music/text_decoding.h"

namespace {

// Two bytes of UTF-16 can become three of UTF-8, one of ISO-8859-1 two.
constexpr std::size_t max_field_bytes = music::max_frame_text_bytes * 2;

void check_field(const std::string& text) {
    if (text.size() > max_field_bytes || !core::is_valid_utf8(text)) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const music::FileView file = music::memory_view(bytes);
    std::uint64_t requested = 0;
    const music::FileView watched{file.size, [&](std::uint64_t offset, std::size_t length) {
                                      if (offset > file.size || length > file.size - offset) std::abort();
                                      requested += length;
                                      return file.read(offset, length);
                                  }};
    const music::TagReading reading = music::read_tags(watched);

    // Signature, header, then either the tag or the version 1 record, once each.
    constexpr std::uint64_t fixed_reads = 3 + 10 + 128;
    if (requested > fixed_reads + std::min<std::uint64_t>(size, music::max_tag_bytes)) std::abort();
    const music::Tags& tags = reading.tags;
    for (const std::string* field : {&tags.title, &tags.artist, &tags.album, &tags.year, &tags.track})
        check_field(*field);
    if (reading.source == music::TagSource::Nothing && !(tags == music::Tags{})) std::abort();
    if (reading.source == music::TagSource::Version1 && !tags.track.empty()) std::abort();
    return 0;
}
