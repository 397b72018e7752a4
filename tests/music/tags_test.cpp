// Tag reading: version 2.3 frames and their encodings, the version 1 record,
// hostile headers and frames, bounded reads of large files, and files that
// are not regular files.
#include "music/tags.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <string>

#include <gtest/gtest.h>

#include "music/temp_folder.h"

namespace music {
// Failures show the five fields.
void PrintTo(const Tags& t, std::ostream* out) {
    *out << "{title \"" << t.title << "\", artist \"" << t.artist << "\", album \"" << t.album << "\", year \""
         << t.year << "\", track \"" << t.track << "\"}";
}
}  // namespace music

using music::Tags;
using music::TagSource;

namespace {

std::string big_endian32(std::uint32_t n) { return {char(n >> 24), char(n >> 16), char(n >> 8), char(n)}; }

std::string seven_bit_size(std::uint32_t n) {
    return {char((n >> 21) & 0x7F), char((n >> 14) & 0x7F), char((n >> 7) & 0x7F), char(n & 0x7F)};
}

// Identifier, size (encoding byte + text), two flag bytes, encoding, text.
std::string frame(const std::string& id, char encoding, const std::string& text) {
    return id + big_endian32(std::uint32_t(text.size() + 1)) + std::string(2, '\0') + encoding + text;
}

// A tag as writers make it: the declared size counts the frames and the
// padding after the 10-byte header.
std::string tag(const std::string& frames, std::size_t padding = 32, char version = 3) {
    return "ID3" + std::string{version, '\0', '\0'} + seven_bit_size(std::uint32_t(frames.size() + padding)) + frames +
           std::string(padding, '\0');
}

const std::string audio = "\xFF\xFB\x90\x64" + std::string(200, '\x55');

// The 128-byte record: "TAG", title 30, artist 30, album 30, year 4, rest.
std::string version1(const std::string& title, const std::string& artist, const std::string& album,
                     const std::string& year) {
    const auto field = [](const std::string& text, std::size_t n) {
        return (text + std::string(n, '\0')).substr(0, n);
    };
    std::string record = "TAG" + field(title, 30) + field(artist, 30) + field(album, 30) + field(year, 4);
    record.resize(128, '\0');
    return record;
}

const std::string utf16le_mark = "\xFF\xFE", utf16be_mark = "\xFE\xFF";

std::string utf16le(const std::string& ascii) {
    std::string out;
    for (char c : ascii) out += {c, '\0'};
    return out;
}

std::string utf16be(const std::string& ascii) {
    std::string out;
    for (char c : ascii) out += {'\0', c};
    return out;
}

// Bytes of a literal, NULs included.
template <std::size_t N>
std::string bytes(const char (&literal)[N]) {
    return std::string(literal, N - 1);
}

Tags title(const std::string& text) { return {.title = text}; }

struct Row {
    const char* name;
    std::string file;
    TagSource source;
    Tags tags;
};

}  // namespace

TEST(Tags, ReadsFramesRecordsAndHostileFiles) {
    const std::string five = frame("TIT2", 0, "Green Morning") + frame("TPE1", 0, "The Quiet Hours") +
                             frame("TALB", 0, "Harbour Lights") + frame("TYER", 0, "1987") + frame("TRCK", 0, "3/5");
    const Row rows[] = {
        {"five frames",
         tag(five) + audio,
         TagSource::Version23,
         {"Green Morning", "The Quiet Hours", "Harbour Lights", "1987", "3/5"}},
        {"ISO-8859-1 keeps its accents", tag(frame("TIT2", 0, "R\xEAve d'\xE9t\xE9")), TagSource::Version23,
         title("R\xC3\xAAve d'\xC3\xA9t\xC3\xA9")},
        {"UTF-8 drops what is not UTF-8", tag(frame("TIT2", 3, "Caf\xC3\xA9 \xFF\xC3!")), TagSource::Version23,
         title("Caf\xC3\xA9 !")},
        {"unknown encoding read as UTF-8", tag(frame("TIT2", 7, "x\xC3\xA9\xE9")), TagSource::Version23,
         title("x\xC3\xA9")},
        {"text ends at the first NUL", tag(frame("TIT2", 0, std::string("one\0two", 7))), TagSource::Version23,
         title("one")},
        {"UTF-16 little-endian mark", tag(frame("TIT2", 1, utf16le_mark + utf16le("Zo\xEB") + utf16le(bytes("\0x")))),
         TagSource::Version23, title("Zo\xC3\xAB")},
        {"UTF-16 big-endian mark", tag(frame("TIT2", 1, utf16be_mark + utf16be("Night"))), TagSource::Version23,
         title("Night")},
        {"UTF-16 without mark, big-endian", tag(frame("TIT2", 1, utf16be("Night"))), TagSource::Version23,
         title("Night")},
        {"UTF-16 without mark, little-endian", tag(frame("TIT2", 1, utf16le("Night"))), TagSource::Version23,
         title("Night")},
        {"UTF-16 of odd length", tag(frame("TIT2", 1, utf16le_mark + utf16le("ab") + "c")), TagSource::Version23,
         title("ab")},
        {"UTF-16 pair kept, lone surrogate dropped",
         tag(frame("TIT2", 1,
                   utf16le_mark + bytes("\x34\xD8\x1E\xDD"
                                        "a\0"
                                        "\x00\xDC"
                                        "b\0"))),
         TagSource::Version23,
         title("\xF0\x9D\x84\x9E"
               "ab")},
        {"later frame replaces earlier", tag(frame("TIT2", 0, "first") + frame("TIT2", 0, "second")),
         TagSource::Version23, title("second")},
        {"match inside another frame's data counts",
         tag(frame("TIT2", 0, "real") + frame("COMM", 0, "eng" + frame("TIT2", 0, "inner"))), TagSource::Version23,
         title("inner")},
        {"frame size 0 is an empty text",
         tag(frame("TIT2", 0, "first") + "TIT2" + big_endian32(0) + bytes("\0\0\0more")), TagSource::Version23,
         title("")},
        {"frame size past the end is clipped",
         tag(frame("TIT2", 0, "kept")).substr(0, 10) + "TIT2" + big_endian32(0xFFFFFFFF) + std::string(2, '\0') + '\0' +
             "clipped",
         TagSource::Version23, title("clipped")},
        {"frame header cut by the end of the file",
         "ID3\x03" + std::string(2, '\0') + seven_bit_size(1000) + frame("TIT2", 0, "lost") + "TIT2\0",
         TagSource::Version23, title("")},
        {"unpadded tag: last frame whole",
         tag(frame("TYER", 0, "2001"), 0) + audio,
         TagSource::Version23,
         {.year = "2001"}},
        {"declared 500 MB in a small file",
         "ID3\x03" + std::string(2, '\0') + seven_bit_size(500'000'000) + frame("TALB", 0, "Big"),
         TagSource::Version23,
         {.album = "Big"}},
        {"declared size below 10",
         "ID3\x03" + std::string(2, '\0') + seven_bit_size(9) + frame("TIT2", 0, "no"),
         TagSource::Version23,
         {}},
        {"version 2.4: nothing, version 1 not consulted",
         tag(frame("TIT2", 3, "four"), 32, 4) + audio + version1("one", "", "", ""),
         TagSource::Nothing,
         {}},
        {"version 2.3 wins over version 1", tag(frame("TIT2", 0, "two")) + audio + version1("one", "", "", ""),
         TagSource::Version23, title("two")},
        {"signature alone", "ID3", TagSource::Nothing, {}},
        {"version 1 record",
         audio + version1("Song", "Artist", "Album", "2003"),
         TagSource::Version1,
         {"Song", "Artist", "Album", "2003", ""}},
        {"version 1 fields fill their width",
         version1(std::string(30, 't') + "x", std::string(30, 'a'), "", "19999"),
         TagSource::Version1,
         {std::string(30, 't'), std::string(30, 'a'), "", "1999", ""}},
        {"version 1 in ISO-8859-1 and in UTF-8",
         version1("\xC9t\xE9", "Zo\xC3\xAB", "", ""),
         TagSource::Version1,
         {"\xC3\x89t\xC3\xA9", "Zo\xC3\xAB", "", "", ""}},
        {"shorter than 128 bytes", "TAG" + std::string(100, 'x'), TagSource::Nothing, {}},
        {"empty file", "", TagSource::Nothing, {}},
        {"a PNG picture", "\x89PNG\r\n\x1A\n" + std::string(300, '\x11'), TagSource::Nothing, {}},
    };
    for (const Row& row : rows) {
        const music::TagReading reading = music::read_tags(music::memory_view(row.file));
        EXPECT_EQ(reading.source, row.source) << row.name;
        EXPECT_EQ(reading.tags, row.tags) << row.name;
    }
}

TEST(Tags, LargeFilesAreReadInBoundedPieces) {
    struct Row {
        const char* name;
        std::string start;
        std::uint64_t size;
        TagSource source;
        std::uint64_t most_read;  // bytes in all reads together
    };
    const std::string small_tag = tag(frame("TIT2", 0, "t"));
    const std::string huge_header = "ID3\x03" + std::string(2, '\0') + seven_bit_size(0x0FFFFFFF);
    const Row rows[] = {
        {"10 MB file with a small tag", small_tag, 10'000'000, TagSource::Version23, 3 + 10 + small_tag.size()},
        {"10 MB file without a tag", audio, 10'000'000, TagSource::Nothing, 3 + 128},
        {"1 GB file declaring a 256 MB tag", huge_header, 1'000'000'000, TagSource::Version23,
         3 + 10 + music::max_tag_bytes},
    };
    for (const Row& row : rows) {
        std::uint64_t total = 0;
        // The file: `start`, then zeros.
        const music::FileView file{row.size, [&](std::uint64_t offset, std::size_t length) {
                                       total += length;
                                       std::string bytes(length, '\0');
                                       for (std::size_t i = 0; i < length && offset + i < row.start.size(); ++i)
                                           bytes[i] = row.start[offset + i];
                                       return bytes;
                                   }};
        EXPECT_EQ(music::read_tags(file).source, row.source) << row.name;
        EXPECT_LE(total, row.most_read) << row.name;
    }
}

TEST(Tags, OnlyRegularFilesAreRead) {
    const test_music::TempFolder folder;
    const std::string tagged = folder / "tagged.mp3", fifo = folder / "pipe.mp3";
    std::ofstream(tagged, std::ios::binary) << tag(frame("TIT2", 0, "On disk")) << audio;
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);

    EXPECT_EQ(music::read_tags(tagged).tags.title, "On disk");
    // Each of these would block or read without end if it were opened as a file.
    for (const std::string& path : {fifo, std::string("/dev/zero"), folder.path().string(), folder / "missing.mp3"}) {
        const music::TagReading reading = music::read_tags(path);
        EXPECT_EQ(reading.source, TagSource::Nothing) << path;
    }
}
