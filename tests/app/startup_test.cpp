// The start-up sequence as the user meets it.
#include <gtest/gtest.h>

#include "app_fixture.h"
#include "clock/ids.h"
#include "core/ids.h"
#include "core/images.h"
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

    EXPECT_TRUE(rt::window_visible(core::WindowDesk));
    EXPECT_FALSE(rt::window_exists(core::WindowSplash));
    EXPECT_EQ(rt::window_title(core::WindowDesk), "Vimo Duzi");
    EXPECT_EQ(rt::window_width(core::WindowDesk), 110);
    EXPECT_EQ(rt::window_height(core::WindowDesk), 700);
    EXPECT_EQ(state.Audio_Available, 0);
    // Without the engine the mute button widens and a plain band hides the station buttons.
    EXPECT_EQ(rt::gadget_x(core::GadgetMute), 1);
    EXPECT_EQ(rt::gadget_y(core::GadgetMute), 208);
    EXPECT_EQ(rt::gadget_width(core::GadgetMute), 85);
    EXPECT_EQ(rt::gadget_height(core::GadgetMute), 24);
    EXPECT_EQ(rt::gadget_width(core::GadgetFavourite1), 108);
    EXPECT_EQ(rt::gadget_height(core::GadgetFavourite1), 14);

    EXPECT_TRUE(rt::tray_icon_exists(core::TrayIcon));
    EXPECT_TRUE(rt::tray_icon_has_picture(core::TrayIcon)) << "the program icon, image 2";
    EXPECT_TRUE(rt::menu_item_checked(core::MenuTray, core::ItemTrayShowHide));
    EXPECT_FALSE(rt::menu_item_checked(core::MenuTray, core::ItemTrayOnTop));
    EXPECT_EQ(rt::menu_item_text(core::MenuDesk, core::ItemDeskPreferences), "Préférences\tCtrl + P");
    EXPECT_EQ(rt::menu_item_text(core::MenuSlot, core::ItemSlotRename), "Renommer");
    EXPECT_EQ(rt::menu_item_text(core::MenuTray, core::ItemTrayLeft), "Menu à Gauche");
    EXPECT_EQ(rt::menu_item_text(core::MenuTray, core::ItemTrayRight), "Menu à Droite");
    EXPECT_EQ(rt::gadget_text(core::GadgetTime), "00:00");  // the fake clock stands at 1970-01-01 00:00
    EXPECT_EQ(rt::gadget_text(core::GadgetStopwatch), "--:--:--");
}

TEST_F(StartUp, WhatAWriteCutShortLeftBesideTheFilesIsCleared) {
    test::write_file(working_file(".Vimo_Desk.ini.tmp-Ab12Cd"), "half a data file");
    test::write_file(working_file(".Vimo_Desk.lib.tmp-Ef34Gh"), "half a library");
    test::write_file(working_file(".Notes.txt.tmp-Ij56Kl"), "not the program's to clear here");
    start_with("[Global]\r\nLng = Fr\r\n");
    EXPECT_FALSE(std::filesystem::exists(working_file(".Vimo_Desk.ini.tmp-Ab12Cd")));
    EXPECT_FALSE(std::filesystem::exists(working_file(".Vimo_Desk.lib.tmp-Ef34Gh")));
    EXPECT_TRUE(std::filesystem::exists(working_file(".Notes.txt.tmp-Ij56Kl")));
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
    start_with(
        "[Global]\r\nX_Origin = 30\r\nY_Origin = 40\r\nDesk_Height = 515\r\nOn_Top = 1\r\nSound_ON = 1\r\n"
        "Zoom = 120\r\nVolume = 70\r\nBackGroundColor = $FF\r\n[MRU]\r\nMRU1 = /music/Jazz.m3u\r\n");
    EXPECT_TRUE(dialogs.shown().empty());
    EXPECT_EQ(state.Audio_Available, 1);
    EXPECT_EQ(rt::window_x(core::WindowDesk), 30);
    EXPECT_EQ(rt::window_y(core::WindowDesk), 40);
    EXPECT_EQ(rt::window_height(core::WindowDesk), 515);
    EXPECT_EQ(state.Desk_Inner_Height, 515);
    EXPECT_TRUE(rt::menu_item_checked(core::MenuTray, core::ItemTrayOnTop));
    EXPECT_TRUE(rt::menu_item_checked(core::MenuTray, core::ItemTrayTalkingClock));
    EXPECT_EQ(rt::gadget_state(core::GadgetVolume), 70);
    EXPECT_EQ(rt::menu_item_text(core::MenuDesk, core::ItemPlaylist1), "1. Jazz\tCtrl + 1");
    EXPECT_EQ(rt::menu_item_text(core::MenuDesk, core::ItemPlaylist1 + 1), "2. \tCtrl + 2");
    // The large clock: no seconds, a wide time.
    EXPECT_EQ(rt::gadget_x(core::GadgetTime), 1);
    EXPECT_EQ(rt::gadget_y(core::GadgetTime), 16);
    EXPECT_EQ(rt::gadget_width(core::GadgetTime), 108);
    EXPECT_EQ(rt::gadget_height(core::GadgetTime), 30);
    // With the engine the station buttons carry the favourites' label pictures.
    EXPECT_EQ(rt::gadget_width(core::GadgetFavourite2), 36);
    EXPECT_EQ(rt::image_width(33), 36);
}

// A desk whose grip bar is on no monitor could never be reached again.
TEST_F(StartUp, ADeskOffEveryScreenComesBackToThePrimaryOne) {
    struct Row {
        const char* stored;  // X_Origin, Y_Origin
        int x, y;
    };
    const Row rows[] = {
        {"1000000000, 5", 0, 0},   // far away
        {"2000, 100", 2000, 100},  // on the second monitor
        {"3300, 0", 0, 0},         // right of the second monitor
        {"-1500, 10", 0, 0},       // left of the primary one
        {"-100, 5", -100, 5},      // partly on the primary one: reachable
        {"0, 1080", 0, 0},         // just below it
        {"100, -16", 0, 0},        // just above it
        {"100, -15", 100, -15},    // one line of the grip bar shows
    };
    screen.others = {{1920, 0, 1280, 1024}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.stored);
        rt::shutdown();
        const std::string stored = row.stored;
        const auto comma = stored.find(',');
        start_with("[Global]\r\nX_Origin = " + stored.substr(0, comma) + "\r\nY_Origin =" + stored.substr(comma + 1) +
                   "\r\n");
        EXPECT_EQ(state.X_Origin, row.x);
        EXPECT_EQ(state.Y_Origin, row.y);
        EXPECT_EQ(rt::window_x(core::WindowDesk), row.x);
        EXPECT_EQ(rt::window_y(core::WindowDesk), row.y);
    }
}

TEST_F(StartUp, EnglishStartRelabelsEverythingButThePlaylistItems) {
    start_with("[Global]\r\nLng = Us\r\n");
    EXPECT_EQ(state.Lng, "Us");
    EXPECT_EQ(rt::menu_item_text(core::MenuDesk, core::ItemDeskPreferences), "Configuration");
    EXPECT_EQ(rt::menu_item_text(core::MenuDesk, core::ItemDeskQuit), "Quit");
    EXPECT_EQ(rt::menu_item_text(core::MenuTray, core::ItemTrayTalkingClock), "Speaking Clock");
    EXPECT_EQ(rt::menu_item_text(core::MenuSlot, core::ItemSlotStartFolder), "Start Dir");
    EXPECT_EQ(rt::menu_item_text(core::MenuDesk, core::ItemPlaylist5), "5. \tCtrl + 5");
}

TEST_F(StartUp, AnotherLanguageValueStaysFrenchAndKeepsItsValue) {
    start_with("[Global]\r\nLng = De\r\n");
    EXPECT_EQ(state.Lng, "De");
    EXPECT_EQ(rt::menu_item_text(core::MenuDesk, core::ItemDeskQuit), "Quitter\tCtrl + Q");
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
        platform::install({&clock, &env, &fresh_http, &screen, &speech, &file_icons, &tones, &shell, &player});
        if (row.serve)
            fresh_http.serve("https://vimo-duzi.example/libvimo_audio.so", {200, std::string(row.size, 'l')});
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
