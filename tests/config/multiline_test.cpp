// Texts of several lines kept in one value of the data file.
#include "config/multiline.h"

#include <gtest/gtest.h>

namespace {

TEST(Multiline, EncodeAndDecode) {
    const struct {
        const char* name;
        const char* text;
        const char* value;
    } rows[] = {
        {"one line", "Dentiste à 10 h", "Dentiste à 10 h"},
        {"line feed", "Dentiste\nà 10 h", "Dentiste\\nà 10 h"},
        {"several lines", "a\n\nb\n", "a\\n\\nb\\n"},
        {"backslash", "C:\\new\\file", "C:\\\\new\\\\file"},
        {"backslash before n", "\\n", "\\\\n"},
        {"empty", "", ""},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(config::encode_lines(row.text), row.value) << row.name;
        EXPECT_EQ(config::decode_lines(row.value), row.text) << row.name;
    }
}

TEST(Multiline, EveryLineBreakIsWrittenTheSameWay) {
    EXPECT_EQ(config::encode_lines("a\r\nb\rc\nd"), "a\\nb\\nc\\nd");
    EXPECT_EQ(config::encode_lines("a\n").find('\n'), std::string::npos);
}

// Values written by hand or by older versions read as they are, except the two escapes.
TEST(Multiline, OtherBackslashesStay) {
    const struct {
        const char* value;
        const char* text;
    } rows[] = {{"\\t", "\\t"}, {"end\\", "end\\"}, {"a\\b", "a\\b"}, {"\\\\\\", "\\\\"}};
    for (const auto& row : rows) EXPECT_EQ(config::decode_lines(row.value), row.text) << row.value;
}

}  // namespace
