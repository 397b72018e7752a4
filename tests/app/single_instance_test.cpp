// One instance per data file: a second start wakes the first and ends; a
// desk hidden without a tray says how to bring it back.
#include "app/single_instance.h"

#include <unistd.h>

#include <filesystem>

#include <gtest/gtest.h>

#include "app_fixture.h"
#include "core/ids.h"
#include "platform/files.h"
#include "platform/instances.h"
#include "rt/dialogs.h"
#include "rt/events.h"
#include "rt/menu.h"
#include "rt/tray.h"
#include "rt/window.h"

namespace {

class SingleInstance : public test::AppScenario {
protected:
    SingleInstance() {
        previous_ = platform::install_instances(&instances);
        env.variables["XDG_RUNTIME_DIR"] = work / "runtime";
    }
    ~SingleInstance() override { platform::install_instances(previous_); }

    // Lets the toolkit deliver what is waiting (a request on the descriptor).
    void settle() {
        for (int round = 0; round < 20; ++round) (void)rt::wait_event(10);
    }

    platform::FakeInstances instances;

private:
    platform::Instances* previous_ = nullptr;
};

TEST_F(SingleInstance, ASecondStartOnTheSameFileEndsAtOnceAskingNothing) {
    instances.answer = platform::InstanceClaim::Running;
    data_file("[Global]\r\nX_Origin = 30\r\n");
    const std::string before = data_bytes();
    try {
        start();  // no audio library either: its question would come first
        FAIL() << "the second start went on";
    } catch (const app::ProgramEnd& end) {
        EXPECT_EQ(end.exit_code, 0);
    }
    EXPECT_TRUE(dialogs.shown().empty());
    EXPECT_FALSE(rt::window_exists(core::WindowDesk));
    EXPECT_EQ(data_bytes(), before);
    ASSERT_EQ(instances.claims.size(), 1u);
    EXPECT_EQ(instances.claims[0],
              (platform::FakeInstances::Claim{platform::real_path(working_file("Vimo_Desk.ini")), work / "runtime"}));
}

TEST_F(SingleInstance, WithoutADataFileTheClaimIsWhereItWillBeCreated) {
    instances.answer = platform::InstanceClaim::Running;
    EXPECT_THROW(start(), app::ProgramEnd);
    ASSERT_EQ(instances.claims.size(), 1u);
    EXPECT_EQ(instances.claims[0].data_file, working_file("Vimo_Desk.ini"));
}

TEST_F(SingleInstance, WithoutARuntimeFolderStartsMeetInTheTemporaryFolder) {
    env.variables.erase("XDG_RUNTIME_DIR");
    std::filesystem::create_directory(work / "tmp");
    env.folders[platform::UserFolder::Temporary] = work / "tmp";
    instances.answer = platform::InstanceClaim::Running;
    EXPECT_THROW(start(), app::ProgramEnd);
    ASSERT_EQ(instances.claims.size(), 1u);
    EXPECT_EQ(instances.claims[0].runtime_folder, work / "tmp" + "/vimo-duzi-" + std::to_string(::geteuid()));
}

TEST_F(SingleInstance, ALaterStartShowsTheHiddenDeskAtTheFront) {
    start_with("[Global]\r\nX_Origin = 30\r\n");
    ASSERT_TRUE(rt::window_visible(core::WindowDesk));
    menu(core::ItemDeskHide);
    ASSERT_FALSE(rt::window_visible(core::WindowDesk));

    instances.ask_to_show();
    settle();
    EXPECT_TRUE(rt::window_visible(core::WindowDesk));
    EXPECT_EQ(state.Desk_Visible, 1);
    EXPECT_TRUE(rt::menu_item_checked(core::MenuTray, core::ItemTrayShowHide));

    instances.ask_to_show();  // a visible desk only comes to the front
    settle();
    EXPECT_TRUE(rt::window_visible(core::WindowDesk));
}

TEST_F(SingleInstance, HidingWithoutATrayTellsOnceHowToBringTheDeskBack) {
    if (rt::tray_available()) GTEST_SKIP() << "a tray host runs here";
    struct Row {
        const char* lng;
        const char* title;
        const char* start_of_text;
    };
    const Row rows[] = {
        {"Fr", "Vimo Duzi masqué", "Le bureau est masqué"},
        {"Us", "Vimo Duzi hidden", "The desk is hidden"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.lng);
        rt::shutdown();
        rt::DialogScript script;
        start_with(std::string("[Global]\r\nLng = ") + row.lng + "\r\n");
        menu(core::ItemDeskHide);
        ASSERT_EQ(script.shown().size(), 1u);
        EXPECT_EQ(script.shown()[0].title, row.title);
        EXPECT_TRUE(script.shown()[0].text.starts_with(row.start_of_text)) << script.shown()[0].text;
        EXPECT_EQ(script.shown()[0].icon, rt::MessageIcon::Information);
        menu(core::ItemDeskHide);  // shown again
        menu(core::ItemDeskHide);  // hidden again: told already
        EXPECT_EQ(script.shown().size(), 1u);
    }
}

}  // namespace
