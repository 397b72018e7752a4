// Change icon, original icon, and the reload of every original icon (from the
// preferences and from the start switch).
#include "desk/icon_commands.h"

#include <filesystem>

#include <gtest/gtest.h>

#include "core/ids.h"
#include "desk/ids.h"
#include "desk_fixture.h"
#include "rt/window.h"

using rt::MessageAnswer;
using rt::ScriptedAnswer;

namespace {

constexpr std::uint32_t chosen_colour = 0xFF20A040u;

class IconCommands : public test::DeskScenario {
protected:
    void SetUp() override {
        program = make_file("tool.sh");
        start_desk({{1, {program, "Tool"}}, {2, {"http://web.example/", "Web"}}, {3, {program, "Admin", "", "", 1}}});
    }
    // A picture file of `width` x `height` (PNG bytes whatever the name says) in the chosen colour.
    std::string picture_file(const std::string& name, int width, int height = 0) {
        if (height == 0) height = width;
        const auto png =
            rt::encode_png({width, height, std::vector<std::uint32_t>(std::size_t(width * height), chosen_colour)});
        test::write_file(working_file(name), std::string(png.begin(), png.end()));
        return working_file(name);
    }
    std::string program;
};

// Whatever its size or kind, the chosen picture fills the cell and reaches
// the icon library, so that it is still there at the next start.
TEST_F(IconCommands, ChangeIconMakesEveryPicture32By32) {
    struct Row {
        const char* file;
        int width, height;
    };
    const Row rows[] = {
        {"big.png", 48, 48}, {"small.png", 16, 16}, {"exact.png", 32, 32},
        {"big.ico", 48, 48}, {"tall.png", 32, 48},  {"wide.ico", 64, 32},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.file);
        test::write_file(library_path(), "");
        dialogs.answer(ScriptedAnswer::typed(picture_file(row.file, row.width, row.height)));
        slot_menu(1, core::ItemSlotChangeIcon);
        EXPECT_EQ(dialogs.shown().back().title, "Icône à utiliser pour " + program);
        EXPECT_EQ(rt::image_width(state.slot_table[1].picture), 32);
        EXPECT_EQ(rt::image_height(state.slot_table[1].picture), 32);
        EXPECT_EQ(slot_pixel(1, 10, 10), chosen_colour);
        EXPECT_EQ(slot_pixel(1, 31, 31), chosen_colour);
        EXPECT_EQ(library_pixel(1, 31, 31), chosen_colour) << "kept for the next start";
        EXPECT_EQ(state.slot_table[1].title, "Tool");
    }
}

// The chooser starts in the user's pictures, or at home without them.
TEST_F(IconCommands, ChangeIconLooksForPicturesWhereTheUserKeepsThem) {
    std::filesystem::create_directories(work.path() / "home");
    env.folders[platform::UserFolder::Home] = work.path() / "home";
    env.folders[platform::UserFolder::Pictures] = work.path() / "Pictures";
    dialogs.answer(ScriptedAnswer::cancel());
    slot_menu(1, core::ItemSlotChangeIcon);
    EXPECT_EQ(dialogs.shown().back().text, work.path() / "home");

    std::filesystem::create_directories(work.path() / "Pictures");
    dialogs.answer(ScriptedAnswer::cancel());
    slot_menu(1, core::ItemSlotChangeIcon);
    EXPECT_EQ(dialogs.shown().back().text, work.path() / "Pictures");
}

TEST_F(IconCommands, ChangeIconKeepsThePictureOnCancelOrABadFileAndSaysWhy) {
    const auto before = rt::image_pixels(state.slot_table[1].picture);
    dialogs.answer(ScriptedAnswer::cancel());
    slot_menu(1, core::ItemSlotChangeIcon);
    EXPECT_EQ(rt::image_pixels(state.slot_table[1].picture), before);
    EXPECT_EQ(dialogs.shown().size(), 1u) << "a cancel is not questioned";

    test::write_file(working_file("bad.png"), "not a picture");
    for (const std::string& file : {working_file("bad.png"), working_file("missing.png")}) {
        dialogs.answer(ScriptedAnswer::typed(file));
        dialogs.answer(MessageAnswer::Ok);
        slot_menu(1, core::ItemSlotChangeIcon);
        EXPECT_EQ(rt::image_pixels(state.slot_table[1].picture), before);
        EXPECT_EQ(dialogs.shown().back().title, "Erreur");
        EXPECT_EQ(dialogs.shown().back().text, "Ce fichier n'est pas une image lisible :\n" + file);
    }
    state.Lng = "Us";
    dialogs.answer(ScriptedAnswer::typed(working_file("bad.png")));
    dialogs.answer(MessageAnswer::Ok);
    slot_menu(1, core::ItemSlotChangeIcon);
    EXPECT_EQ(dialogs.shown().back().text, "This file is not a picture that can be read:\n" + working_file("bad.png"));
    EXPECT_EQ(dialogs.unanswered(), 0);
}

TEST_F(IconCommands, OriginalIconComesBackFromTheTarget) {
    dialogs.answer(ScriptedAnswer::typed(picture_file("custom.png", 32)));
    slot_menu(1, core::ItemSlotChangeIcon);
    state.slot_table[1].title = "Renamed";
    slot_menu(1, core::ItemSlotOriginalIcon);
    EXPECT_EQ(slot_pixel(1, 10, 10), test::file_icon_colour);
    EXPECT_EQ(state.slot_table[1].title, "tool");
    EXPECT_EQ(library_pixel(1, 10, 10), test::file_icon_colour);

    // Without a desktop icon the picture stays as it was.
    file_icons.answer_all = false;
    dialogs.answer(ScriptedAnswer::typed(picture_file("custom.png", 32)));
    slot_menu(1, core::ItemSlotChangeIcon);
    slot_menu(1, core::ItemSlotOriginalIcon);
    EXPECT_EQ(slot_pixel(1, 10, 10), chosen_colour);

    // A web shortcut gets the plain web picture.
    slot_menu(2, core::ItemSlotOriginalIcon);
    EXPECT_EQ(state.slot_table[2].title, "Web");
    EXPECT_NE(slot_pixel(2, 16, 16) >> 24, 0u);
    EXPECT_EQ(library_pixel(2, 16, 16), slot_pixel(2, 16, 16));
}

TEST_F(IconCommands, ReloadAsksThenRebuildsEveryPicture) {
    dialogs.answer(MessageAnswer::No);
    desk::reload_original_icons(state);
    EXPECT_EQ(dialogs.shown().back().title, "Information");
    EXPECT_EQ(dialogs.shown().back().text,
              "Recharger les icônes originales\n(Les icônes personnalisées seront supprimées)");
    EXPECT_FALSE(rt::window_exists(core::WindowIconReload));

    std::filesystem::create_directories(work.path() / "Vimo_Desk_ico" / "keep");
    test::write_file(work.path() / "Vimo_Desk_ico" / "old.ico", "old");
    dialogs.answer(ScriptedAnswer::typed(picture_file("custom.png", 32)));
    slot_menu(1, core::ItemSlotChangeIcon);
    file_icons.colour = 0xFF112233u;
    file_icons.lookups.clear();
    http.serve("http://web.example/favicon.ico", {404, ""});
    dialogs.answer(MessageAnswer::Yes);
    dialogs.answer(MessageAnswer::Yes);
    desk::reload_original_icons(state);
    EXPECT_EQ(dialogs.shown().back().title, "Nettoyage (cleanning)");
    EXPECT_FALSE(std::filesystem::exists(work.path() / "Vimo_Desk_ico" / "old.ico"));
    EXPECT_TRUE(std::filesystem::exists(work.path() / "Vimo_Desk_ico" / "keep")) << "not recursive";
    EXPECT_EQ(file_icons.lookups, (std::vector<std::string>{program, program}));
    EXPECT_EQ(slot_pixel(1, 10, 10), 0xFF112233u) << "custom icons are replaced";
    EXPECT_NE(slot_pixel(3, 24, 24), 0xFF112233u) << "the elevated slot keeps its badge";
    EXPECT_EQ(library_pixel(1, 10, 10), 0xFF112233u);
    EXPECT_FALSE(rt::window_exists(core::WindowIconReload));
    EXPECT_EQ(dialogs.unanswered(), 0);
}

TEST_F(IconCommands, StartSwitchRebuildsTheLibrary) {
    const std::map<int, test::SlotEntry> slots = {{1, {program, "Tool"}}, {2, {"http://web.example/", "Web"}}};
    ASSERT_EQ(library_pixel(1, 10, 10), test::file_icon_colour);
    for (const char* switch_word : {"/RELOAD_ICONS", "/reload_icons"}) {
        rt::shutdown();
        file_icons.colour = 0xFF445566u;
        file_icons.lookups.clear();
        http.serve("http://web.example/favicon.ico", {404, ""});
        const auto shown_before = dialogs.shown().size();
        const bool exact = std::string(switch_word) == "/reload_icons";
        if (exact) dialogs.answer(MessageAnswer::Yes);
        data_file(desk_file(slots));
        start({switch_word});
        if (!exact) {
            EXPECT_EQ(dialogs.shown().size(), shown_before) << "the switch is case-sensitive";
            EXPECT_TRUE(file_icons.lookups.empty());
            continue;
        }
        ASSERT_GT(dialogs.shown().size(), shown_before);
        EXPECT_EQ(dialogs.shown()[shown_before].text,
                  "Recharger les icônes originales\n(Les icônes personnalisées seront supprimées)");
        EXPECT_EQ(file_icons.lookups, std::vector<std::string>{program}) << "the old library is not read";
        EXPECT_EQ(library_pixel(1, 10, 10), 0xFF445566u) << "the start writes the new library";
    }
}

}  // namespace
