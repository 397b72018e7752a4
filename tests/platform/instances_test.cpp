// One instance per data file through a lock and a local socket.
#include "platform/instances.h"

#include <poll.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include <gtest/gtest.h>

#include "support/fixture.h"

namespace {

using platform::InstanceClaim;
using platform::LocalSocketInstances;

bool readable(int fd) {
    pollfd p{fd, POLLIN, 0};
    return ::poll(&p, 1, 0) == 1;
}

TEST(LocalSocketInstances, TheFirstListensALaterOneAsksAndEnds) {
    test::TempFolder runtime;  // made 0700, as a runtime folder is
    const std::string file = "/home/u/Vimo_Desk.ini";
    LocalSocketInstances first;
    ASSERT_EQ(first.claim(file, runtime.path().string()), InstanceClaim::First);
    ASSERT_GE(first.request_descriptor(), 0);
    EXPECT_FALSE(readable(first.request_descriptor()));
    EXPECT_EQ(first.take_requests(), 0);

    for (int start = 1; start <= 2; ++start) {
        LocalSocketInstances later;
        EXPECT_EQ(later.claim(file, runtime.path().string()), InstanceClaim::Running);
        EXPECT_EQ(later.request_descriptor(), -1);
    }
    EXPECT_TRUE(readable(first.request_descriptor()));
    EXPECT_EQ(first.take_requests(), 2);
    EXPECT_EQ(first.take_requests(), 0);

    LocalSocketInstances other_file;
    EXPECT_EQ(other_file.claim("/home/u/other/Vimo_Desk.ini", runtime.path().string()), InstanceClaim::First)
        << "another data file is another instance";
}

TEST(LocalSocketInstances, AnInstanceThatEndedOrCrashedLeavesThePlaceFree) {
    test::TempFolder runtime;
    const std::string file = "/data/Vimo_Desk.ini";
    {
        LocalSocketInstances first;
        ASSERT_EQ(first.claim(file, runtime.path().string()), InstanceClaim::First);
    }
    // A crash: the process ends without a word; its lock goes with it, its socket stays.
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        auto* crashed = new LocalSocketInstances;
        _exit(crashed->claim(file, runtime.path().string()) == InstanceClaim::First ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);

    LocalSocketInstances next;
    ASSERT_EQ(next.claim(file, runtime.path().string()), InstanceClaim::First);
    LocalSocketInstances later;
    EXPECT_EQ(later.claim(file, runtime.path().string()), InstanceClaim::Running);
    EXPECT_EQ(next.take_requests(), 1) << "the new instance listens where the old socket was";
}

TEST(LocalSocketInstances, NoPrivateFolderMeansRunningAlone) {
    test::TempFolder shared;
    ::chmod(shared.path().c_str(), 0777);
    const std::string long_folder = (shared.path() / std::string(120, 'x')).string();
    std::filesystem::create_directories(long_folder);
    ::chmod(long_folder.c_str(), 0700);
    struct Row {
        const char* name;
        std::string folder;
    };
    const Row rows[] = {
        {"unset", ""},
        {"missing, and no place to make it", (shared.path() / "none" / "missing").string()},
        {"others may write in it", shared.path().string()},
        {"a socket name too long for its folder", long_folder},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        LocalSocketInstances instances;
        EXPECT_EQ(instances.claim("/x/Vimo_Desk.ini", row.folder), InstanceClaim::Alone);
        EXPECT_EQ(instances.request_descriptor(), -1);
    }
}

// With no runtime folder from the session, starts meet in a folder of the
// user's own in the temporary folder, which anyone may write in.
TEST(LocalSocketInstances, WithoutASessionFolderStartsMeetInAPrivateFolderOfTheirOwn) {
    test::TempFolder temporary;
    ::chmod(temporary.path().c_str(), 01777);
    const std::string folder = platform::fallback_runtime_folder(temporary.path().string());
    EXPECT_EQ(folder, (temporary.path() / ("vimo-duzi-" + std::to_string(::geteuid()))).string());
    EXPECT_EQ(platform::fallback_runtime_folder(""), "");

    LocalSocketInstances first, later;
    ASSERT_EQ(first.claim("/x/Vimo_Desk.ini", folder), InstanceClaim::First);
    struct stat st {};
    ASSERT_EQ(::lstat(folder.c_str(), &st), 0);
    EXPECT_TRUE(S_ISDIR(st.st_mode));
    EXPECT_EQ(st.st_mode & 07777, 0700u) << "made for this user alone";
    EXPECT_EQ(later.claim("/x/Vimo_Desk.ini", folder), InstanceClaim::Running);
    EXPECT_EQ(first.take_requests(), 1);
}

// Someone else may have taken the name first: nothing of theirs is used.
TEST(LocalSocketInstances, AFallbackNameTakenByAnythingElseMeansRunningAlone) {
    test::TempFolder other;
    const struct {
        const char* name;
        void (*take)(const std::string& at, const std::string& other);
    } rows[] = {
        {"a link to a private folder",
         [](const std::string& at, const std::string& target) {
             std::filesystem::create_directory_symlink(target, at);
         }},
        {"a file", [](const std::string& at, const std::string&) { test::write_file(at, ""); }},
        {"a folder others may write in",
         [](const std::string& at, const std::string&) {
             std::filesystem::create_directory(at);
             ::chmod(at.c_str(), 0777);
         }},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        test::TempFolder temporary;
        const std::string folder = platform::fallback_runtime_folder(temporary.path().string());
        row.take(folder, other.path().string());
        LocalSocketInstances instances;
        EXPECT_EQ(instances.claim("/x/Vimo_Desk.ini", folder), InstanceClaim::Alone);
        EXPECT_TRUE(std::filesystem::is_empty(other.path())) << "nothing is made through the link";
    }
}

}  // namespace
