// The one atomic writer and the safe reader of outside files, on real files.
#include "platform/files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

#include <gtest/gtest.h>

#include "support/fixture.h"

namespace {

namespace fs = std::filesystem;
using platform::ReadStatus;
using platform::WriteStep;
using test::read_file;
using test::TempFolder;
using test::write_file;

int entries(const fs::path& folder) {
    int n = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(folder)) ++n;
    return n;
}

// Clears the fault whatever the test's outcome.
struct FaultGuard {
    explicit FaultGuard(platform::WriteFault fault) { platform::set_write_fault(fault); }
    ~FaultGuard() { platform::set_write_fault(std::nullopt); }
};

TEST(ReplaceFile, NewFileGetsTheUsualModeAndAReplacedOneKeepsItsOwn) {
    TempFolder dir;
    const std::string fresh = dir / "fresh.txt";
    const mode_t mask = umask(022);
    ASSERT_TRUE(platform::replace_file(fresh, "new"));
    umask(mask);
    EXPECT_EQ(read_file(fresh), "new");
    EXPECT_EQ(fs::status(fresh).permissions() & fs::perms::all, fs::perms(0644));

    const std::string kept = dir / "kept.txt";
    write_file(kept, "old");
    chmod(kept.c_str(), 0600);
    ASSERT_TRUE(platform::replace_file(kept, "replaced"));
    EXPECT_EQ(read_file(kept), "replaced");
    EXPECT_EQ(fs::status(kept).permissions() & fs::perms::all, fs::perms(0600));
    EXPECT_EQ(entries(dir.path()), 2) << "no temporary file left behind";
}

TEST(ReplaceFile, ALinkStaysALinkAndItsTargetIsReplaced) {
    TempFolder dir;
    write_file(dir / "real.txt", "old");
    fs::create_symlink(dir.path() / "real.txt", dir.path() / "link.txt");
    ASSERT_TRUE(platform::replace_file(dir / "link.txt", "new"));
    EXPECT_TRUE(fs::is_symlink(dir.path() / "link.txt"));
    EXPECT_EQ(read_file(dir.path() / "real.txt"), "new");
}

TEST(ReplaceFile, AFailureAtAnyStepLeavesTheOldFileWholeAndNoTemporaryFile) {
    struct Row {
        WriteStep step;
        int error;
    };
    const Row rows[] = {
        {WriteStep::Open, EACCES},
        {WriteStep::Write, ENOSPC},  // a full disk
        {WriteStep::Flush, EIO},
        {WriteStep::Rename, EXDEV},
    };
    for (const Row& row : rows) {
        TempFolder dir;
        const std::string path = dir / "data.txt";
        write_file(path, "the old content");
        FaultGuard fault({row.step, row.error});
        errno = 0;
        EXPECT_FALSE(platform::replace_file(path, "the new content")) << int(row.step);
        EXPECT_EQ(errno, row.error) << int(row.step);
        EXPECT_EQ(read_file(path), "the old content") << int(row.step);
        EXPECT_EQ(entries(dir.path()), 1) << int(row.step);
    }
}

TEST(ReplaceFile, AMissingFolderFailsAndSaysSo) {
    TempFolder dir;
    errno = 0;
    EXPECT_FALSE(platform::replace_file(dir / "no such folder/x.txt", "x"));
    EXPECT_EQ(errno, ENOENT);
}

TEST(FileReplacement, PiecesArriveOnlyAtCommitAndAnAbandonedOneLeavesNothing) {
    TempFolder dir;
    const std::string path = dir / "download.bin";
    write_file(path, "previous");
    {
        platform::FileReplacement file(path);
        ASSERT_TRUE(file.open());
        ASSERT_TRUE(file.write("half of"));
        EXPECT_EQ(read_file(path), "previous");
    }  // the transfer broke off
    EXPECT_EQ(read_file(path), "previous");
    EXPECT_EQ(entries(dir.path()), 1);

    platform::FileReplacement file(path);
    ASSERT_TRUE(file.open());
    ASSERT_TRUE(file.write("all "));
    ASSERT_TRUE(file.write("of it"));
    ASSERT_TRUE(file.commit());
    EXPECT_EQ(read_file(path), "all of it");
    EXPECT_EQ(entries(dir.path()), 1);
}

TEST(StaleTemporaries, ThoseOfDeadWritersGoThoseBeingWrittenStay) {
    TempFolder dir;
    const std::string path = dir / "data.ini";
    write_file(path, "data");
    write_file(dir / ".data.ini.tmp-AbC123", "left by a writer that was killed");
    write_file(dir / ".other.ini.tmp-AbC123", "another file's");
    platform::FileReplacement busy(path);
    ASSERT_TRUE(busy.open());
    ASSERT_EQ(entries(dir.path()), 4);

    platform::remove_stale_temporaries(path);
    EXPECT_FALSE(fs::exists(dir.path() / ".data.ini.tmp-AbC123"));
    EXPECT_TRUE(fs::exists(dir.path() / ".other.ini.tmp-AbC123"));
    EXPECT_EQ(entries(dir.path()), 3) << "the file being written is kept";
    ASSERT_TRUE(busy.write("new"));
    EXPECT_TRUE(busy.commit());
    EXPECT_EQ(read_file(path), "new");
}

TEST(ReadRegularFile, ReadsRegularFilesAndRefusesEverythingElseAtOnce) {
    TempFolder dir;
    write_file(dir / "a.txt", "hello");
    write_file(dir / "big.txt", std::string(101, 'x'));
    ASSERT_EQ(mkfifo((dir / "fifo").c_str(), 0600), 0);
    struct Row {
        std::string path;
        ReadStatus status;
        std::string bytes;
        std::string start = bytes;  // the first 100 bytes
    };
    const Row rows[] = {
        {dir / "a.txt", ReadStatus::Ok, "hello"},
        {dir / "missing.txt", ReadStatus::Missing, ""},
        {dir / "no folder/a.txt", ReadStatus::Missing, ""},
        {dir / "fifo", ReadStatus::NotRegular, ""},  // no writer: a blocking open would never return
        {"/dev/zero", ReadStatus::NotRegular, ""},
        {dir.path().string(), ReadStatus::NotRegular, ""},
        {dir / "big.txt", ReadStatus::TooLarge, "", std::string(100, 'x')},
    };
    for (const Row& row : rows) {
        const auto result = platform::read_regular_file(row.path, 100);
        EXPECT_EQ(result.status, row.status) << row.path;
        EXPECT_EQ(result.bytes, row.bytes) << row.path;
        const auto start = platform::read_regular_file_start(row.path, 100);
        EXPECT_EQ(start.status, row.status == ReadStatus::TooLarge ? ReadStatus::Ok : row.status) << row.path;
        EXPECT_EQ(start.bytes, row.start) << row.path;
    }
}

TEST(ReadRegularFile, AFileThatSaysItIsEmptyIsStillReadUpToTheCap) {
    // Files of /proc report a size of 0 and have content.
    const auto small = platform::read_regular_file("/proc/self/status", 1 << 20);
    ASSERT_TRUE(small.ok());
    EXPECT_NE(small.bytes.find("Name:"), std::string::npos);
    EXPECT_EQ(platform::read_regular_file("/proc/self/status", 10).status, ReadStatus::TooLarge);
}

}  // namespace
