// Playlist files: which lines are entries, how lines end, favourite lists
// read whole, the CR-terminated save format, large lists, and files that are
// not regular files or are too large.
#include "music/playlist_file.h"

#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "music/temp_folder.h"

using Lines = std::vector<std::string>;

namespace {

// `count` replacement characters U+FFFD.
std::string replaced(int count) {
    std::string out;
    for (int i = 0; i < count; ++i) out += "\xEF\xBF\xBD";
    return out;
}

}  // namespace

TEST(PlaylistFile, EntryTest) {
    const std::pair<std::string, bool> rows[] = {
        {"/home/user/Music/a.mp3", true},
        {"C:\\Music\\a.mp3", true},
        {"\\\\server\\share\\a.mp3", true},
        {"\xC3\x89:\\a.mp3", true},  // the drive letter is one character, whatever its bytes
        {"C:\\", true},
        {"C:/Music/a.mp3", false},
        {"Music\\a.mp3", false},
        {"a.mp3", false},
        {"\\single\\a.mp3", false},
        {"#EXTM3U", false},
        {"#EXTINF:123,Artist - Title", false},
        {"file:///home/user/a.mp3", false},
        {" /home/user/a.mp3", false},
        {"C:", false},
        {"", false},
    };
    for (const auto& [line, entry] : rows) EXPECT_EQ(music::is_playlist_entry(line), entry) << line;
}

TEST(PlaylistFile, ReadingLinesAsPlaylistAndAsFavourite) {
    struct Row {
        const char* name;
        std::string bytes;
        Lines entries;     // read as a playlist
        Lines favourites;  // read whole
    };
    const Row rows[] = {
        {"CR LF", "/a.mp3\r\nC:\\b.mp3\r\n", {"/a.mp3", "C:\\b.mp3"}, {"/a.mp3", "C:\\b.mp3"}},
        {"LF", "/a.mp3\n/b.mp3", {"/a.mp3", "/b.mp3"}, {"/a.mp3", "/b.mp3"}},
        {"CR, as saved", "/a.mp3\r/b.mp3\r", {"/a.mp3", "/b.mp3"}, {"/a.mp3", "/b.mp3"}},
        {"LF CR is two line ends", "/a.mp3\n\r/b.mp3", {"/a.mp3", "/b.mp3"}, {"/a.mp3", "", "/b.mp3"}},
        {"M3U with comments and a relative path",
         "#EXTM3U\n#EXTINF:12,X - Y\n/music/y.mp3\nrelative.mp3\n",
         {"/music/y.mp3"},
         {"#EXTM3U", "#EXTINF:12,X - Y", "/music/y.mp3", "relative.mp3"}},
        {"empty lines and blanks kept as they are",
         "\r\n /a.mp3 \r\n/b.mp3 \r\n\r\n",
         {"/b.mp3 "},
         {"", " /a.mp3 ", "/b.mp3 ", ""}},
        {"NUL splits a line", std::string("/a.mp3\0/b.mp3\r\n", 15), {"/a.mp3", "/b.mp3"}, {"/a.mp3", "/b.mp3"}},
        {"ill-formed UTF-8 becomes U+FFFD",
         "/\xE9t\xE9.mp3\n/ok\xC3\xA9",
         {"/\xEF\xBF\xBDt\xEF\xBF\xBD.mp3", "/ok\xC3\xA9"},
         {"/\xEF\xBF\xBDt\xEF\xBF\xBD.mp3", "/ok\xC3\xA9"}},
        {"overlong, surrogate and past U+10FFFF forms are ill-formed",
         "\xC0\xAF\xED\xA0\x80\xF4\x90\x80\x80",
         {},
         {replaced(9)}},
        {"UTF-8 mark skipped", "\xEF\xBB\xBF/a.mp3\r\n", {"/a.mp3"}, {"/a.mp3"}},
        {"empty file", "", {}, {}},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(music::playlist_entries(row.bytes), row.entries) << row.name;
        EXPECT_EQ(music::favourite_entries(row.bytes), row.favourites) << row.name;
    }
}

TEST(PlaylistFile, SavedBytesEndEveryLineWithOneCarriageReturn) {
    const Lines paths = {"/home/user/\xC3\xA9t\xC3\xA9.mp3", "C:\\Music\\b.mp3", ""};
    EXPECT_EQ(music::playlist_bytes(paths), "/home/user/\xC3\xA9t\xC3\xA9.mp3\rC:\\Music\\b.mp3\r\r");
    EXPECT_EQ(music::favourite_entries(music::playlist_bytes(paths)), paths);
    EXPECT_EQ(music::playlist_bytes({}), "");
    // A path with a line end in it cannot be one line: it is left out.
    EXPECT_EQ(music::playlist_bytes({"/a\nb.mp3", "/c.mp3", std::string("/d\0", 3)}), "/c.mp3\r");
}

TEST(PlaylistFile, LargeListsAndLongLines) {
    Lines paths;
    for (int i = 0; i < 100000; ++i) paths.push_back("/music/album " + std::to_string(i) + "/track.mp3");
    paths.push_back("/" + std::string(1'000'000, 'x'));
    EXPECT_EQ(music::playlist_entries(music::playlist_bytes(paths)), paths);
}

TEST(PlaylistFile, OnlyRegularFilesWithinTheCapAreRead) {
    const test_music::TempFolder folder;
    const std::string list = folder / "list.m3u", fifo = folder / "pipe.m3u", at_cap = folder / "at_cap.txt",
                      over_cap = folder / "over_cap.txt";
    std::ofstream(list, std::ios::binary) << "#EXTM3U\r\n/a.mp3\r\n";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    for (const auto& [path, size] :
         {std::pair{at_cap, music::max_playlist_bytes}, std::pair{over_cap, music::max_playlist_bytes + 1}}) {
        std::ofstream{path};
        ASSERT_EQ(truncate(path.c_str(), off_t(size)), 0);  // sparse: nothing written
    }

    const music::PlaylistFile read = music::read_playlist_file(list);
    EXPECT_EQ(read.status, music::PlaylistFileStatus::Read);
    EXPECT_EQ(read.bytes, "#EXTM3U\r\n/a.mp3\r\n");
    EXPECT_EQ(music::read_playlist_file(at_cap).bytes.size(), music::max_playlist_bytes);
    EXPECT_EQ(music::read_playlist_file(folder / "missing.m3u").status, music::PlaylistFileStatus::Missing);
    for (const std::string& path : {fifo, std::string("/dev/zero"), folder.path().string(), over_cap}) {
        const music::PlaylistFile refused = music::read_playlist_file(path);
        EXPECT_EQ(refused.status, music::PlaylistFileStatus::Refused) << path;
        EXPECT_TRUE(refused.bytes.empty()) << path;
    }
}
