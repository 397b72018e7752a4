// The data-file access component: reads, in-place writes, walks, and the
// atomic, locked rewrite of the file on disk.
#include "config/ini_file.h"

#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "support/fixture.h"
#include "support/unprivileged.h"

using config::IniFile;
using test::read_file;
using test::TempFolder;
using test::write_file;

namespace {

const std::string bom_crlf = "\xEF\xBB\xBF\r\n";

}  // namespace

TEST(IniFile, ReadsWithDefaultsIgnoringLetterCaseFirstOccurrenceWins) {
    TempFolder dir;
    write_file(dir / "a.ini", bom_crlf +
                                  "[Global]\r\nDesk_Height = 650\r\nlng = Us  \r\nDESK_HEIGHT = 1\r\n"
                                  "Bad = words\r\n[global]\r\nZoom = 120\r\n");
    IniFile ini;
    ASSERT_TRUE(ini.open(dir / "a.ini"));
    EXPECT_TRUE(ini.select_group("GLOBAL"));
    EXPECT_EQ(ini.read_integer("desk_height", 700), 650);
    EXPECT_EQ(ini.read_string("Lng", "Fr"), "Us");
    EXPECT_EQ(ini.read_integer("Bad", 5), 0);
    EXPECT_EQ(ini.read_integer("Missing", 5), 5);
    EXPECT_EQ(ini.read_integer("Zoom", 100), 100) << "only the first group of a name is read";
    EXPECT_FALSE(ini.select_group("Nothing"));
    EXPECT_EQ(ini.read_string("Lng", "default"), "default");
}

TEST(IniFile, WritesInPlaceAppendsNewKeysAfterLastKeyAndNewGroupsAtTheEnd) {
    TempFolder dir;
    write_file(dir / "a.ini", bom_crlf +
                                  "; head\r\n[Global]\r\nA = 1\r\nB = 2\r\n; tail comment\r\n"
                                  "[Other]\r\nUnknown = kept\r\n");
    {
        IniFile ini;
        ASSERT_TRUE(ini.open(dir / "a.ini"));
        ini.select_group("Global");
        ini.write_integer("b", 20);
        ini.write_string("C", "new");
        ini.select_group("Fresh");
        ini.write_real("R", 2.5);
        ASSERT_TRUE(ini.close());
    }
    EXPECT_EQ(read_file(dir.path() / "a.ini"),
              bom_crlf +
                  "; head\r\n[Global]\r\nA = 1\r\nB = 20\r\nC = new\r\n; tail comment\r\n"
                  "[Other]\r\nUnknown = kept\r\n[Fresh]\r\nR = 2.5\r\n");
}

TEST(IniFile, SelectingAMissingGroupWithoutWritingCreatesNothing) {
    TempFolder dir;
    write_file(dir / "a.ini", bom_crlf + "[G]\r\nA = 1\r\n");
    {
        IniFile ini;
        ASSERT_TRUE(ini.open(dir / "a.ini"));
        ini.select_group("Missing");
        ini.remove_key("A");
        ASSERT_TRUE(ini.close());
    }
    EXPECT_EQ(read_file(dir.path() / "a.ini"), bom_crlf + "[G]\r\nA = 1\r\n");
}

TEST(IniFile, RemovesGroupsAndKeysWithTheirComments) {
    TempFolder dir;
    write_file(dir / "a.ini", bom_crlf + "[Fav]\r\n; about\r\nx = 1\r\n[G]\r\nA = 1\r\nB = 2\r\n[fav]\r\ny = 2\r\n");
    {
        IniFile ini;
        ASSERT_TRUE(ini.open(dir / "a.ini"));
        ini.remove_group("FAV");
        ini.select_group("G");
        ini.remove_key("a");
        ini.select_group("Fav");
        ini.write_integer("z", 3);
        ASSERT_TRUE(ini.close());
    }
    EXPECT_EQ(read_file(dir.path() / "a.ini"), bom_crlf + "[G]\r\nB = 2\r\n[Fav]\r\nz = 3\r\n");
}

TEST(IniFile, CommentsGoAfterTheLastEntryWritten) {
    TempFolder dir;
    IniFile ini;
    ASSERT_TRUE(ini.create(dir / "a.ini"));
    ini.add_comment("first");
    ini.add_comment("");
    ini.select_group("G");
    ini.write_integer("A", 1);
    ini.add_comment("after A");
    ini.write_integer("B", 2);
    ASSERT_TRUE(ini.close());
    // A new key still goes after the last key of its group, before the comment.
    EXPECT_EQ(read_file(dir.path() / "a.ini"), bom_crlf + "; first\r\n; \r\n[G]\r\nA = 1\r\nB = 2\r\n; after A\r\n");
}

TEST(IniFile, WalksTheKeysOfTheSelectedGroupTrimmed) {
    TempFolder dir;
    write_file(dir / "a.ini", bom_crlf + "[Run]\r\nRun1 = a  \r\n; note\r\nRun9 = b\r\n[Next]\r\nX = 1\r\n");
    IniFile ini;
    ASSERT_TRUE(ini.open(dir / "a.ini"));
    ini.select_group("Run");
    ini.examine_keys();
    std::vector<std::pair<std::string, std::string>> seen;
    while (ini.next_key()) seen.emplace_back(ini.key_name(), ini.key_value());
    EXPECT_EQ(seen, (std::vector<std::pair<std::string, std::string>>{{"Run1", "a"}, {"Run9", "b"}}));
    EXPECT_FALSE(ini.next_key());
}

TEST(IniFile, OpenFailsForMissingFilesFoldersAndEmptyPaths) {
    TempFolder dir;
    IniFile ini;
    EXPECT_FALSE(ini.open(dir / "missing.ini"));
    EXPECT_FALSE(ini.open(dir.path().string()));
    EXPECT_FALSE(ini.open(""));
    EXPECT_FALSE(ini.create(dir / "no/such/folder/a.ini"));
}

TEST(IniFile, UnchangedFileIsNotRewritten) {
    TempFolder dir;
    write_file(dir / "a.ini", "[G]\nA=1\n");  // not the program's own layout
    {
        IniFile ini;
        ASSERT_TRUE(ini.open(dir / "a.ini"));
        ini.select_group("G");
        ini.write_integer("A", 1);
        ASSERT_TRUE(ini.close());
    }
    EXPECT_EQ(read_file(dir.path() / "a.ini"), "[G]\nA=1\n");
}

TEST(IniFile, RewriteReplacesTheFileAtomicallyKeepingModeAndLinks) {
    TempFolder dir;
    write_file(dir / "real.ini", bom_crlf + "[G]\r\nA = 1\r\n");
    chmod((dir / "real.ini").c_str(), 0600);
    symlink((dir / "real.ini").c_str(), (dir / "link.ini").c_str());
    struct stat before {};
    stat((dir / "real.ini").c_str(), &before);
    {
        IniFile ini;
        ASSERT_TRUE(ini.open(dir / "link.ini"));
        ini.select_group("G");
        ini.write_integer("A", 2);
        ASSERT_TRUE(ini.close());
    }
    struct stat after {};
    stat((dir / "real.ini").c_str(), &after);
    EXPECT_NE(before.st_ino, after.st_ino) << "written to a new file and renamed into place";
    EXPECT_EQ(after.st_mode & 0777, 0600u);
    EXPECT_TRUE(std::filesystem::is_symlink(dir.path() / "link.ini"));
    EXPECT_EQ(read_file(dir.path() / "link.ini"), bom_crlf + "[G]\r\nA = 2\r\n");
    int files = 0;
    for ([[maybe_unused]] auto& e : std::filesystem::directory_iterator(dir.path())) ++files;
    EXPECT_EQ(files, 2) << "no temporary file left behind";
}

TEST(IniFile, ReadOnlyFileOpensForReadingAndItsWriteFailsLeavingItWhole) {
    TempFolder dir;
    write_file(dir / "a.ini", bom_crlf + "[G]\r\nA = 1\r\n");
    chmod((dir / "a.ini").c_str(), 0400);
    const auto held = test::holds_unprivileged(dir.path(), [&] {
        IniFile ini;
        if (!ini.open(dir / "a.ini")) return false;
        ini.select_group("G");
        const bool read = ini.read_integer("A", 0) == 1;
        ini.write_integer("A", 2);
        return read && !ini.close();
    });
    if (!held) GTEST_SKIP() << "cannot run without privileges here";
    EXPECT_TRUE(*held) << "opens for reading, reads, and reports the failed write";
    EXPECT_EQ(read_file(dir.path() / "a.ini"), bom_crlf + "[G]\r\nA = 1\r\n");
}

TEST(IniFile, FailedWriteLeavesTheOldFileWhole) {
    TempFolder dir;
    write_file(dir / "sub/a.ini", bom_crlf + "[G]\r\nA = 1\r\n");
    IniFile ini;
    ASSERT_TRUE(ini.open(dir / "sub/a.ini"));
    ini.select_group("G");
    ini.write_integer("A", 2);
    // The folder disappears under the program (unmounted stick, removed folder).
    std::filesystem::rename(dir.path() / "sub", dir.path() / "gone");
    EXPECT_FALSE(ini.close());
    EXPECT_EQ(read_file(dir.path() / "gone/a.ini"), bom_crlf + "[G]\r\nA = 1\r\n");
}

TEST(IniFile, TwoInstancesTakeTurnsAndKeepEachOthersWrites) {
    TempFolder dir;
    const std::string path = dir / "a.ini";
    write_file(path, bom_crlf + "[G]\r\nCount = 0\r\n");
    constexpr int rounds = 40;
    // Two processes, each adding one to the counter `rounds` times: a lost
    // update would leave less than the sum.
    auto add = [&] {
        for (int i = 0; i < rounds; ++i) {
            IniFile ini;
            if (!ini.open(path)) _exit(1);
            ini.select_group("G");
            const auto n = ini.read_integer("Count", -1000);
            usleep(500);
            ini.write_integer("Count", n + 1);
            if (!ini.close()) _exit(2);
        }
    };
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        add();
        _exit(0);
    }
    add();
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status)) << "status " << status;
    ASSERT_EQ(WEXITSTATUS(status), 0) << "1: the open failed, 2: the close failed";
    IniFile ini;
    ASSERT_TRUE(ini.open(path));
    ini.select_group("G");
    EXPECT_EQ(ini.read_integer("Count", -1), 2 * rounds);
}
