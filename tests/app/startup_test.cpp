// The start-up sequence as the user meets it.
#include <gtest/gtest.h>

#include "app/ids.h"
#include "app/images.h"
#include "app_fixture.h"
#include "clock/ids.h"
#include "rt/gadget.h"
#include "rt/image.h"
#include "rt/menu.h"
#include "rt/tray.h"
#include "rt/window.h"

using rt::MessageAnswer;

namespace {

class StartUp : public test::AppScenario {};

const std::string audio_question =
    "libvimo_audio.so est nécessaire pour utiliser les Webradio. Télécharger ?\r\n"
    "(libvimo_audio.so is necessary  To listen WebRadio. Download ? )";

}  // namespace

TEST_F(StartUp, FirstStartWithoutAnythingAsksTwiceAndShowsTheDesk) {
    dialogs.answer(MessageAnswer::No);   // the audio engine
    dialogs.answer(MessageAnswer::Yes);  // a new data file
    dialogs.answer(MessageAnswer::Ok);
    start();

    ASSERT_EQ(dialogs.shown().size(), 3u);
    EXPECT_EQ(dialogs.shown()[0].title, "Information");
    EXPECT_EQ(dialogs.shown()[0].text, audio_question);
    EXPECT_EQ(dialogs.shown()[1].title, "Fichier de données non trouvé (DataFile NOT found) ");
    EXPECT_TRUE(std::filesystem::exists(working_file("Vimo_Desk.ini")));

    EXPECT_TRUE(rt::window_visible(app::WindowDesk));
    EXPECT_FALSE(rt::window_exists(app::WindowSplash));
    EXPECT_EQ(rt::window_title(app::WindowDesk), "Vimo Duzi");
    EXPECT_EQ(rt::window_width(app::WindowDesk), 110);
    EXPECT_EQ(rt::window_height(app::WindowDesk), 700);
    EXPECT_EQ(state.Audio_Available, 0);
    // Without the engine the mute button widens and a plain band hides the station buttons.
    EXPECT_EQ(rt::gadget_x(clocks::GadgetMute), 1);
    EXPECT_EQ(rt::gadget_y(clocks::GadgetMute), 208);
    EXPECT_EQ(rt::gadget_width(clocks::GadgetMute), 85);
    EXPECT_EQ(rt::gadget_height(clocks::GadgetMute), 24);
    EXPECT_EQ(rt::gadget_width(clocks::GadgetFavourite1), 108);
    EXPECT_EQ(rt::gadget_height(clocks::GadgetFavourite1), 14);

    EXPECT_TRUE(rt::tray_icon_exists(app::TrayIcon));
    EXPECT_TRUE(rt::menu_item_checked(app::MenuTray, app::ItemTrayShowHide));
    EXPECT_FALSE(rt::menu_item_checked(app::MenuTray, app::ItemTrayOnTop));
    EXPECT_EQ(rt::menu_item_text(app::MenuDesk, app::ItemDeskPreferences), "Préférences\tCtrl + P");
    EXPECT_EQ(rt::menu_item_text(app::MenuSlot, app::ItemSlotRename), "Renommer");
    EXPECT_EQ(rt::gadget_text(clocks::GadgetTime), "00:00");  // the fake clock stands at 1970-01-01 00:00
    EXPECT_EQ(rt::gadget_text(clocks::GadgetStopwatch), "--:--:--");
}

TEST_F(StartUp, DecliningANewDataFileEndsTheProgram) {
    audio_library(1000);
    dialogs.answer(MessageAnswer::No);
    try {
        start();
        FAIL() << "the program went on";
    } catch (const app::ProgramEnd& end) {
        EXPECT_EQ(end.exit_code, 0);
    }
    EXPECT_FALSE(std::filesystem::exists(working_file("Vimo_Desk.ini")));
    EXPECT_EQ(dialogs.shown().size(), 1u) << "a library of 1000 bytes counts as present";
}

TEST_F(StartUp, SavedSettingsShapeTheDesk) {
    start_with("[Global]\r\nX_Origin = 30\r\nY_Origin = 40\r\nDesk_Height = 515\r\nOn_Top = 1\r\nSound_ON = 1\r\n"
               "Zoom = 120\r\nVolume = 70\r\nBackGroundColor = $FF\r\n[MRU]\r\nMRU1 = /music/Jazz.m3u\r\n");
    EXPECT_TRUE(dialogs.shown().empty());
    EXPECT_EQ(state.Audio_Available, 1);
    EXPECT_EQ(rt::window_x(app::WindowDesk), 30);
    EXPECT_EQ(rt::window_y(app::WindowDesk), 40);
    EXPECT_EQ(rt::window_height(app::WindowDesk), 515);
    EXPECT_EQ(state.Desk_Inner_Height, 515);
    EXPECT_TRUE(rt::menu_item_checked(app::MenuTray, app::ItemTrayOnTop));
    EXPECT_TRUE(rt::menu_item_checked(app::MenuTray, app::ItemTrayTalkingClock));
    EXPECT_EQ(rt::gadget_state(clocks::GadgetVolume), 70);
    EXPECT_EQ(rt::menu_item_text(app::MenuDesk, app::ItemPlaylist1), "1. Jazz\tCtrl + 1");
    EXPECT_EQ(rt::menu_item_text(app::MenuDesk, app::ItemPlaylist1 + 1), "2. \tCtrl + 2");
    // The large clock: no seconds, a wide time.
    EXPECT_EQ(rt::gadget_x(clocks::GadgetTime), 1);
    EXPECT_EQ(rt::gadget_y(clocks::GadgetTime), 16);
    EXPECT_EQ(rt::gadget_width(clocks::GadgetTime), 108);
    EXPECT_EQ(rt::gadget_height(clocks::GadgetTime), 30);
    // With the engine the station buttons carry the favourites' label pictures.
    EXPECT_EQ(rt::gadget_width(clocks::GadgetFavourite2), 36);
    EXPECT_EQ(rt::image_width(33), 36);
}

TEST_F(StartUp, EnglishStartRelabelsEverythingButThePlaylistItems) {
    start_with("[Global]\r\nLng = Us\r\n");
    EXPECT_EQ(state.Lng, "Us");
    EXPECT_EQ(rt::menu_item_text(app::MenuDesk, app::ItemDeskPreferences), "Configuration");
    EXPECT_EQ(rt::menu_item_text(app::MenuDesk, app::ItemDeskQuit), "Quit");
    EXPECT_EQ(rt::menu_item_text(app::MenuTray, app::ItemTrayTalkingClock), "Speaking Clock");
    EXPECT_EQ(rt::menu_item_text(app::MenuSlot, app::ItemSlotStartFolder), "Start Dir");
    EXPECT_EQ(rt::menu_item_text(app::MenuDesk, app::ItemPlaylist5), "5. \tCtrl + 5");
}

TEST_F(StartUp, AnotherLanguageValueStaysFrenchAndKeepsItsValue) {
    start_with("[Global]\r\nLng = De\r\n");
    EXPECT_EQ(state.Lng, "De");
    EXPECT_EQ(rt::menu_item_text(app::MenuDesk, app::ItemDeskQuit), "Quitter\tCtrl + Q");
}

TEST_F(StartUp, AudioLibraryDownload) {
    struct Row {
        const char* name;
        bool serve;
        std::size_t size;
        int expected_available;
        bool error_shown;
    };
    const Row rows[] = {
        {"complete download", true, 5000, 1, false},
        {"too small a file", true, 999, 0, true},
        {"failed transfer", false, 0, 0, false},
    };
    for (const Row& row : rows) {
        test::TempFolder folder;
        env.program = folder.path().string();
        platform::FakeHttp fresh_http;
        platform::install({&clock, &env, &fresh_http, &screen, &speech, &file_icons, &tones, &shell});
        if (row.serve) fresh_http.serve("https://vimo-duzi.example/libvimo_audio.so", {200, std::string(row.size, 'l')});
        data_file("");
        rt::DialogScript script;
        script.answer(MessageAnswer::Yes);
        start();
        EXPECT_EQ(state.Audio_Available, row.expected_available) << row.name;
        ASSERT_EQ(fresh_http.requests().size(), 1u) << row.name;
        EXPECT_EQ(fresh_http.requests()[0].url, "https://vimo-duzi.example/libvimo_audio.so");
        EXPECT_EQ(std::filesystem::exists(folder / "libvimo_audio.so"), row.expected_available == 1) << row.name;
        ASSERT_EQ(script.shown().size(), row.error_shown ? 2u : 1u) << row.name;
        if (row.error_shown) {
            EXPECT_EQ(script.shown()[1].title, "Erreur (error)");
            EXPECT_EQ(script.shown()[1].text,
                      "Ne peut pas télécharger libvimo_audio.so\r\n(can't download libvimo_audio.so)");
        }
        rt::shutdown();
    }
}

TEST_F(StartUp, DeveloperSwitchWritesTheVersionFiles) {
    clock.set_local(platform::date_value(2026, 12, 8, 9, 5, 0));
    start_with("", {"/Developpement", "/Developpement"});
    EXPECT_EQ(test::read_file(working_file("Vimo_Desk_Version.php")),
              "Vimo_Desk 201809140928 3.16.17\r\n<?php\r\nini_set(\"display_errors\",0);error_reporting(0);\r\n"
              "require \"stats.php\";\r\n?>\r\n");
    EXPECT_EQ(test::read_file(working_file("version.txt")), "2026.12.08 09:05");
    EXPECT_EQ(test::read_file(working_file("version_ID.txt")), "3.16.17");
}

TEST_F(StartUp, DeveloperSwitchIsExactAboutLetterCase) {
    start_with("", {"/developpement"});
    EXPECT_FALSE(std::filesystem::exists(working_file("version_ID.txt")));
}
