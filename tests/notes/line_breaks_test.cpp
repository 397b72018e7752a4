// Line breaks between files and editors.
#include "notes/line_breaks.h"

#include <gtest/gtest.h>

namespace {

TEST(LineBreaks, BetweenFileAndEditor) {
    const struct {
        std::string file;
        std::string editor;  // lf_line_breaks(file)
        std::string crlf;    // crlf_line_breaks(editor)
        bool uses_crlf;
    } cases[] = {
        {"a\r\nb\r\n", "a\nb\n", "a\r\nb\r\n", true}, {"a\nb", "a\nb", "a\r\nb", false},
        {"a\rb\r\n", "a\rb\n", "a\rb\r\n", true},  // a lone CR is no line break
        {"\r\n\r\n", "\n\n", "\r\n\r\n", true},       {"\n\r\n", "\n\n", "\r\n\r\n", false},  // the first break decides
        {"no break", "no break", "no break", false},  {"", "", "", false},
        {"end\r", "end\r", "end\r", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.file));
        EXPECT_EQ(notes::lf_line_breaks(c.file), c.editor);
        EXPECT_EQ(notes::crlf_line_breaks(c.editor), c.crlf);
        EXPECT_EQ(notes::uses_crlf(c.file), c.uses_crlf);
    }
    EXPECT_EQ(notes::crlf_line_breaks("a\r\nb\n"), "a\r\nb\r\n") << "a CR LF stays one break";
}

}  // namespace
