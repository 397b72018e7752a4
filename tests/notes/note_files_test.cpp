// Reading text files from outside, and the names of dropped-text notes.
#include "notes/note_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <string>

#include <gtest/gtest.h>

#include "platform/clock.h"

namespace {

using notes::ReadStatus;

class TempFolder {
public:
    TempFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "vd-notes-XXXXXX").string();
        path_ = ::mkdtemp(pattern.data());
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    std::string operator/(const std::string& name) const { return (path_ / name).string(); }
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

void write_file(const std::string& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), std::streamsize(bytes.size()));
}

const char* status_name(ReadStatus status) {
    switch (status) {
    case ReadStatus::Ok: return "Ok";
    case ReadStatus::CannotOpen: return "CannotOpen";
    case ReadStatus::NotRegularFile: return "NotRegularFile";
    case ReadStatus::TooLarge: return "TooLarge";
    case ReadStatus::ReadError: return "ReadError";
    }
    return "?";
}

TEST(ReadTextFile, ReadsRegularFilesWithinTheCapAndRefusesTheRest) {
    TempFolder folder;
    write_file(folder / "note.txt", std::string_view("a\0b\r\n", 5));
    write_file(folder / "empty.txt", "");
    write_file(folder / "ten.txt", "0123456789");
    ASSERT_EQ(::mkfifo((folder / "fifo.txt").c_str(), 0600), 0);
    std::filesystem::create_directory(folder / "folder.txt");
    // Sparse: the size is there without the disk space.
    {
        std::ofstream(folder / "huge.txt").close();
        std::filesystem::resize_file(folder / "huge.txt", notes::max_text_file_bytes + 1);
    }
    ASSERT_EQ(::symlink("/dev/zero", (folder / "zero.txt").c_str()), 0);

    const struct {
        std::string path;
        std::size_t cap;
        ReadStatus status;
        std::string bytes;
    } cases[] = {
        {folder / "note.txt", notes::max_text_file_bytes, ReadStatus::Ok, std::string("a\0b\r\n", 5)},
        {folder / "empty.txt", notes::max_text_file_bytes, ReadStatus::Ok, ""},
        {folder / "ten.txt", 10, ReadStatus::Ok, "0123456789"},
        {folder / "ten.txt", 9, ReadStatus::TooLarge, ""},
        {folder / "huge.txt", notes::max_text_file_bytes, ReadStatus::TooLarge, ""},
        {folder / "missing.txt", notes::max_text_file_bytes, ReadStatus::CannotOpen, ""},
        {"", notes::max_text_file_bytes, ReadStatus::CannotOpen, ""},
        // A FIFO without a writer and an endless device would each block a plain read for ever.
        {folder / "fifo.txt", notes::max_text_file_bytes, ReadStatus::NotRegularFile, ""},
        {folder / "zero.txt", notes::max_text_file_bytes, ReadStatus::NotRegularFile, ""},
        {"/dev/zero", notes::max_text_file_bytes, ReadStatus::NotRegularFile, ""},
        {folder / "folder.txt", notes::max_text_file_bytes, ReadStatus::NotRegularFile, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path + " cap " + std::to_string(c.cap));
        const notes::TextFile file = notes::read_text_file(c.path, c.cap);
        EXPECT_STREQ(status_name(file.status), status_name(c.status));
        EXPECT_EQ(file.bytes, c.bytes);
    }
}

TEST(ReadTextFile, ProcFilesAreReadToTheirEndThoughTheyReportSizeZero) {
    const notes::TextFile file = notes::read_text_file("/proc/self/status", notes::max_text_file_bytes);
    ASSERT_EQ(file.status, ReadStatus::Ok);
    EXPECT_NE(file.bytes.find("Name:"), std::string::npos);
    // And the cap still holds there, where the folder's size says nothing.
    EXPECT_EQ(notes::read_text_file("/proc/self/status", 4).status, ReadStatus::TooLarge);
}

TEST(DroppedNotes, FolderAndNameFollowTheDesktopAndTheTime) {
    EXPECT_EQ(notes::dropped_notes_folder("/home/ana/Desktop", "ana"), "/home/ana/Desktop/Notes_ana");
    EXPECT_EQ(notes::dropped_notes_folder("/home/ana/Desktop/", "ana"), "/home/ana/Desktop/Notes_ana");
    EXPECT_EQ(notes::dropped_note_name(platform::date_value(2024, 3, 5, 9, 7, 2)), "Note_2024-03-05_09-07-02.txt");
    EXPECT_EQ(notes::dropped_note_name(platform::date_value(1999, 12, 31, 23, 59, 59)), "Note_1999-12-31_23-59-59.txt");
}

TEST(DroppedNotes, ANameInUseGetsTheNextNumberBeforeTheExtension) {
    const std::int64_t when = platform::date_value(2024, 3, 5, 9, 7, 2);
    const std::string first = "/d/Notes_ana/Note_2024-03-05_09-07-02.txt";
    const std::string second = "/d/Notes_ana/Note_2024-03-05_09-07-02_2.txt";
    const std::string third = "/d/Notes_ana/Note_2024-03-05_09-07-02_3.txt";
    const struct {
        const char* name;
        std::set<std::string> in_use;
        std::optional<std::string> expected;
    } cases[] = {
        {"free", {}, first},
        {"first in use", {first}, second},
        {"first two in use", {first, second}, third},
        {"a gap is filled", {first, third}, second},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto path = notes::new_dropped_note_path("/d/Notes_ana", when,
                                                       [&](const std::string& p) { return c.in_use.count(p) > 0; });
        EXPECT_EQ(path, c.expected);
    }
    int asked = 0;
    const auto none = notes::new_dropped_note_path("/d", when, [&](const std::string&) {
        ++asked;
        return true;
    });
    EXPECT_FALSE(none.has_value());
    EXPECT_EQ(asked, notes::max_notes_per_second);
}

TEST(DroppedNotes, TwoDropsInOneSecondMakeTwoFiles) {
    TempFolder folder;
    const std::int64_t when = platform::date_value(2024, 3, 5, 9, 7, 2);
    // Claiming the name by an exclusive create is what keeps a second drop off the first note.
    const auto claim = [](const std::string& path) {
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (fd < 0) return true;
        ::close(fd);
        return false;
    };
    const auto first = notes::new_dropped_note_path(folder.path().string(), when, claim);
    const auto second = notes::new_dropped_note_path(folder.path().string(), when, claim);
    ASSERT_TRUE(first && second);
    EXPECT_EQ(std::filesystem::path(*first).filename(), "Note_2024-03-05_09-07-02.txt");
    EXPECT_EQ(std::filesystem::path(*second).filename(), "Note_2024-03-05_09-07-02_2.txt");
    EXPECT_TRUE(std::filesystem::exists(*second));
}

}  // namespace
