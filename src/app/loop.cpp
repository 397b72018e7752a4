#include "app/loop.h"

#include <span>

#include "app/desk_window.h"
#include "app/end.h"
#include "app/ids.h"
#include "clock/banner.h"
#include "clock/calendar.h"
#include "clock/countdown_window.h"
#include "clock/date_texts.h"
#include "clock/ids.h"
#include "clock/needle_clock.h"
#include "clock/small_clock.h"
#include "clock/stopwatch.h"
#include "clock/tick.h"
#include "config/data_file.h"
#include "config/keys.h"
#include "desk/desk.h"
#include "desk/editing.h"
#include "desk/icon_commands.h"
#include "desk/ids.h"
#include "desk/launch.h"
#include "rt/dialogs.h"
#include "rt/gadget.h"
#include "rt/menu.h"
#include "rt/timer.h"
#include "rt/window.h"

namespace app {

namespace {

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

// Window dragging on a drawing surface: the window follows the mouse from
// the press to the release.
void drag_window(State& s, const rt::Event& e, int window) {
    switch (e.type) {
    case rt::EventType::LeftButtonDown:
        s.Window_Dragging = 1;
        s.Drag_Offset_X = e.mouse.desktop_x - rt::window_x(window);
        s.Drag_Offset_Y = e.mouse.desktop_y - rt::window_y(window);
        break;
    case rt::EventType::MouseMove:
        if (s.Window_Dragging == 1)
            rt::move_window(window, e.mouse.desktop_x - s.Drag_Offset_X, e.mouse.desktop_y - s.Drag_Offset_Y);
        break;
    case rt::EventType::LeftButtonUp: s.Window_Dragging = 0; break;
    default: break;
    }
}

void open_desk_menu(State&, const rt::Event&) { rt::display_popup_menu(MenuDesk, WindowDesk); }

// Grip bar: menu box, close box, and dragging the desk.
void grip_bar(State& s, const rt::Event& e) {
    constexpr int menu_box_end = 15, close_box_start = 99;
    switch (e.type) {
    case rt::EventType::RightClick: open_desk_menu(s, e); break;
    case rt::EventType::LeftClick:
        if (e.mouse.window_x >= 0 && e.mouse.window_x < menu_box_end) open_desk_menu(s, e);
        else if (e.mouse.window_x > close_box_start) quit(s);
        break;
    default: drag_window(s, e, WindowDesk); break;
    }
}

// The web radio needs the audio engine; without it the button says so.
void web_radio_button(State& s, const rt::Event&) {
    if (s.Audio_Available == 1) return;  // the web radio window comes with the music player
    if (s.Lng == "Fr")
        rt::message_box("Erreur", "La DLL fmodex(64).dll n'est pas présente dans le répertoire",
                        rt::MessageButtons::Ok, rt::MessageIcon::Error);
    else
        rt::message_box("Error", "Needed DLL fmodex(64).dll not found in directory", rt::MessageButtons::Ok,
                        rt::MessageIcon::Error);
}

// Runs `command` on a button's own click; other mouse events on it (right click, drag) do nothing.
template <auto command>
void on_click(State& s, const rt::Event& e) {
    if (e.type == rt::EventType::LeftClick) command(s);
}

// The desk's own area: the clock bar's click zones above y 90.
void desk_click(State& s, const rt::Event& e) {
    constexpr int clock_bar_end = 90;
    if (e.mouse.window_y < clock_bar_end) clocks::clock_bar_click(s, e.mouse.window_y);
}

// Timers, whatever their window.
constexpr Row timers[] = {
    {TimerTick, [](State& s, const rt::Event&) { clocks::tick(s); }},
    {TimerBanner, [](State&, const rt::Event&) { clocks::close_notice(); }},
    {TimerDate, [](State& s, const rt::Event&) { clocks::refresh_date_texts(s); }},
};

constexpr Row left_clicks[] = {
    {WindowBanner, [](State&, const rt::Event&) { clocks::close_notice(); }},
    {WindowDesk, desk_click},
    {WindowSmallClock, [](State&, const rt::Event&) { clocks::close_small_clock(); }},
};

constexpr Row right_clicks[] = {
    {WindowDesk, open_desk_menu},
    {WindowSmallClock, [](State&, const rt::Event&) { clocks::explain_small_clock(); }},
};

constexpr Row fixed_gadgets[] = {
    {GadgetGrip, grip_bar},
    {GadgetHeightTest, [](State&, const rt::Event&) { test_desk_height(); }},
    {clocks::GadgetWebRadio, web_radio_button},
    {clocks::GadgetCountdownStartStop, on_click<clocks::countdown_start_stop>},
    {clocks::GadgetCountdownSet, on_click<clocks::open_countdown_window>},
    {clocks::GadgetStopwatchReset, on_click<clocks::stopwatch_reset>},
    {clocks::GadgetStopwatchStartStop, on_click<clocks::stopwatch_start_stop>},
    {clocks::GadgetCalendar, on_click<clocks::toggle_calendar_dropping_edits>},
    {clocks::GadgetCalendarOk, on_click<clocks::store_events_and_close>},
    {clocks::GadgetSmallClockGrip, clocks::small_clock_grip},
    {clocks::GadgetCountdownDefine, on_click<clocks::define_countdown>},
    {clocks::GadgetCountdownStart, on_click<clocks::start_countdown_from_window>},
    {clocks::GadgetCountdownReset, on_click<[](State&) { clocks::reset_countdown_fields(); }>},
    {clocks::GadgetNeedleFace, clocks::needle_face_event},
    {desk::GadgetPageTab1, [](State& s, const rt::Event& e) { desk::page_tab_event(s, e); }},
    {desk::GadgetPageTab2, [](State& s, const rt::Event& e) { desk::page_tab_event(s, e); }},
    {desk::GadgetPageTab3, [](State& s, const rt::Event& e) { desk::page_tab_event(s, e); }},
    {clocks::GadgetMoveIcons, [](State& s, const rt::Event&) { desk::toggle_move_mode(s); }},
    {desk::GadgetInfoCopy, [](State& s, const rt::Event&) { desk::copy_slot_info(s); }},
    {desk::GadgetMoveOk, [](State& s, const rt::Event&) { desk::move_dialog_ok(s); }},
};

void close_it(State&, const rt::Event& e) { rt::close_window(e.window); }

constexpr Row window_closes[] = {
    {WindowDesk, [](State& s, const rt::Event&) { quit_by_closing_desk(s); }},
    {WindowCalendar, [](State& s, const rt::Event&) { clocks::store_events_and_close(s); }},
    {WindowAbout, close_it},        {WindowSlotMove, close_it},    {WindowCountdown, close_it},
    {WindowPlaylistEditor, close_it}, {WindowDeskHeight, close_it}, {WindowPreferences, close_it},
    {WindowSlotInfo, close_it},     {WindowTextViewer, close_it},
};

constexpr Row menu_items[] = {
    {ItemTrayShowHide, [](State& s, const rt::Event&) { toggle_desk_visibility(s); }},
    {ItemDeskHide, [](State& s, const rt::Event&) { toggle_desk_visibility(s); }},
    {ItemTrayLeft, [](State& s, const rt::Event&) { desk_to_left(s); }},
    {ItemKeyLeft, [](State& s, const rt::Event&) { desk_to_left(s); }},
    {ItemDeskLeft, [](State& s, const rt::Event&) { desk_to_left(s); }},
    {ItemTrayRight, [](State& s, const rt::Event&) { desk_to_right(s); }},
    {ItemKeyRight, [](State& s, const rt::Event&) { desk_to_right(s); }},
    {ItemDeskRight, [](State& s, const rt::Event&) { desk_to_right(s); }},
    {ItemTrayTalkingClock, [](State& s, const rt::Event&) { toggle_talking_clock(s); }},
    {ItemTrayOnTop, [](State& s, const rt::Event&) { toggle_on_top(s); }},
    {ItemDeskOnTop, [](State& s, const rt::Event&) { toggle_on_top(s); }},
    {ItemTrayQuit, [](State& s, const rt::Event&) { quit(s); }},
    {ItemDeskQuit, [](State& s, const rt::Event&) { quit(s); }},
    {ItemKeyResize, [](State& s, const rt::Event&) { open_desk_height_dialog(s); }},
    {ItemDeskResize, [](State& s, const rt::Event&) { open_desk_height_dialog(s); }},
    {ItemCalendar, [](State& s, const rt::Event&) { clocks::open_calendar(s); }},
    {ItemNeedleClock, [](State& s, const rt::Event&) { clocks::open_needle_clock(s); }},
    {ItemNeedleSmall, [](State& s, const rt::Event&) { clocks::resize_needle_clock(s, 100); }},
    {ItemNeedleMedium, [](State& s, const rt::Event&) { clocks::resize_needle_clock(s, 150); }},
    {ItemNeedleLarge, [](State& s, const rt::Event&) { clocks::resize_needle_clock(s, 200); }},
    {ItemNeedleOnTop, [](State& s, const rt::Event&) { clocks::toggle_needle_on_top(s); }},
    {ItemNeedleSeconds, [](State& s, const rt::Event&) { clocks::toggle_needle_seconds(s); }},
    {ItemNeedleTransparency25, [](State& s, const rt::Event&) { clocks::set_needle_opacity(s, 25); }},
    {ItemNeedleTransparency50, [](State& s, const rt::Event&) { clocks::set_needle_opacity(s, 50); }},
    {ItemNeedleOpaque, [](State& s, const rt::Event&) { clocks::set_needle_opacity(s, 100); }},
    {ItemNeedleBackground, [](State& s, const rt::Event&) { clocks::choose_needle_background(s); }},
    {ItemNeedleColour, [](State& s, const rt::Event&) { clocks::choose_needle_colour(s); }},
    {ItemNeedleClose, [](State& s, const rt::Event&) { clocks::close_needle_clock(s); }},
    {ItemSlotInfo, [](State& s, const rt::Event&) { desk::show_slot_info(s); }},
    {ItemSlotToggleAdmin, [](State& s, const rt::Event&) { desk::toggle_elevation(s); }},
    {ItemSlotAdd, [](State& s, const rt::Event&) { desk::add_or_change(s); }},
    {ItemSlotPaste, [](State& s, const rt::Event&) { desk::paste_file_name(s); }},
    {ItemSlotRename, [](State& s, const rt::Event&) { desk::rename_slot(s); }},
    {ItemSlotParameters, [](State& s, const rt::Event&) { desk::change_parameters(s); }},
    {ItemSlotStartFolder, [](State& s, const rt::Event&) { desk::change_start_folder(s); }},
    {ItemSlotChangeIcon, [](State& s, const rt::Event&) { desk::change_icon(s); }},
    {ItemSlotOriginalIcon, [](State& s, const rt::Event&) { desk::original_icon(s); }},
    {ItemSlotMove, [](State& s, const rt::Event&) { desk::open_move_dialog(s); }},
    {ItemSlotRemove, [](State& s, const rt::Event&) { desk::remove_slot(s); }},
    {ItemSlotRunAsAdmin, [](State& s, const rt::Event&) { desk::launch_slot_elevated(s, s.Selected_Slot); }},
    {ItemDeskEditData, [](State& s, const rt::Event&) { desk::open_with_desktop(s, s.Data_File_Path); }},
};

void tray(State& s, const rt::Event& e) {
    if (e.type == rt::EventType::LeftClick) toggle_desk_visibility(s);
    else if (e.type == rt::EventType::RightClick) rt::display_popup_menu(MenuTray, WindowDesk);
}

// Separator i's click area: rename it.
void rename_separator(State& s, int i) {
    auto& separator = s.separators[std::size_t(i)];
    const auto answer = rt::input_box("Renommer (rename)", "Sep. #" + std::to_string(i) + " - Nouveau Titre (New Title)",
                                      separator.title);
    if (!answer || answer->empty()) return;
    separator.title = *answer;
    if (separator.title_band >= 0) rt::set_text(separator.title_band, separator.title);
    config::set_string_key(s, config::keys::Separators, config::separator_key(i), separator.title);
}

void gadget(State& s, const rt::Event& e) {
    if (e.window == WindowPicture) return;
    // Slot buttons first, then separators, then the fixed gadgets.
    for (int i = 1; i <= s.Slot_Count && i <= slot_count_max; ++i) {
        if (s.slot_table[std::size_t(i)].control != e.object) continue;
        if (loop_hooks().slot_event && loop_hooks().slot_event(s, i, e)) break;
    }
    for (int i = 1; i <= separator_titles; ++i) {
        if (s.separators[std::size_t(i)].click_area == e.object) {
            rename_separator(s, i);
            break;
        }
    }
    run(fixed_gadgets, e.object, s, e);
}

}  // namespace

LoopHooks& loop_hooks() {
    static LoopHooks hooks;
    return hooks;
}

void dispatch(State& s, const rt::Event& e) {
    if (e.window == WindowCalendar && loop_hooks().calendar_filter) loop_hooks().calendar_filter(s, e);
    switch (e.kind) {
    case rt::EventKind::Timer: run(timers, e.object, s, e); break;
    case rt::EventKind::GadgetDrop:
        if (e.window == WindowDesk) desk::drop_on_slot(s, e);  // the clock texts' drops come with the notes and viewer
        break;
    case rt::EventKind::Tray: tray(s, e); break;
    case rt::EventKind::LeftClick: run(left_clicks, e.window, s, e); break;
    case rt::EventKind::RightClick: run(right_clicks, e.window, s, e); break;
    case rt::EventKind::Gadget: gadget(s, e); break;
    case rt::EventKind::CloseWindow: run(window_closes, e.window, s, e); break;
    case rt::EventKind::SizeWindow: break;  // the playlist and notes windows lay themselves out
    case rt::EventKind::Menu: run(menu_items, e.object, s, e); break;
    }
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
