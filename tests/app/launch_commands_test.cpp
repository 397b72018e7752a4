// The launch commands of the menus through the dispatch: "run as
// administrator" on the slot whose menu is open, and editing the data file.
#include <sys/stat.h>

#include <gtest/gtest.h>

#include "app_fixture.h"
#include "core/ids.h"
#include "support/shell_requests.h"

namespace {

using platform::FakeShell;
using Verb = FakeShell::Verb;

class LaunchCommands : public test::AppScenario {
protected:
    void SetUp() override {
        tool = working_file("bin/tool box");
        test::write_file(tool, "#!/bin/sh\n");
        chmod(tool.c_str(), 0755);
        start_with("[Global]\r\nLng = Us\r\n[Run]\r\nRun1 = " + tool +
                   "\r\n[Parameters]\r\nParam1 = --fast 'a b'\r\n[RunAsAdmin]\r\nRun1 = 0\r\n");
    }
    std::string tool;
};

TEST_F(LaunchCommands, RunAsAdministratorStartsTheSelectedSlotElevated) {
    state.Selected_Slot = 1;
    menu(core::ItemSlotRunAsAdmin);
    EXPECT_EQ(shell.requests,
              (std::vector<FakeShell::Request>{{Verb::StartElevated, tool, {"--fast", "a b"}, working_file("bin")}}));
    EXPECT_EQ(dialogs.shown().size(), 0u) << dialogs.shown()[0].text;
}

TEST_F(LaunchCommands, EditDataFileOpensItWithTheDesktopsEditor) {
    menu(core::ItemDeskEditData);
    EXPECT_EQ(shell.requests, (std::vector<FakeShell::Request>{{Verb::Open, state.Data_File_Path, {}, {}}}));
    EXPECT_EQ(state.Data_File_Path, working_file("Vimo_Desk.ini"));

    shell.requests.clear();
    shell.next_results = {{platform::StartFailure::NoProgram, 2}};
    menu(core::ItemDeskEditData);
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].title, "Error");
    EXPECT_EQ(dialogs.shown()[0].text, "no program is installed to open " + state.Data_File_Path + " (xdg-open)");
}

}  // namespace
