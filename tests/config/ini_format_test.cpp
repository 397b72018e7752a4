// The data file's text format as read and as written, and its value notations.
#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "config/ini.h"

using config::IniDoc;
using config::IniLine;

namespace {

const std::string bom = "\xEF\xBB\xBF";

// The (group, key, value) of every key line, in file order.
std::vector<std::tuple<std::string, std::string, std::string>> keys_of(const IniDoc& doc) {
    std::vector<std::tuple<std::string, std::string, std::string>> out;
    for (const auto& g : doc.groups)
        for (const auto& l : g.lines)
            if (l.kind == IniLine::Kind::Key) out.emplace_back(g.name, l.key, l.value);
    return out;
}

}  // namespace

TEST(IniFormat, WritesMarkCrLfHeadersKeysAndComments) {
    IniDoc doc;
    doc.groups[0].lines.push_back({IniLine::Kind::Comment, {}, "Vimo Duzi"});
    doc.groups[0].lines.push_back({IniLine::Kind::Comment, {}, ""});
    doc.groups.push_back({"Global", {{IniLine::Kind::Key, "Lng", "Fr"}, {IniLine::Kind::Key, "Zoom", "100"}}});
    doc.groups.push_back({"Run", {{IniLine::Kind::Key, "Run1", ""}}});
    EXPECT_EQ(config::ini_write(doc),
              bom + "\r\n; Vimo Duzi\r\n; \r\n[Global]\r\nLng = Fr\r\nZoom = 100\r\n[Run]\r\nRun1 = \r\n");
}

TEST(IniFormat, ReadsWhatItWritesUnchanged) {
    const std::string bytes = bom +
                              "\r\n; a comment\r\n[Global]\r\nX_Origin = 12\r\nLng = Us\r\n"
                              "[Radio]\r\nJazz --- x = http://a.b/c?d=e\r\n";
    EXPECT_EQ(config::ini_write(config::ini_read(bytes)), bytes);
}

TEST(IniFormat, LineReadingRules) {
    struct Row {
        const char* name;
        std::string input;
        std::vector<std::tuple<std::string, std::string, std::string>> expected;
    };
    const Row rows[] = {
        {"no blanks around equals", "[G]\nKey=Value", {{"G", "Key", "Value"}}},
        {"blanks and tabs both sides", "[G]\n  \tKey \t =\t  Value", {{"G", "Key", "Value"}}},
        {"value keeps later equals signs", "[G]\nUrl = http://x/?a=b", {{"G", "Url", "http://x/?a=b"}}},
        {"CR line ends", "[G]\rA = 1\rB = 2", {{"G", "A", "1"}, {"G", "B", "2"}}},
        {"LF and CR LF mixed, empty lines dropped",
         "[G]\n\nA = 1\r\n\r\n\r\nB = 2\n",
         {{"G", "A", "1"}, {"G", "B", "2"}}},
        {"header without closing bracket", "[Open\nA = 1", {{"Open", "A", "1"}}},
        {"rest of header line ignored", "[G] trailing ; words\nA = 1", {{"G", "A", "1"}}},
        {"key before any header", "A = 1\n[G]\nB = 2", {{"", "A", "1"}, {"G", "B", "2"}}},
        {"empty key name", "[G]\n = v", {{"G", "", "v"}}},
        {"NUL bytes kept as characters", std::string("[G]\nA = x\0y", 11), {{"G", "A", std::string("x\0y", 3)}}},
    };
    for (const Row& row : rows) EXPECT_EQ(keys_of(config::ini_read(row.input)), row.expected) << row.name;
}

TEST(IniFormat, CommentsKeepTextAfterSemicolonAndOneSpace) {
    const IniDoc doc = config::ini_read(bom + "\r\n;one\r\n;  two\r\n; \r\n");
    ASSERT_EQ(doc.groups[0].lines.size(), 3u);
    EXPECT_EQ(doc.groups[0].lines[0].value, "one");
    EXPECT_EQ(doc.groups[0].lines[1].value, " two");
    EXPECT_EQ(doc.groups[0].lines[2].value, "");
}

TEST(IniFormat, LineWithoutEqualsSurvivesARewrite) {
    const IniDoc doc = config::ini_read(bom + "\r\n[G]\r\njust words\r\nA = 1\r\n");
    EXPECT_EQ(config::ini_write(doc), bom + "\r\n[G]\r\njust words\r\nA = 1\r\n");
}

TEST(IniFormat, Latin1WithoutMarkIsReadAsLatin1AndWrittenAsUtf8WithMark) {
    const IniDoc doc = config::ini_read("[Separators]\r\nSeparator001 = Musique \xE9t\xE9\r\n");
    EXPECT_EQ(std::get<2>(keys_of(doc).at(0)), "Musique \xC3\xA9t\xC3\xA9");
    EXPECT_EQ(config::ini_write(doc), bom + "\r\n[Separators]\r\nSeparator001 = Musique \xC3\xA9t\xC3\xA9\r\n");
}

// Without the mark, valid UTF-8 is UTF-8: reading it as Latin-1 would encode
// every accent twice, and save it so.
TEST(IniFormat, WithoutMarkValidUtf8IsUtf8AndAnythingElseLatin1) {
    struct Row {
        const char* name;
        std::string value;  // as it stands in a file without the mark
        std::string read;   // as held and written back, UTF-8
    };
    const Row rows[] = {
        {"UTF-8 accents", "Musique \xC3\xA9t\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x8E\xB5",
         "Musique \xC3\xA9t\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x8E\xB5"},
        {"Latin-1 accents", "Musique \xE9t\xE9", "Musique \xC3\xA9t\xC3\xA9"},
        {"Latin-1 pair that looks like a lead byte", "\xC3\x28", "\xC3\x83("},
        {"overlong slash", "\xC0\xAF", "\xC3\x80\xC2\xAF"},
        {"surrogate", "\xED\xA0\x80", "\xC3\xAD\xC2\xA0\xC2\x80"},
        {"cut sequence at the end", "\xE2\x82", "\xC3\xA2\xC2\x82"},
        {"plain ASCII", "Musique", "Musique"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const IniDoc doc = config::ini_read("[Separators]\r\nSeparator001 = " + row.value);
        EXPECT_EQ(std::get<2>(keys_of(doc).at(0)), row.read);
        EXPECT_EQ(config::ini_write(doc), bom + "\r\n[Separators]\r\nSeparator001 = " + row.read + "\r\n");
    }
}

TEST(IniFormat, ZeroByteFileIsWrittenWithoutMark) {
    IniDoc doc = config::ini_read("");
    doc.groups.push_back({"Global", {{IniLine::Kind::Key, "Lng", "Fr"}}});
    EXPECT_EQ(config::ini_write(doc), "[Global]\r\nLng = Fr\r\n");
}

TEST(IniFormat, IntegerNotation) {
    const std::pair<const char*, std::int64_t> rows[] = {
        {"42", 42},
        {"  -7", -7},
        {"+5", 5},
        {"12abc", 12},
        {"abc", 0},
        {"", 0},
        {"$FF", 0},
        {"3.9", 3},
        {"99999999999999999999", std::numeric_limits<std::int64_t>::max()},
        {"-99999999999999999999", std::numeric_limits<std::int64_t>::min()},
    };
    for (auto [text, expected] : rows) EXPECT_EQ(config::parse_integer(text), expected) << text;
}

TEST(IniFormat, ColourNotationReadsHexBinaryAndDecimal) {
    const std::pair<const char*, std::int64_t> rows[] = {
        {"$FF", 255}, {"$ff", 255}, {"255", 255},   {"%1010", 10}, {"  $DCDCDC", 14474460},
        {"", 0},      {"$", 0},     {"$FFG1", 255}, {"-$10", -16}, {"%102", 2},
    };
    for (auto [text, expected] : rows) EXPECT_EQ(config::parse_number(text), expected) << text;
    EXPECT_EQ(config::format_colour(0), "$0");
    EXPECT_EQ(config::format_colour(255), "$FF");
    EXPECT_EQ(config::format_colour(14474460), "$DCDCDC");
}

TEST(IniFormat, RealNotationRoundTripsAndHasWordsForSpecialValues) {
    EXPECT_EQ(config::format_real(0), "0");
    EXPECT_EQ(config::format_real(14474460), "14474460");
    EXPECT_EQ(config::format_real(-2.5), "-2.5");
    EXPECT_EQ(config::format_real(0.1), "0.1000000000000000055511151231257827021181583404541015625");
    EXPECT_EQ(config::format_real(std::numeric_limits<double>::infinity()), "+Infinity");
    EXPECT_EQ(config::format_real(-std::numeric_limits<double>::infinity()), "-Infinity");
    EXPECT_EQ(config::format_real(std::nan("")), "NaN");

    for (double v : {0.0, 1.0, -2.5, 0.1, 1e300, 123456789.125, 5e-324})
        EXPECT_EQ(config::parse_real(config::format_real(v)), v) << v;
    EXPECT_TRUE(std::isinf(config::parse_real("+Infinity")));
    EXPECT_LT(config::parse_real("-Infinity"), 0);
    EXPECT_TRUE(std::isnan(config::parse_real("NaN")));
    EXPECT_EQ(config::parse_real(" 1536917290.6 "), 1536917290.6);
    EXPECT_EQ(config::parse_real("inf"), 0);
    EXPECT_EQ(config::parse_real("words"), 0);
    EXPECT_TRUE(std::isinf(config::parse_real("1e999")));
}

TEST(IniFormat, HostileInputLoadsWithoutCrashing) {
    std::string huge_line(1 << 20, 'x');
    std::string many_keys = "[Run]\n";
    for (int i = 0; i < 100000; ++i) many_keys += "Run" + std::to_string(i) + " = v\n";
    std::string binary;
    for (int i = 0; i < 4096; ++i) binary += char(i * 7919 % 256);
    const std::string inputs[] = {
        "[[[[",
        "]]]] = [[",
        "=",
        "\xEF\xBB",
        "\xEF\xBB\xBF",
        "\xEF\xBB\xBF\xFF\xFE\x80[G\n\xC3",
        "[G]\nA = " + huge_line,
        huge_line,
        many_keys,
        binary,
        std::string(1000, '\0'),
    };
    for (const std::string& input : inputs) {
        const IniDoc doc = config::ini_read(input);
        EXPECT_FALSE(doc.groups.empty());
        const IniDoc again = config::ini_read(config::ini_write(doc));
        EXPECT_EQ(config::ini_write(again), config::ini_write(doc));
    }
    EXPECT_EQ(keys_of(config::ini_read(many_keys)).size(), 100000u);
}
