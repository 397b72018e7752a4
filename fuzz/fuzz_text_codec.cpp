// libFuzzer target: the readers and writers of notes and viewed files, on the
// same bytes. Every text they give is valid UTF-8, every save reads back as
// the text saved, and the 8-bit code page maps bytes both ways one to one;
// anything else, or a crash, is a finding.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "notes/text_codec.h"

namespace {

using notes::TextEncoding;

void require(bool condition) {
    if (!condition) std::abort();
}

bool valid_utf8(std::string_view text) { return notes::decode_utf8(text) == text; }

// What reading the saved bytes back gives.
std::string read_back(const notes::EncodedText& saved) {
    const std::string_view bytes(saved.bytes);
    const std::string_view mark = notes::byte_order_mark(saved.encoding);
    require(bytes.starts_with(mark));
    return notes::decode_text(bytes.substr(mark.size()), saved.encoding);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    for (const TextEncoding encoding : {TextEncoding::Ansi, TextEncoding::Utf8, TextEncoding::Utf16}) {
        const std::string text = notes::decode_text(bytes, encoding);
        require(valid_utf8(text));
        const notes::EncodedText saved = notes::encode_text(text, encoding);
        require(saved.encoding == encoding || (encoding == TextEncoding::Ansi && saved.encoding == TextEncoding::Utf8));
        require(read_back(saved) == text);
    }

    const notes::Windows1252Bytes ansi = notes::encode_windows1252(notes::decode_windows1252(bytes));
    require(ansi.complete && ansi.bytes == bytes);

    const notes::ViewerText shown = notes::viewer_text(bytes);
    require(valid_utf8(shown.text));
    require(shown.text.find('\0') == std::string::npos);

    const std::string note = notes::note_text(bytes);
    require(valid_utf8(note));
    require(note.empty() || std::string_view(note).ends_with("\r\n"));

    std::uint64_t number = 0;
    std::memcpy(&number, data, std::min(size, sizeof number));
    require(std::string_view(notes::size_text(number)).ends_with(" ko)"));
    return 0;
}
