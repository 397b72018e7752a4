// Where the program finds its engine library and help pages: beside itself,
// or under the prefix of an installation it was started from.
#include "platform/program_files.h"

#include <filesystem>

#include <gtest/gtest.h>

#include "support/fixture.h"

namespace {

struct Layout {
    const char* name;
    const char* program_folder;  // under the temporary folder; nullptr: unknown ("")
    const char* made_folder;     // made under the temporary folder first; nullptr: none
    bool installed;
    const char* library_folder;  // under the temporary folder
    const char* help_folder;
};

const Layout layouts[] = {
    {"installed", "usr/bin", "usr/share/vimo-duzi", true, "usr/lib/vimo-duzi/", "usr/share/vimo-duzi/"},
    {"installed with a trailing separator", "usr/bin/", "usr/share/vimo-duzi", true, "usr/lib/vimo-duzi/",
     "usr/share/vimo-duzi/"},
    {"a bin folder without the data folder", "usr/bin", nullptr, false, "usr/bin/", "usr/bin/"},
    {"the data folder is a file", "usr/bin", nullptr, false, "usr/bin/", "usr/bin/"},
    {"the build folder", "build", "share/vimo-duzi", false, "build/", "build/"},
    {"a folder whose name ends in bin", "usr/sbin", "usr/share/vimo-duzi", false, "usr/sbin/", "usr/sbin/"},
};

TEST(ProgramFiles, BesideTheProgramUnlessStartedFromAnInstallation) {
    for (const Layout& layout : layouts) {
        SCOPED_TRACE(layout.name);
        test::TempFolder root;
        if (layout.made_folder) std::filesystem::create_directories(root / layout.made_folder);
        if (std::string(layout.name) == "the data folder is a file") test::write_file(root / "usr/share/vimo-duzi", "");
        platform::FakeEnvironment env;
        env.program = root / layout.program_folder;
        const platform::ProgramFiles files = platform::program_files(env);
        EXPECT_EQ(files.installed, layout.installed);
        EXPECT_EQ(files.library_folder, root / layout.library_folder);
        EXPECT_EQ(files.help_folder, root / layout.help_folder);
    }
}

TEST(ProgramFiles, AnUnknownProgramFolderGivesNoFolder) {
    platform::FakeEnvironment env;
    env.program = "";
    const platform::ProgramFiles files = platform::program_files(env);
    EXPECT_FALSE(files.installed);
    EXPECT_EQ(files.library_folder, "");
    EXPECT_EQ(files.help_folder, "");
}

}  // namespace
