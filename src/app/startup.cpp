#include "app/startup.h"

#include <cstring>

#include "app/audio_library.h"
#include "app/desk_window.h"
#include "app/developer_files.h"
#include "app/end.h"
#include "app/favourite_labels.h"
#include "app/ids.h"
#include "app/loop.h"
#include "app/menus.h"
#include "app/remote_control.h"
#include "app/resources.h"
#include "app/single_instance.h"
#include "app/splash.h"
#include "clock/calendar.h"
#include "clock/clock_bar.h"
#include "clock/date_texts.h"
#include "clock/ids.h"
#include "clock/needle_clock.h"
#include "clock/tick.h"
#include "config/data_file.h"
#include "config/install_mode.h"
#include "core/ids.h"
#include "core/images.h"
#include "core/state.h"
#include "core/text.h"
#include "desk/desk.h"
#include "desk/icon_commands.h"
#include "desk/layout.h"
#include "music/player.h"
#include "music/radio.h"
#include "music/radio_window.h"
#include "notes/drops.h"
#include "platform/paths.h"
#include "platform/services.h"
#include "rt/events.h"
#include "rt/gadget.h"
#include "rt/image.h"
#include "rt/menu.h"
#include "rt/timer.h"
#include "rt/tray.h"
#include "rt/window.h"

namespace app {

namespace {

constexpr const char* developer_switch = "/Developpement";
// How long the start waits for the window system to put the desk on screen
// before it goes on without painting it first.
constexpr int desk_paint_limit_ms = 500;

bool argument_is(int argc, char** argv, int index, const char* word) {
    return argc > index && std::strcmp(argv[index], word) == 0;
}

}  // namespace

void start_up(core::State& s, int argc, char** argv) {
    s = core::State{};
    if (argc <= 1) install_fatal_error_handler(argv[0]);
    // Before anything is asked or shown: a second start on the same data file only wakes the first.
    if (another_instance_runs(s)) end_program();
    load_numbered_font(core::Font8);
    check_audio_library(s);
    load_fonts_and_tool_images();
    load_menu_images();
    load_music_info_resources();
    build_music_menus();
    if (argument_is(argc, argv, 1, developer_switch)) write_developer_files(s);
    if (argument_is(argc, argv, 1, "/reload_icons")) desk::ask_icon_reload_at_start(s);

    open_splash(s);
    config::determine_installation_mode(s);
    switch (config::load_data_file(s)) {
    case config::LoadResult::Loaded:
    case config::LoadResult::Created: break;
    case config::LoadResult::Declined:
    case config::LoadResult::CreateFailed: end_program();
    }
    s.Data_Folder = platform::folder_of(s.Data_File_Path);
    desk::load_icon_store(s);
    rt::set_text(GadgetSplashVersion, "Version " + s.identity.version);
    rt::set_text(GadgetSplashBuild, "  " + s.identity.build_date);

    keep_desk_within_reach(s);
    build_desk_window(s);
    clocks::build_clock_bar(s);
    notes::prepare_clock_drops();
    if (argument_is(argc, argv, 2, developer_switch)) rt::show_window(core::WindowDesk);
    if (s.Audio_Available == 0) rt::move_gadget(core::GadgetMute, 1, 208, 85, 24);
    rt::set_window_background(core::WindowDesk, s.BackGroundColor);
    rt::set_state(core::GadgetVolume, s.Volume);
    rt::set_window_size_limits(core::WindowDesk, s.Desk_Width, s.Desk_Min_Height, s.Desk_Width, desk_max_height);
    rt::set_window_title(core::WindowDesk, s.identity.program_name);
    rt::move_window(core::WindowDesk, s.X_Origin, s.Y_Origin);
    clocks::tick_hooks().end_of_track_step = music::end_of_track_step;
    clocks::tick_hooks().station_title_step = music::station_title_step;
    rt::add_window_timer(core::WindowDesk, core::TimerTick, 1000);
    rt::add_window_timer(core::WindowDesk, core::TimerDate, 60000);
    clocks::show_start_time(s);
    clocks::refresh_date_texts(s);
    rt::disable_gadget(core::GadgetCountdownStartStop, true);
    show_favourite_station_buttons(s);
    draw_grip_bar();

    core::load_embedded_image(core::ImageProgramIcon);
    rt::add_tray_icon(core::TrayIcon, core::WindowDesk, core::ImageProgramIcon);
    rt::set_tray_tooltip(core::TrayIcon, s.identity.program_name + " - Version " + s.identity.build_date);
    if (argument_is(argc, argv, 2, developer_switch)) s.Slot_Count = desk::developer_slot_count;
    desk::build_desk(s, show_splash_progress);
    s.Desk_Inner_Height = rt::window_height(core::WindowDesk);

    build_menus(s);
    clocks::build_needle_menu(s);
    rt::set_menu_item_checked(core::MenuTray, core::ItemTrayShowHide, true);
    rt::set_menu_item_checked(core::MenuTray, core::ItemTrayOnTop, s.On_Top == 1);
    rt::set_top_most(core::WindowDesk, s.On_Top == 1);
    rt::set_menu_item_checked(core::MenuTray, core::ItemTrayTalkingClock, s.Sound_ON == 1);
    if (core::language_of(s.Lng) == core::Language::English) {
        s.Lng = "Fr";
        switch_language(s);
    }
    rt::set_text(GadgetSplashStatus, s.Install_Mode_Text);
    close_splash();
    rt::show_window(core::WindowDesk);
    rt::activate_window(core::WindowDesk);
    if (s.Zoom > 100) clocks::use_large_clock();
    // Pages 2 and 3 are hidden: their slot buttons are made once page 1 is on screen.
    rt::paint_window_now(core::WindowDesk, desk_paint_limit_ms);
    desk::build_hidden_pages(s);
    listen_for_later_starts(s);
    rt::bind_window_event(core::WindowRadio, rt::EventKind::SizeWindow, music::lay_out_radio_window);
    publish_player(s);
}

int start(int argc, char** argv) {
    core::State& s = core::g_state;
    const bool handle_faults = argc <= 1;
    try {
        start_up(s, argc, argv);
        run_loop(s);
    } catch (const ProgramEnd& end) {
        return end.exit_code;
    } catch (const std::exception& fault) {
        if (!handle_faults) throw;
        try {
            show_fault(fault.what());
            end_program(1);
        } catch (const ProgramEnd& end) {
            return end.exit_code;
        }
    }
    return 0;
}

}  // namespace app
