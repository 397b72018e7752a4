// The desk's commands through the dispatch: menus, tray, grip bar, height
// dialog, language switch, separator rename, quitting.
#include <gtest/gtest.h>

#include "app/ids.h"
#include "app/menus.h"
#include "app_fixture.h"
#include "clock/ids.h"
#include "config/ini_file.h"
#include "core/ids.h"
#include "rt/gadget.h"
#include "rt/menu.h"
#include "rt/window.h"

using rt::EventKind;
using rt::EventType;

namespace {

class Commands : public test::AppScenario {
protected:
    void SetUp() override { start_with("[Global]\r\nX_Origin = 30\r\nY_Origin = 40\r\n"); }

    // A value of group Global in the data file as it is on disk now.
    std::string saved(const std::string& key) {
        config::IniFile ini;
        EXPECT_TRUE(ini.open(working_file("Vimo_Desk.ini")));
        ini.select_group("Global");
        return ini.read_string(key, "<missing>");
    }
};

}  // namespace

TEST_F(Commands, DeskToTheRightAndLeftOfThePrimaryDesktopAreSaved) {
    screen.primary = {0, 0, 1920, 1080};
    menu(core::ItemKeyRight);
    EXPECT_EQ(rt::window_x(core::WindowDesk), 1810);
    EXPECT_EQ(rt::window_y(core::WindowDesk), 0);
    EXPECT_EQ(saved("X_Origin"), "1810");
    menu(core::ItemTrayLeft);
    EXPECT_EQ(rt::window_x(core::WindowDesk), 0);
    EXPECT_EQ(saved("X_Origin"), "0");
    EXPECT_EQ(rt::window_height(core::WindowDesk), 700) << "the size stays";
}

TEST_F(Commands, HeightTestAcceptsOneToTenZones) {
    menu(core::ItemDeskResize);
    ASSERT_TRUE(rt::window_exists(core::WindowDeskHeight));
    EXPECT_EQ(rt::window_title(core::WindowDeskHeight), "Hauteur (Height)");
    const std::pair<int, int> rows[] = {{1, 392}, {10, 1499}, {11, 1499}, {0, 1499}, {4, 761}};
    for (auto [zones, height] : rows) {
        rt::set_state(app::GadgetHeightZones, zones);
        dispatch({.kind = EventKind::Gadget, .window = core::WindowDeskHeight, .object = app::GadgetHeightTest});
        EXPECT_EQ(rt::window_height(core::WindowDesk), height) << zones << " zones";
    }
    dispatch({.kind = EventKind::CloseWindow, .window = core::WindowDeskHeight});
    EXPECT_FALSE(rt::window_exists(core::WindowDeskHeight));
    EXPECT_EQ(rt::window_height(core::WindowDesk), 761) << "closing keeps the height";
}

TEST_F(Commands, TrayClicksToggleTheDeskAndKeepTheShowMark) {
    dispatch(
        {.kind = EventKind::Tray, .window = core::WindowDesk, .object = core::TrayIcon, .type = EventType::LeftClick});
    EXPECT_FALSE(rt::window_visible(core::WindowDesk));
    EXPECT_EQ(state.Desk_Visible, 0);
    EXPECT_TRUE(rt::menu_item_checked(core::MenuTray, core::ItemTrayShowHide));
    menu(core::ItemDeskHide);
    EXPECT_TRUE(rt::window_visible(core::WindowDesk));
    EXPECT_TRUE(rt::menu_item_checked(core::MenuTray, core::ItemTrayShowHide));
}

TEST_F(Commands, OnTopAndTalkingClockTogglesAreMarkedAndSaved) {
    menu(core::ItemDeskOnTop);  // the file had no On_Top: its default 1 was read
    EXPECT_FALSE(rt::menu_item_checked(core::MenuTray, core::ItemTrayOnTop));
    EXPECT_EQ(saved("On_Top"), "0");
    menu(core::ItemTrayOnTop);
    EXPECT_TRUE(rt::menu_item_checked(core::MenuTray, core::ItemTrayOnTop));
    EXPECT_EQ(saved("On_Top"), "1");

    menu(core::ItemTrayTalkingClock);
    EXPECT_TRUE(rt::menu_item_checked(core::MenuTray, core::ItemTrayTalkingClock));
    EXPECT_EQ(saved("Sound_ON"), "1");
    menu(core::ItemTrayTalkingClock);
    EXPECT_FALSE(rt::menu_item_checked(core::MenuTray, core::ItemTrayTalkingClock));
    EXPECT_EQ(saved("Sound_ON"), "0");
}

TEST_F(Commands, LanguageSwitchRelabelsBothWaysWithoutHintsAndWritesAtOnce) {
    app::switch_language(state);
    EXPECT_EQ(state.Lng, "Us");
    EXPECT_EQ(saved("Lng"), "Us");
    EXPECT_EQ(rt::menu_item_text(core::MenuDesk, core::ItemDeskOnTop), "Duzi on Top");
    EXPECT_EQ(rt::menu_item_text(core::MenuSlot, core::ItemSlotRunAsAdmin), "Run as Administrator.");
    app::switch_language(state);
    EXPECT_EQ(state.Lng, "Fr");
    EXPECT_EQ(saved("Lng"), "Fr");
    EXPECT_EQ(rt::menu_item_text(core::MenuDesk, core::ItemDeskPreferences), "Configuration");
    EXPECT_EQ(rt::menu_item_text(core::MenuDesk, core::ItemDeskOnTop), "Duzi au Premier Plan");
    EXPECT_EQ(rt::menu_item_text(core::MenuDesk, core::ItemDeskQuit), "Quitter");
    EXPECT_EQ(rt::menu_item_text(core::MenuSlot, core::ItemSlotRunAsAdmin), "Éxécuter comme Administrateur.");
    EXPECT_EQ(rt::menu_item_text(core::MenuTray, core::ItemTrayTalkingClock), "Activer l'Horloge Parlante");
    EXPECT_EQ(rt::menu_item_text(core::MenuDesk, core::ItemPlaylist1), "1. \tCtrl + 1")
        << "playlist items keep their hint";
}

TEST_F(Commands, SeparatorRenameWritesItsThreeDigitKey) {
    constexpr int click_area = 3007, title_band = 3107;
    rt::use_gadget_list(core::WindowDesk);
    rt::create_canvas_gadget(click_area, 0, 300, 110, 6);
    rt::create_text_gadget(title_band, 0, 300, 110, 6, "");
    state.separators[7].click_area = click_area;
    state.separators[7].title_band = title_band;

    dialogs.answer(rt::ScriptedAnswer::cancel());
    dispatch({.kind = EventKind::Gadget, .window = core::WindowDesk, .object = click_area});
    dialogs.answer(rt::ScriptedAnswer::typed(""));
    dispatch({.kind = EventKind::Gadget, .window = core::WindowDesk, .object = click_area});
    EXPECT_EQ(data_bytes().find("Separator007"), std::string::npos) << "cancel and an empty title change nothing";

    dialogs.answer(rt::ScriptedAnswer::typed("Jeux"));
    dispatch({.kind = EventKind::Gadget, .window = core::WindowDesk, .object = click_area});
    ASSERT_EQ(dialogs.shown().size(), 3u);
    EXPECT_EQ(dialogs.shown()[2].title, "Renommer (rename)");
    EXPECT_EQ(dialogs.shown()[2].text, "Sep. #7 - Nouveau Titre (New Title)");
    EXPECT_EQ(rt::gadget_text(title_band), "Jeux");
    EXPECT_NE(data_bytes().find("[Separators]\r\nSeparator007 = Jeux\r\n"), std::string::npos);
}

TEST_F(Commands, GripBarDragsTheDeskAndItsCloseBoxQuitsWithASave) {
    auto grip = [&](EventType type, int desktop_x, int desktop_y, int window_x = 50) {
        rt::Event e{.kind = EventKind::Gadget, .window = core::WindowDesk, .object = app::GadgetGrip, .type = type};
        e.mouse.desktop_x = desktop_x;
        e.mouse.desktop_y = desktop_y;
        e.mouse.window_x = window_x;
        e.mouse.window_y = 5;
        dispatch(e);
    };
    grip(EventType::LeftButtonDown, 80, 45);
    grip(EventType::MouseMove, 180, 145);
    grip(EventType::LeftButtonUp, 180, 145);
    grip(EventType::MouseMove, 400, 400);
    EXPECT_EQ(rt::window_x(core::WindowDesk), 130);
    EXPECT_EQ(rt::window_y(core::WindowDesk), 140);

    EXPECT_THROW(grip(EventType::LeftClick, 235, 145, 105), app::ProgramEnd);
    EXPECT_EQ(saved("X_Origin"), "130");
    EXPECT_EQ(saved("Desk_Width"), "110");
    EXPECT_GE(clock.monotonic_ms(), 500) << "the quit pauses half a second after saving";
}

TEST_F(Commands, ClosingTheDeskSavesAndEnds) {
    rt::move_window(core::WindowDesk, 12, 34);
    EXPECT_THROW(dispatch({.kind = EventKind::CloseWindow, .window = core::WindowDesk}), app::ProgramEnd);
    EXPECT_EQ(saved("X_Origin"), "12");
    EXPECT_EQ(saved("Y_Origin"), "34");
}

TEST_F(Commands, QuitFromEveryMenu) {
    for (int item : {core::ItemDeskQuit, core::ItemTrayQuit}) EXPECT_THROW(menu(item), app::ProgramEnd);
}

TEST_F(Commands, TickWritesTheTimeAndSpeaksAtTheFullMinute) {
    state.Sound_ON = 1;
    clock.set_local(platform::date_value(2026, 12, 8, 21, 0, 0));
    dispatch({.kind = EventKind::Timer, .window = core::WindowDesk, .object = core::TimerTick});
    EXPECT_EQ(rt::gadget_text(core::GadgetTime), "21:00");
    EXPECT_EQ(rt::gadget_text(core::GadgetSeconds), "00");
    EXPECT_EQ(rt::gadget_text(core::GadgetMarker), "-");
    ASSERT_EQ(speech.spoken.size(), 1u);
    EXPECT_EQ(speech.spoken[0].text, "Il est vingt t une heures");
    EXPECT_EQ(speech.spoken[0].rate, 0);

    state.Clock_Type = 12;
    clock.set_local(platform::date_value(2026, 12, 8, 13, 5, 1));
    dispatch({.kind = EventKind::Timer, .window = core::WindowDesk, .object = core::TimerTick});
    EXPECT_EQ(rt::gadget_text(core::GadgetTime), "1:05");
    EXPECT_EQ(rt::gadget_text(core::GadgetMarker), "PM");
    EXPECT_EQ(speech.spoken.size(), 1u) << "only at second 0";
}

TEST_F(Commands, WebRadioWithoutTheAudioEngineSaysSo) {
    state.Audio_Available = 0;
    dispatch({.kind = EventKind::Gadget, .window = core::WindowDesk, .object = core::GadgetWebRadio});
    state.Lng = "Us";
    dispatch({.kind = EventKind::Gadget, .window = core::WindowDesk, .object = core::GadgetWebRadio});
    ASSERT_EQ(dialogs.shown().size(), 2u);
    EXPECT_EQ(dialogs.shown()[0].title, "Erreur");
    EXPECT_EQ(dialogs.shown()[0].text, "La DLL libvimo_audio.so n'est pas présente dans le répertoire");
    EXPECT_EQ(dialogs.shown()[0].icon, rt::MessageIcon::Error);
    EXPECT_EQ(dialogs.shown()[1].title, "Error");
    EXPECT_EQ(dialogs.shown()[1].text, "Needed DLL libvimo_audio.so not found in directory");
}
