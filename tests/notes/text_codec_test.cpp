// The encodings of notes and viewed files on bytes: what each file reads as,
// what a text saves as, and the viewer's size text.
#include "notes/text_codec.h"

#include <string>
#include <string_view>

#include <gtest/gtest.h>

namespace {

using namespace std::string_view_literals;
using notes::TextEncoding;

constexpr std::string_view utf8_mark = "\xEF\xBB\xBF";
constexpr std::string_view utf16_mark = "\xFF\xFE";

std::string utf8(std::u8string_view text) { return std::string(text.begin(), text.end()); }

const char* name_of(TextEncoding encoding) { return std::string_view(notes::encoding_name(encoding)).data(); }

TEST(ViewerText, DetectsTheMarkAndStopsAtTheFirstZeroCharacter) {
    const struct {
        const char* name;
        std::string_view file;
        TextEncoding encoding;
        std::string text;
    } cases[] = {
        {"empty file", ""sv, TextEncoding::Ansi, ""},
        {"8-bit, no mark", "caf\xE9 \x80"sv, TextEncoding::Ansi, utf8(u8"café €")},
        {"UTF-8 mark",
         "\xEF\xBB\xBF"
         "caf\xC3\xA9"sv,
         TextEncoding::Utf8, utf8(u8"café")},
        {"UTF-8 mark alone", "\xEF\xBB\xBF"sv, TextEncoding::Utf8, ""},
        {"UTF-8 mark cut short reads as 8-bit",
         "\xEF\xBB"
         "a"sv,
         TextEncoding::Ansi, utf8(u8"ï»a")},
        {"UTF-16 little-endian",
         "\xFF\xFE"
         "c\0\xE9\0"sv,
         TextEncoding::Utf16, utf8(u8"cé")},
        {"UTF-16 surrogate pair",
         "\xFF\xFE"
         "\x3D\xD8\x00\xDE"sv,
         TextEncoding::Utf16, utf8(u8"😀")},
        {"UTF-16 big-endian mark is not one of ours", "\xFE\xFF\0a"sv, TextEncoding::Ansi, utf8(u8"þÿ")},
        {"8-bit zero byte", "abc\0def"sv, TextEncoding::Ansi, "abc"},
        {"UTF-8 zero byte",
         "\xEF\xBB\xBF"
         "ab\0cd"sv,
         TextEncoding::Utf8, "ab"},
        {"UTF-16 zero unit",
         "\xFF\xFE"
         "a\0\0\0b\0"sv,
         TextEncoding::Utf16, "a"},
        {"UTF-16 zero byte inside a unit",
         "\xFF\xFE"
         "\0\x01"
         "a\0"sv,
         TextEncoding::Utf16, utf8(u8"Āa")},
        {"UTF-16 zero unit straddling units",
         "\xFF\xFE"
         "\x01\0\0\x01"sv,
         TextEncoding::Utf16, utf8(u8"\u0001Ā")},
        {"UTF-16 odd length",
         "\xFF\xFE"
         "a\0b"sv,
         TextEncoding::Utf16, utf8(u8"a\uFFFD")},
        {"UTF-16 mark and one byte",
         "\xFF\xFE"
         "a"sv,
         TextEncoding::Utf16, utf8(u8"\uFFFD")},
        {"UTF-16 lone high surrogate at the end",
         "\xFF\xFE"
         "a\0\x3D\xD8"sv,
         TextEncoding::Utf16, utf8(u8"a\uFFFD")},
        {"UTF-16 high surrogate before a letter",
         "\xFF\xFE"
         "\x3D\xD8"
         "a\0"sv,
         TextEncoding::Utf16, utf8(u8"\uFFFDa")},
        {"UTF-16 lone low surrogate",
         "\xFF\xFE"
         "\x00\xDE"
         "a\0"sv,
         TextEncoding::Utf16, utf8(u8"\uFFFDa")},
        {"UTF-8 bad continuation",
         "\xEF\xBB\xBF"
         "\xC3(a"sv,
         TextEncoding::Utf8, utf8(u8"\uFFFD(a")},
        {"UTF-8 overlong slash",
         "\xEF\xBB\xBF"
         "\xC0\xAF"sv,
         TextEncoding::Utf8, utf8(u8"\uFFFD\uFFFD")},
        {"UTF-8 encoded surrogate",
         "\xEF\xBB\xBF"
         "\xED\xA0\x80"sv,
         TextEncoding::Utf8, utf8(u8"\uFFFD\uFFFD\uFFFD")},
        {"UTF-8 beyond U+10FFFF",
         "\xEF\xBB\xBF"
         "\xF4\x90\x80\x80"sv,
         TextEncoding::Utf8, utf8(u8"\uFFFD\uFFFD\uFFFD\uFFFD")},
        {"UTF-8 cut short at the end",
         "\xEF\xBB\xBF"
         "a\xE2\x82"sv,
         TextEncoding::Utf8, utf8(u8"a\uFFFD")},
        {"UTF-8 stray continuation and lead bytes",
         "\xEF\xBB\xBF"
         "\x80\xFF"sv,
         TextEncoding::Utf8, utf8(u8"\uFFFD\uFFFD")},
        {"UTF-8 four bytes",
         "\xEF\xBB\xBF"
         "\xF0\x9F\x98\x80"sv,
         TextEncoding::Utf8, utf8(u8"😀")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const notes::ViewerText shown = notes::viewer_text(c.file);
        EXPECT_EQ(name_of(shown.encoding), std::string(name_of(c.encoding)));
        EXPECT_EQ(shown.text, c.text);
    }
}

// Every byte of 80-9F, where Windows-1252 differs from Latin-1.
TEST(Windows1252, SpecialCharactersReadAndSaveBothWays) {
    const struct {
        unsigned char byte;
        std::u8string_view character;
    } table[] = {
        {0x80, u8"€"},
        {0x82, u8"‚"},
        {0x83, u8"ƒ"},
        {0x84, u8"„"},
        {0x85, u8"…"},
        {0x86, u8"†"},
        {0x87, u8"‡"},
        {0x88, u8"ˆ"},
        {0x89, u8"‰"},
        {0x8A, u8"Š"},
        {0x8B, u8"‹"},
        {0x8C, u8"Œ"},
        {0x8E, u8"Ž"},
        {0x91, u8"‘"},
        {0x92, u8"’"},
        {0x93, u8"“"},
        {0x94, u8"”"},
        {0x95, u8"•"},
        {0x96, u8"–"},
        {0x97, u8"—"},
        {0x98, u8"˜"},
        {0x99, u8"™"},
        {0x9A, u8"š"},
        {0x9B, u8"›"},
        {0x9C, u8"œ"},
        {0x9E, u8"ž"},
        {0x9F, u8"Ÿ"},
        // Undefined in the code page: the control character of the same number.
        {0x81, u8"\u0081"},
        {0x8D, u8"\u008D"},
        {0x8F, u8"\u008F"},
        {0x90, u8"\u0090"},
        {0x9D, u8"\u009D"},
        // Latin-1 around them.
        {0x7F, u8"\u007F"},
        {0xA0, u8"\u00A0"},
        {0xE9, u8"é"},
        {0xFF, u8"ÿ"},
    };
    for (const auto& row : table) {
        SCOPED_TRACE(testing::Message() << "byte 0x" << std::hex << int(row.byte));
        const std::string byte(1, char(row.byte));
        EXPECT_EQ(notes::decode_windows1252(byte), utf8(row.character));
        const notes::Windows1252Bytes saved = notes::encode_windows1252(utf8(row.character));
        EXPECT_TRUE(saved.complete);
        EXPECT_EQ(saved.bytes, byte);
    }
}

TEST(EncodeText, WritesTheMarkAndFallsBackToUtf8WhenTheCodePageCannotHoldTheText) {
    const struct {
        const char* name;
        std::string text;
        TextEncoding wanted;
        TextEncoding written;
        std::string_view bytes;
    } cases[] = {
        {"8-bit text", utf8(u8"Élève — 10 €\r\n"), TextEncoding::Ansi, TextEncoding::Ansi,
         "\xC9l\xE8ve \x97 10 \x80\r\n"sv},
        {"empty 8-bit text", "", TextEncoding::Ansi, TextEncoding::Ansi, ""sv},
        {"Chinese in an 8-bit note", utf8(u8"a日本"), TextEncoding::Ansi, TextEncoding::Utf8,
         "\xEF\xBB\xBF"
         "a\xE6\x97\xA5\xE6\x9C\xAC"sv},
        {"emoji in an 8-bit note", utf8(u8"😀"), TextEncoding::Ansi, TextEncoding::Utf8,
         "\xEF\xBB\xBF\xF0\x9F\x98\x80"sv},
        {"C1 control the code page does not define as a byte", utf8(u8"\u0080"), TextEncoding::Ansi, TextEncoding::Utf8,
         "\xEF\xBB\xBF\xC2\x80"sv},
        {"invalid UTF-8 in an 8-bit note", "a\xFF", TextEncoding::Ansi, TextEncoding::Utf8,
         "\xEF\xBB\xBF"
         "a\xEF\xBF\xBD"sv},
        {"UTF-8", utf8(u8"é"), TextEncoding::Utf8, TextEncoding::Utf8, "\xEF\xBB\xBF\xC3\xA9"sv},
        {"UTF-16 with a pair", utf8(u8"é😀"), TextEncoding::Utf16, TextEncoding::Utf16,
         "\xFF\xFE\xE9\x00\x3D\xD8\x00\xDE"sv},
        {"empty UTF-16 text keeps its mark", "", TextEncoding::Utf16, TextEncoding::Utf16, "\xFF\xFE"sv},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const notes::EncodedText saved = notes::encode_text(c.text, c.wanted);
        EXPECT_EQ(name_of(saved.encoding), std::string(name_of(c.written)));
        EXPECT_EQ(saved.bytes, c.bytes);
    }
    const notes::Windows1252Bytes partial = notes::encode_windows1252(utf8(u8"a日b"));
    EXPECT_FALSE(partial.complete);
    EXPECT_EQ(partial.bytes, "a?b");
}

// A file opened in the viewer and saved under a new name is the same file again.
TEST(EncodeText, ViewerSaveAsWritesBackTheFileItRead) {
    const std::string_view files[] = {
        "Caf\xE9 \x80 \x81\x8D\x8F\x90\x9D \x85\r\nfin"sv,
        "\xEF\xBB\xBF\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E \xF0\x9F\x98\x80\r\n"sv,
        "\xFF\xFE"
        "h\0\xE9\0\x3D\xD8\x00\xDE\r\0\n\0"sv,
        "\xFF\xFE"sv,
    };
    for (const std::string_view file : files) {
        SCOPED_TRACE(testing::PrintToString(std::string(file)));
        const notes::ViewerText shown = notes::viewer_text(file);
        const notes::EncodedText saved = notes::encode_text(shown.text, shown.encoding);
        EXPECT_EQ(saved.bytes, file);
        EXPECT_TRUE(std::string_view(saved.bytes).starts_with(notes::byte_order_mark(shown.encoding)));
    }
}

TEST(NoteText, EveryLineEndsWithCrLf) {
    const struct {
        const char* name;
        std::string_view file;
        std::string_view text;
    } cases[] = {
        {"empty", ""sv, ""sv},
        {"UTF-8 mark alone", "\xEF\xBB\xBF"sv, ""sv},
        {"last line without a break gains one", "a"sv, "a\r\n"sv},
        {"CR LF kept", "a\r\nb\r\n"sv, "a\r\nb\r\n"sv},
        {"LF", "a\nb"sv, "a\r\nb\r\n"sv},
        {"lone CR", "a\rb"sv, "a\r\nb\r\n"sv},
        {"empty lines", "a\n\n\r\n"sv, "a\r\n\r\n\r\n"sv},
        {"CR CR LF is two lines", "a\r\r\nb"sv, "a\r\n\r\nb\r\n"sv},
        {"LF CR is two lines", "a\n\rb"sv, "a\r\n\r\nb\r\n"sv},
        {"zero characters kept", "a\0b"sv, "a\0b\r\n"sv},
        {"8-bit", "\x80\n"sv, "\xE2\x82\xAC\r\n"sv},
        {"UTF-16",
         "\xFF\xFE"
         "a\0\n\0b\0"sv,
         "a\r\nb\r\n"sv},
        {"UTF-8", "\xEF\xBB\xBF\xC3\xA9\n"sv, "\xC3\xA9\r\n"sv},
        // A dropped-text note has no mark, so the 8-bit code page reads its UTF-8.
        {"UTF-8 without a mark", "\xC3\xA9"sv, "\xC3\x83\xC2\xA9\r\n"sv},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(notes::note_text(c.file), c.text);
    }
}

TEST(NoteText, SavedNoteReadsBackIdentically) {
    const std::string texts[] = {
        utf8(u8"À faire :\r\n— pain, 2 €\r\n“fin”\r\n"),
        utf8(u8"日本\r\n😀\r\n"),  // saved as UTF-8 with its mark
        "\r\n",
    };
    for (const std::string& text : texts) {
        SCOPED_TRACE(text);
        EXPECT_EQ(notes::note_text(notes::encode_text(text, TextEncoding::Ansi).bytes), text);
    }
}

TEST(SizeText, SpacesEveryThreeDigitsAndKibibytesWithTwoDecimals) {
    const struct {
        std::uint64_t bytes;
        const char* text;
    } cases[] = {
        {0, "0 octets (0.00 ko)"},
        {5, "5 octets (0.00 ko)"},
        {999, "999 octets (0.98 ko)"},
        {1000, "1 000 octets (0.98 ko)"},
        {1023, "1 023 octets (1.00 ko)"},
        {1024, "1 024 octets (1.00 ko)"},
        {1234567, "1 234 567 octets (1205.63 ko)"},
        {16777216, "16 777 216 octets (16384.00 ko)"},
        {18446744073709551615ull, "18 446 744 073 709 551 615 octets (18014398509481984.00 ko)"},
    };
    for (const auto& c : cases) EXPECT_EQ(notes::size_text(c.bytes), c.text) << c.bytes << " bytes";
}

}  // namespace
