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
        {"missing", (shared.path() / "missing").string()},
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

}  // namespace
