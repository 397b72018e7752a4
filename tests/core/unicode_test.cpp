// Text from outside as the subsystems meet it: broken UTF-8 never passes as
// valid and never swallows the character after it, and the 8-bit code pages
// read back what they wrote.
#include "core/unicode.h"

#include <string>

#include <gtest/gtest.h>

namespace {

using namespace std::string_literals;

TEST(Unicode, IllFormedUtf8IsRefusedAndRepairedOneCharacterAtATime) {
    struct Case {
        std::string bytes;
        bool valid;
        std::string dropped;
        std::string replaced;
    };
    const std::string fffd = "\xEF\xBF\xBD";
    const Case cases[] = {
        {"plain", true, "plain", "plain"},
        {"\xC3\xA9t\xC3\xA9", true, "\xC3\xA9t\xC3\xA9", "\xC3\xA9t\xC3\xA9"},
        {"\xF0\x9F\x8E\xB5", true, "\xF0\x9F\x8E\xB5", "\xF0\x9F\x8E\xB5"},  // beyond the basic plane
        {"a\xC0\xAF"
         "b",
         false, "ab", "a" + fffd + fffd + "b"},                      // overlong slash
        {"\xED\xA0\x80", false, "", fffd + fffd + fffd},             // a surrogate
        {"\xF4\x90\x80\x80", false, "", fffd + fffd + fffd + fffd},  // past U+10FFFF
        // A sequence cut short by the next character keeps that character.
        {"\xE2\x82"
         "A",
         false, "A", fffd + fffd + "A"},
        {"\xE2\x82", false, "", fffd + fffd},
        {"x\x80", false, "x", "x" + fffd},
        {"a\0b"s, true, "a\0b"s, "a\0b"s},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.replaced);
        EXPECT_EQ(core::is_valid_utf8(c.bytes), c.valid);
        EXPECT_EQ(core::utf8_dropping_invalid(c.bytes), c.dropped);
        EXPECT_EQ(core::utf8_replacing_invalid(c.bytes), c.replaced);
    }

    // Read character by character, a cut sequence is one replacement and the
    // byte that broke it starts the next character.
    const std::string cut =
        "\xE2\x82"
        "A\xC3\xA9";
    std::size_t pos = 0;
    EXPECT_EQ(core::next_utf8(cut, pos), core::replacement_character);
    EXPECT_EQ(pos, 2u);
    EXPECT_EQ(core::next_utf8(cut, pos), U'A');
    EXPECT_EQ(core::next_utf8(cut, pos), U'\u00E9');
    EXPECT_EQ(pos, cut.size());
}

TEST(Unicode, EightBitCodePagesReadBackWhatTheyWrote) {
    EXPECT_EQ(core::latin1_to_utf8("caf\xE9 \x80"), "caf\xC3\xA9 \xC2\x80");
    EXPECT_EQ(core::windows1252_to_utf8("\x80 \x92 \x9C"), "\xE2\x82\xAC \xE2\x80\x99 \xC5\x93");

    for (int byte = 0; byte < 256; ++byte) {
        SCOPED_TRACE(byte);
        const char32_t c = core::windows1252_code_point(static_cast<unsigned char>(byte));
        // Every byte, defined or not, comes back from its code point.
        EXPECT_EQ(core::windows1252_byte(c), byte);
    }
    for (unsigned char undefined : {0x81, 0x8D, 0x8F, 0x90, 0x9D}) EXPECT_FALSE(core::windows1252_defines(undefined));
    EXPECT_TRUE(core::windows1252_defines(0x80));
    EXPECT_EQ(core::windows1252_byte(U'\u65E5'), -1);
    EXPECT_EQ(core::windows1252_byte(U'\u0080'), -1);  // 0x80 holds the euro sign instead
}

}  // namespace
