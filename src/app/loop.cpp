#include "app/loop.h"

#include <span>
#include <type_traits>

#include "app/desk_window.h"
#include "app/end.h"
#include "app/ids.h"
#include "app/menus.h"
#include "app/remote_control.h"
#include "app/single_instance.h"
#include "clock/banner.h"
#include "clock/calendar.h"
#include "clock/countdown_window.h"
#include "clock/date_texts.h"
#include "clock/ids.h"
#include "clock/needle_clock.h"
#include "clock/small_clock.h"
#include "clock/stopwatch.h"
#include "clock/talking_clock.h"
#include "clock/tick.h"
#include "config/data_file.h"
#include "config/ids.h"
#include "config/preferences.h"
#include "core/drag.h"
#include "core/ids.h"
#include "desk/desk.h"
#include "desk/editing.h"
#include "desk/icon_commands.h"
#include "desk/ids.h"
#include "desk/launch.h"
#include "music/ids.h"
#include "music/music_info.h"
#include "music/player.h"
#include "music/playlists.h"
#include "music/radio.h"
#include "music/radio_window.h"
#include "notes/drops.h"
#include "notes/notes_window.h"
#include "notes/picture.h"
#include "notes/viewer.h"
#include "rt/menu.h"
#include "rt/window.h"
#include "web/about.h"
#include "web/help.h"
#include "web/ids.h"
#include "web/version_check.h"

namespace app {

namespace {

using core::State;
using Handler = void (*)(State&, const rt::Event&);

struct Row {
    int number;
    Handler handle;
};

// Runs the handler of the first row naming `number`; false when none does.
bool run(std::span<const Row> table, int number, State& s, const rt::Event& e) {
    for (const Row& row : table) {
        if (row.number == number) {
            row.handle(s, e);
            return true;
        }
    }
    return false;
}

// Runs a command of the state, or of nothing.
template <auto command>
void call(State& s) {
    if constexpr (std::is_invocable_v<decltype(command), State&>) command(s);
    else command();
}

// Runs `command` whatever the event.
template <auto command>
void on_any(State& s, const rt::Event&) {
    call<command>(s);
}

// Runs `command` on a button's own click; other mouse events on it (right click, drag) do nothing.
template <auto command>
void on_click(State& s, const rt::Event& e) {
    if (e.type == rt::EventType::LeftClick) call<command>(s);
}

// Runs `command` when the user changed the gadget (a list's choice, a field's text).
template <auto command>
void on_change(State& s, const rt::Event& e) {
    if (e.type == rt::EventType::Change) call<command>(s);
}

void open_desk_menu(State&, const rt::Event&) { rt::display_popup_menu(core::MenuDesk, core::WindowDesk); }

// Grip bar: menu box, close box, and dragging the desk.
void grip_bar(State& s, const rt::Event& e) {
    switch (e.type) {
    case rt::EventType::RightClick: open_desk_menu(s, e); break;
    case rt::EventType::LeftClick:
        if (e.mouse.window_x >= 0 && e.mouse.window_x < grip_menu_click_end) open_desk_menu(s, e);
        else if (e.mouse.window_x > grip_cross_left) quit(s);
        break;
    default: core::drag_window(s, e, core::WindowDesk); break;
    }
}

// The desk's own area: the clock bar's click zones above y 90, then the now-playing line.
void desk_click(State& s, const rt::Event& e) {
    constexpr int clock_bar_end = 90;
    if (e.mouse.window_y < clock_bar_end) clocks::clock_bar_click(s, e.mouse.window_y);
    music::now_playing_click(s, e.mouse.window_y);
}

void page_tab(State& s, const rt::Event& e) { desk::page_tab_event(s, e); }

// The update check. Going to a newer build's download page ends the program,
// after a save all, so the desk's place, height and volume are kept.
void check_for_newer_version(State& s) {
    if (web::check_version(s) != web::AfterCheck::EndProgram) return;
    config::save_all(s);
    end_program();
}

// The large-clock box shows the choice the data file holds.
void open_preferences_window(State& s) {
    config::open_preferences(s);
    config::show_zoom_choice(clocks::zoom_setting_is_large(s));
}

// The language list switches only to a language other than the one shown.
void preferences_language(State& s, const rt::Event&) {
    if (const auto wanted = config::chosen_language()) choose_language(s, *wanted);
}

template <int page>
void choose_page_colour(State& s) {
    desk::choose_page_colour(s, page);
    config::show_page_colours(s);
}

// Timers, whatever their window.
constexpr Row timers[] = {
    {core::TimerTick, on_any<clocks::tick>},
    {core::TimerBanner, on_any<clocks::close_notice>},
    {core::TimerDate, on_any<clocks::refresh_date_texts>},
};

constexpr Row left_clicks[] = {
    {core::WindowBanner, on_any<clocks::close_notice>},
    {core::WindowDesk, desk_click},
    {core::WindowSmallClock, on_any<clocks::close_small_clock>},
    {core::WindowPicture, on_any<notes::close_picture>},
};

constexpr Row right_clicks[] = {
    {core::WindowDesk, open_desk_menu},
    {core::WindowSmallClock, on_any<clocks::explain_small_clock>},
};

constexpr Row fixed_gadgets[] = {
    {GadgetGrip, grip_bar},
    {GadgetHeightTest, on_any<test_desk_height>},
    {core::GadgetWebRadio, on_any<music::web_radio_button>},
    {core::GadgetPlay, on_click<music::play_from_start>},
    {core::GadgetPause, on_click<music::pause_or_resume>},
    {core::GadgetStop, on_click<music::stop_button>},
    {core::GadgetNextFile, on_click<music::next_file>},
    {core::GadgetLoop, on_click<music::toggle_loop>},
    {core::GadgetMute, on_click<music::toggle_mute>},
    {core::GadgetVolume, on_any<music::volume_changed>},
    {music::GadgetRadioVolume, on_any<music::volume_changed>},
    {core::GadgetFavourite1, on_click<[](State& s) { music::play_station_preset(s, 1); }>},
    {core::GadgetFavourite2, on_click<[](State& s) { music::play_station_preset(s, 2); }>},
    {core::GadgetFavourite3, on_click<[](State& s) { music::play_station_preset(s, 3); }>},
    {music::GadgetRadioStations, on_change<music::choose_station>},
    {music::GadgetRadioListen, on_click<music::listen>},
    {music::GadgetRadioNew, on_click<music::new_station>},
    {music::GadgetRadioClose, on_click<music::close_radio_window>},
    {music::GadgetRadioStop, on_click<music::radio_stop>},
    {music::GadgetRadioRemove, on_click<music::remove_station>},
    {music::GadgetRadioSave, on_click<music::save_station>},
    {music::GadgetRadioSort, on_click<music::sort_station_list>},
    {music::GadgetRadioFavourite1, on_click<[](State& s) { music::assign_favourite(s, 1); }>},
    {music::GadgetRadioFavourite2, on_click<[](State& s) { music::assign_favourite(s, 2); }>},
    {music::GadgetRadioFavourite3, on_click<[](State& s) { music::assign_favourite(s, 3); }>},
    {music::GadgetInfoStrip, music::strip_event},
    {core::GadgetPlaylist, on_click<music::open_playlist_manager>},
    {music::GadgetManagerClose, on_click<music::close_playlist_manager>},
    {music::GadgetLoadList, on_click<music::load_list>},
    {music::GadgetShowCurrent, on_click<music::show_current_list>},
    {music::GadgetPlayList, on_click<music::play_from_start>},
    {music::GadgetNewList, on_click<music::new_list>},
    {music::GadgetSaveList, on_click<music::save_list>},
    {music::GadgetFavouriteChoice, on_any<music::favourite_chosen>},
    {music::GadgetFilter, on_any<music::filter_chosen>},
    {music::GadgetManagerStop, on_click<music::stop_button>},
    {music::GadgetShuffle, on_click<music::shuffle_list>},
    {music::GadgetSelectAll, on_click<music::select_all_files>},
    {music::GadgetSelectNone, on_click<music::select_no_files>},
    {music::GadgetAddSelected, on_click<music::add_selected_files>},
    {music::GadgetFolderTree, on_any<music::folder_chosen>},
    {music::GadgetFileList, music::file_list_event},
    {music::GadgetPlaylistView, music::view_event},
    {music::GadgetEditorOk, on_click<music::favourites_editor_ok>},
    {music::GadgetEditorBrowse1, on_click<[](State& s) { music::browse_favourite(s, 1); }>},
    {music::GadgetEditorBrowse1 + 1, on_click<[](State& s) { music::browse_favourite(s, 2); }>},
    {music::GadgetEditorBrowse1 + 2, on_click<[](State& s) { music::browse_favourite(s, 3); }>},
    {music::GadgetEditorBrowse1 + 3, on_click<[](State& s) { music::browse_favourite(s, 4); }>},
    {music::GadgetEditorBrowse1 + 4, on_click<[](State& s) { music::browse_favourite(s, 5); }>},
    {core::GadgetCountdownStartStop, on_click<clocks::countdown_start_stop>},
    {core::GadgetCountdownSet, on_click<clocks::open_countdown_window>},
    {core::GadgetStopwatchReset, on_click<clocks::stopwatch_reset>},
    {core::GadgetStopwatchStartStop, on_click<clocks::stopwatch_start_stop>},
    {core::GadgetCalendar, on_click<clocks::toggle_calendar_dropping_edits>},
    {clocks::GadgetCalendarOk, on_click<clocks::store_events_and_close>},
    {clocks::GadgetSmallClockGrip, clocks::small_clock_grip},
    {clocks::GadgetCountdownDefine, on_click<clocks::define_countdown>},
    {clocks::GadgetCountdownStart, on_click<clocks::start_countdown_from_window>},
    {clocks::GadgetCountdownReset, on_click<clocks::reset_countdown_fields>},
    {clocks::GadgetNeedleFace, clocks::needle_face_event},
    {desk::GadgetPageTab1, page_tab},
    {desk::GadgetPageTab2, page_tab},
    {desk::GadgetPageTab3, page_tab},
    {core::GadgetMoveIcons, on_any<desk::toggle_move_mode>},
    {core::GadgetNotes, on_click<notes::toggle_notes>},
    {desk::GadgetInfoCopy, on_any<desk::copy_slot_info>},
    {desk::GadgetMoveOk, on_any<desk::move_dialog_ok>},
    {web::GadgetAboutOk, on_click<web::close_about>},
    {web::GadgetAboutWeb, on_click<web::open_web_site>},
    {web::GadgetAboutContact, on_click<web::write_to_maker>},
    {web::GadgetAboutLicences, on_click<web::open_licences>},
    {web::GadgetAboutToolkit, on_click<web::open_toolkit_site>},
    {web::GadgetAboutCheck, on_click<check_for_newer_version>},
    {config::GadgetLanguage, preferences_language},
    {config::GadgetTwentyFourHours, on_click<clocks::toggle_clock_type>},
    {config::GadgetTalkingClock, on_click<toggle_talking_clock>},
    {config::GadgetVoice, on_click<clocks::explain_voice>},
    {config::GadgetVolumes, on_click<config::open_volume_settings>},
    {config::GadgetReloadIcons, on_click<desk::reload_original_icons>},
    {config::GadgetShowSeparators, on_click<config::toggle_show_separators>},
    {config::GadgetConfirmDeletions, on_click<config::toggle_confirm_deletions>},
    {config::GadgetZoom, on_click<[](State& s) { config::show_zoom_choice(clocks::toggle_zoom_setting(s)); }>},
    {config::GadgetDeskHeight, on_any<config::apply_desk_height>},
    {config::GadgetBackgroundButton, on_click<config::choose_background_colour>},
    {config::GadgetClockTextColourButton, on_click<config::clock_colour_not_ready>},
    {config::GadgetClockBackgroundButton, on_click<config::clock_colour_not_ready>},
    {config::GadgetPage1ColourButton, on_click<choose_page_colour<1>>},
    {config::GadgetPage2ColourButton, on_click<choose_page_colour<2>>},
    {config::GadgetPage3ColourButton, on_click<choose_page_colour<3>>},
    {config::GadgetAbout, on_click<web::show_about>},
    {config::GadgetCheckVersion, on_click<check_for_newer_version>},
    {config::GadgetPreferencesOk, on_click<config::close_preferences>},
};

void close_it(State&, const rt::Event& e) { rt::close_window(e.window); }

constexpr Row window_closes[] = {
    {core::WindowDesk, on_any<quit_by_closing_desk>},
    {core::WindowCalendar, on_any<clocks::store_events_and_close>},
    {core::WindowAbout, close_it},
    {core::WindowSlotMove, close_it},
    {core::WindowCountdown, close_it},
    {core::WindowPlaylistEditor, close_it},
    {core::WindowDeskHeight, close_it},
    {core::WindowPreferences, close_it},
    {core::WindowSlotInfo, close_it},
    {core::WindowTextViewer, close_it},
    {core::WindowPicture, on_any<notes::close_picture>},
    {core::WindowNotes, on_any<notes::close_notes>},
    {core::WindowRadio, on_any<music::close_radio_window>},
    {core::WindowPlaylist, on_any<music::close_playlist_manager>},
};

// Size changes, by the window that changed (the text viewer lays itself out).
constexpr Row window_sizes[] = {
    {core::WindowNotes, on_any<notes::lay_out_notes>},
    {core::WindowPlaylist, on_any<music::lay_out_playlist_manager>},
};

constexpr Row menu_items[] = {
    {core::ItemTrayShowHide, on_any<toggle_desk_visibility>},
    {core::ItemDeskHide, on_any<toggle_desk_visibility>},
    {core::ItemTrayLeft, on_any<desk_to_left>},
    {core::ItemKeyLeft, on_any<desk_to_left>},
    {core::ItemDeskLeft, on_any<desk_to_left>},
    {core::ItemTrayRight, on_any<desk_to_right>},
    {core::ItemKeyRight, on_any<desk_to_right>},
    {core::ItemDeskRight, on_any<desk_to_right>},
    {core::ItemTrayTalkingClock, on_any<toggle_talking_clock>},
    {core::ItemTrayOnTop, on_any<toggle_on_top>},
    {core::ItemDeskOnTop, on_any<toggle_on_top>},
    {core::ItemTrayQuit, on_any<quit>},
    {core::ItemDeskQuit, on_any<quit>},
    {core::ItemKeyResize, on_any<open_desk_height_dialog>},
    {core::ItemDeskResize, on_any<open_desk_height_dialog>},
    {core::ItemCalendar, on_any<clocks::open_calendar>},
    {core::ItemNeedleClock, on_any<clocks::open_needle_clock>},
    {core::ItemNeedleSmall, on_any<[](State& s) { clocks::resize_needle_clock(s, 100); }>},
    {core::ItemNeedleMedium, on_any<[](State& s) { clocks::resize_needle_clock(s, 150); }>},
    {core::ItemNeedleLarge, on_any<[](State& s) { clocks::resize_needle_clock(s, 200); }>},
    {core::ItemNeedleOnTop, on_any<clocks::toggle_needle_on_top>},
    {core::ItemNeedleSeconds, on_any<clocks::toggle_needle_seconds>},
    {core::ItemNeedleTransparency25, on_any<[](State& s) { clocks::set_needle_opacity(s, 25); }>},
    {core::ItemNeedleTransparency50, on_any<[](State& s) { clocks::set_needle_opacity(s, 50); }>},
    {core::ItemNeedleOpaque, on_any<[](State& s) { clocks::set_needle_opacity(s, 100); }>},
    {core::ItemNeedleBackground, on_any<clocks::choose_needle_background>},
    {core::ItemNeedleColour, on_any<clocks::choose_needle_colour>},
    {core::ItemNeedleClose, on_any<clocks::close_needle_clock>},
    {core::ItemSlotInfo, on_any<desk::show_slot_info>},
    {core::ItemSlotToggleAdmin, on_any<desk::toggle_elevation>},
    {core::ItemSlotAdd, on_any<desk::add_or_change>},
    {core::ItemSlotPaste, on_any<desk::paste_file_name>},
    {core::ItemSlotRename, on_any<desk::rename_slot>},
    {core::ItemSlotParameters, on_any<desk::change_parameters>},
    {core::ItemSlotStartFolder, on_any<desk::change_start_folder>},
    {core::ItemSlotChangeIcon, on_any<desk::change_icon>},
    {core::ItemSlotOriginalIcon, on_any<desk::original_icon>},
    {core::ItemSlotMove, on_any<desk::open_move_dialog>},
    {core::ItemSlotRemove, on_any<desk::remove_slot>},
    {core::ItemSlotRunAsAdmin, on_any<[](State& s) { desk::launch_slot_elevated(s, s.Selected_Slot); }>},
    {core::ItemDeskEditData, on_any<[](State& s) { desk::open_with_desktop(s, s.Data_File_Path); }>},
    {core::ItemTrayHelp, on_any<web::show_help>},
    {core::ItemDeskHelp, on_any<web::show_help>},
    {core::ItemTrayAbout, on_any<web::show_about>},
    {core::ItemDeskAbout, on_any<web::show_about>},
    {core::ItemDeskCheckVersion, on_any<check_for_newer_version>},
    {core::ItemTrayPreferences, on_any<open_preferences_window>},
    {core::ItemDeskPreferences, on_any<open_preferences_window>},
    {core::ItemViewerOnTop, on_any<notes::viewer_on_top>},
    {core::ItemViewerWordWrap, on_any<notes::viewer_word_wrap>},
    {core::ItemViewerEdit, on_any<notes::viewer_edit>},
    {core::ItemViewerSaveAs, on_any<notes::viewer_save_as>},
    {core::ItemNotesNew, on_any<notes::new_note>},
    {core::ItemNotesOpen, on_any<notes::open_note>},
    {core::ItemNotesSave, on_any<notes::save_note>},
    {core::ItemNotesSaveAs, on_any<notes::save_note_as>},
    {core::ItemNotesBackground, on_any<notes::choose_notes_background>},
    {core::ItemNotesTextColour, on_any<notes::choose_notes_text_colour>},
    {core::ItemNotesFont, on_any<notes::choose_notes_font>},
    {core::ItemNotesClose, on_any<notes::close_notes>},
    {core::ItemDeskMusicInfo, on_any<music::toggle_strip>},
    {core::ItemTrayPlayOne, on_any<[](State& s) { music::play_one_file(s, ""); }>},
    {core::ItemPlaylist1, on_any<[](State& s) { music::play_favourite_list(s, 1); }>},
    {core::ItemPlaylist1 + 1, on_any<[](State& s) { music::play_favourite_list(s, 2); }>},
    {core::ItemPlaylist1 + 2, on_any<[](State& s) { music::play_favourite_list(s, 3); }>},
    {core::ItemPlaylist1 + 3, on_any<[](State& s) { music::play_favourite_list(s, 4); }>},
    {core::ItemPlaylist5, on_any<[](State& s) { music::play_favourite_list(s, 5); }>},
    {core::ItemDeskEditPlaylists, on_any<music::open_favourites_editor>},
    {core::ItemPlaylistQuit, on_any<music::close_playlist_manager>},
    {core::ItemBrowserPlay, on_any<music::play_from_browser>},
    {core::ItemBrowserAdd, on_any<music::add_selected_files>},
    {core::ItemPlaylistPlay, on_any<music::play_from_view>},
    {core::ItemPlaylistFromHere, on_any<music::play_from_here>},
    {core::ItemPlaylistDelete, on_any<music::delete_item>},
    {core::ItemRemotePlay, on_any<remote_play>},
    {core::ItemRemotePause, on_any<remote_pause>},
    {core::ItemRemotePlayPause, on_any<remote_play_pause>},
    {core::ItemRemoteStop, on_any<music::stop_button>},
    {core::ItemRemoteNext, on_any<music::next_file>},
    {core::ItemRemotePrevious, on_any<music::previous_file>},
    {core::ItemRemoteRaise, on_any<bring_desk_to_front>},
};

void tray(State& s, const rt::Event& e) {
    if (e.type == rt::EventType::LeftClick) toggle_desk_visibility(s);
    else if (e.type == rt::EventType::RightClick) rt::display_popup_menu(core::MenuTray, core::WindowDesk);
}

void gadget(State& s, const rt::Event& e) {
    if (e.window == core::WindowPicture) return;
    // Slot buttons first, then separators, then the fixed gadgets.
    for (int i = 1; i <= s.Slot_Count && i <= core::slot_count_max; ++i) {
        if (s.slot_table[std::size_t(i)].control != e.object) continue;
        if (desk::slot_event(s, i, e)) break;
    }
    for (int i = 1; i <= core::separator_titles; ++i) {
        if (s.separators[std::size_t(i)].click_area == e.object) {
            desk::rename_separator(s, i);
            break;
        }
    }
    run(fixed_gadgets, e.object, s, e);
}

}  // namespace

void dispatch(State& s, const rt::Event& e) {
    if (e.window == core::WindowCalendar) clocks::calendar_filter(s, e);
    switch (e.kind) {
    case rt::EventKind::Timer: run(timers, e.object, s, e); break;
    case rt::EventKind::GadgetDrop:
        if (e.window == core::WindowDesk && !notes::drop_on_clock(s, e)) desk::drop_on_slot(s, e);
        if (e.window == core::WindowPlaylist && e.object == music::GadgetPlaylistView)
            music::drop_on_view(s, e.drop.files);
        break;
    case rt::EventKind::Tray: tray(s, e); break;
    case rt::EventKind::LeftClick: run(left_clicks, e.window, s, e); break;
    case rt::EventKind::RightClick: run(right_clicks, e.window, s, e); break;
    case rt::EventKind::Gadget: gadget(s, e); break;
    case rt::EventKind::CloseWindow: run(window_closes, e.window, s, e); break;
    case rt::EventKind::SizeWindow: run(window_sizes, e.window, s, e); break;
    case rt::EventKind::Menu: run(menu_items, e.object, s, e); break;
    }
    show_playing(s);
}

void run_loop(State& s) {
    // Everything the loop does is caused by an event (the clock's tick is a
    // timer event), so it sleeps until the next one instead of waking to wait again.
    constexpr int wait_ms = 60 * 60 * 1000;
    for (;;) {
        if (auto e = rt::wait_event(wait_ms)) dispatch(s, *e);
    }
}

}  // namespace app
