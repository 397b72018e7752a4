// Where the data file is looked for: working folder first, then the per-user folder.
#include "config/install_mode.h"

#include <gtest/gtest.h>

#include "platform/paths.h"
#include "support/fixture.h"
#include "support/unprivileged.h"

using test::write_file;

namespace {

class InstallMode : public test::Scenario {
protected:
    std::string per_user_file() { return working_file("appdata/Vimo_Desk/Vimo_Desk.ini"); }
};

}  // namespace

TEST_F(InstallMode, WorkingFolderFileWinsOverPerUserFile) {
    write_file(working_file("Vimo_Desk.ini"), "");
    write_file(per_user_file(), "");
    config::determine_installation_mode(state);
    EXPECT_EQ(state.Install_Mode_Text, "Installation Portable");
    EXPECT_EQ(state.Data_File_Path, working_file("Vimo_Desk.ini"));
    EXPECT_EQ(platform::folder_of(state.Data_File_Path), work.path().string() + "/");
}

TEST_F(InstallMode, PerUserFileMakesAStandardInstallation) {
    write_file(per_user_file(), "");
    config::determine_installation_mode(state);
    EXPECT_EQ(state.Install_Mode_Text, "Installation Standard");
    EXPECT_EQ(state.Data_File_Path, per_user_file());
    EXPECT_EQ(platform::folder_of(state.Data_File_Path), working_file("appdata/Vimo_Desk/"));
}

TEST_F(InstallMode, PerUserFolderFollowsXdgWhenAppDataIsUnset) {
    env.variables.erase("APPDATA");
    env.variables["XDG_CONFIG_HOME"] = working_file("xdg");
    write_file(working_file("xdg/Vimo_Desk/Vimo_Desk.ini"), "");
    config::determine_installation_mode(state);
    EXPECT_EQ(state.Data_File_Path, working_file("xdg/Vimo_Desk/Vimo_Desk.ini"));

    env.variables.erase("XDG_CONFIG_HOME");
    write_file(working_file("home/.config/Vimo_Desk/Vimo_Desk.ini"), "");
    config::determine_installation_mode(state);
    EXPECT_EQ(state.Data_File_Path, working_file("home/.config/Vimo_Desk/Vimo_Desk.ini"));
}

TEST_F(InstallMode, NeitherLeavesBothEmptyAndAFolderNamedLikeTheFileDoesNotCount) {
    std::filesystem::create_directories(working_file("Vimo_Desk.ini"));
    config::determine_installation_mode(state);
    EXPECT_EQ(state.Install_Mode_Text, "");
    EXPECT_EQ(state.Data_File_Path, "");
    EXPECT_EQ(platform::folder_of(""), "");
}

TEST_F(InstallMode, UnreadablePerUserFileCountsAsAbsent) {
    write_file(per_user_file(), "");
    chmod(per_user_file().c_str(), 0);
    const auto held = test::holds_unprivileged(work.path(), [&] {
        config::determine_installation_mode(state);
        return state.Install_Mode_Text.empty() && state.Data_File_Path.empty();
    });
    if (!held) GTEST_SKIP() << "cannot run without privileges here";
    EXPECT_TRUE(*held);
}

namespace {

// Started from <prefix>/bin with <prefix>/share/vimo-duzi beside it.
class InstalledProgram : public InstallMode {
protected:
    InstalledProgram() {
        std::filesystem::create_directories(working_file("prefix/share/vimo-duzi"));
        env.program = working_file("prefix/bin");
    }
};

}  // namespace

TEST_F(InstalledProgram, UsesThePerUserFileOnlyEvenWithOneInTheWorkingFolder) {
    write_file(working_file("Vimo_Desk.ini"), "");
    config::determine_installation_mode(state);
    EXPECT_EQ(state.Install_Mode_Text, "");
    EXPECT_EQ(state.Data_File_Path, "");
    EXPECT_EQ(config::new_data_file_path(state), per_user_file());

    write_file(per_user_file(), "");
    config::determine_installation_mode(state);
    EXPECT_EQ(state.Install_Mode_Text, "Installation Standard");
    EXPECT_EQ(state.Data_File_Path, per_user_file());
}

TEST_F(InstallMode, ANewFileOfAProgramRunFromItsFolderGoesInTheWorkingFolder) {
    EXPECT_EQ(config::new_data_file_path(state), working_file("Vimo_Desk.ini"));
}
