// The clock as the running program offers it: the clock bar's click zones,
// the small clock, the calendar and its events, the timers' buttons and the
// needle clock, through the dispatch after the real start-up.
#include <gtest/gtest.h>

#include "app/menus.h"
#include "app_fixture.h"
#include "clock/events.h"
#include "clock/ids.h"
#include "config/ini_file.h"
#include "core/ids.h"
#include "rt/gadget.h"
#include "rt/menu.h"
#include "rt/window.h"

using rt::EventKind;
using rt::EventType;

namespace {

// 2024-05-17 (a Friday) 10:29:00.
constexpr std::int64_t friday_morning = 1715941740;

class Clock : public test::AppScenario {
protected:
    void SetUp() override {
        clock.set_local(friday_morning);
        start_with("[Global]\r\nX_Origin = 30\r\nY_Origin = 40\r\n");
    }

    void click_window(EventKind kind, int window, int y) {
        rt::Event e;
        e.kind = kind;
        e.window = window;
        e.mouse.window_x = 20;
        e.mouse.window_y = y;
        dispatch(e);
    }
    void click_gadget(int window, int gadget, EventType type = EventType::LeftClick) {
        rt::Event e;
        e.kind = EventKind::Gadget;
        e.window = window;
        e.object = gadget;
        e.type = type;
        dispatch(e);
    }
    void tick() {
        rt::Event e;
        e.kind = EventKind::Timer;
        e.window = core::WindowDesk;
        e.object = core::TimerTick;
        dispatch(e);
    }

    // A value of group Calendar in the data file as it is on disk now.
    std::string stored(const std::string& key) {
        config::IniFile ini;
        EXPECT_TRUE(ini.open(working_file("Vimo_Desk.ini")));
        if (!ini.select_group("Calendar")) return "<no group>";
        return ini.read_string(key, "<missing>");
    }
};

TEST_F(Clock, StartShowsTheTimeAndDateAndTheDateTimerRefreshesThem) {
    EXPECT_EQ(rt::gadget_text(core::GadgetTime), "10:29");
    EXPECT_EQ(rt::gadget_text(core::GadgetSeconds), "00");
    EXPECT_EQ(rt::gadget_text(core::GadgetDayName), "Vendredi");
    EXPECT_EQ(rt::gadget_text(core::GadgetDate), "17 Mai");
    EXPECT_EQ(rt::gadget_text(core::GadgetDayOfYear), "Jour 138");
    EXPECT_EQ(rt::gadget_text(core::GadgetWeek), "Sem. 20");

    clock.set_local(friday_morning + 14 * 3600);  // past midnight
    rt::Event e;
    e.kind = EventKind::Timer;
    e.window = core::WindowDesk;
    e.object = core::TimerDate;
    dispatch(e);
    EXPECT_EQ(rt::gadget_text(core::GadgetDayName), "Samedi");
    EXPECT_EQ(rt::gadget_text(core::GadgetDayOfYear), "Jour 139");
}

TEST_F(Clock, TheLanguageSwitchRewritesTheDateTextsAndTheNeedleMenu) {
    app::switch_language(state);
    EXPECT_EQ(rt::gadget_text(core::GadgetDayName), "Friday");
    EXPECT_EQ(rt::gadget_text(core::GadgetDate), "May 17");
    EXPECT_EQ(rt::gadget_text(core::GadgetDayOfYear), "Day 138");
    EXPECT_EQ(rt::gadget_text(core::GadgetWeek), "Week 20");
    EXPECT_EQ(rt::menu_item_text(core::MenuNeedleClock, core::ItemNeedleLarge), "Resize Large (200px)");
    EXPECT_EQ(rt::menu_item_text(core::MenuNeedleClock, core::ItemNeedleTransparency50), "Transparence 50%");
    app::switch_language(state);
    EXPECT_EQ(rt::gadget_text(core::GadgetDate), "17 Mai");
    EXPECT_EQ(rt::menu_item_text(core::MenuNeedleClock, core::ItemNeedleLarge), "Taille 3 (200px)");
}

TEST_F(Clock, ClockBarClickZones) {
    const struct {
        int y;
        bool small_clock, calendar;
    } rows[] = {{49, true, false}, {50, false, false}, {51, false, true},
                {89, false, true}, {90, false, false}, {-1, false, false}};
    for (const auto& row : rows) {
        click_window(EventKind::LeftClick, core::WindowDesk, row.y);
        EXPECT_EQ(rt::window_exists(core::WindowSmallClock), row.small_clock) << "y " << row.y;
        EXPECT_EQ(rt::window_visible(core::WindowDesk), !row.small_clock) << "y " << row.y;
        EXPECT_EQ(rt::window_exists(core::WindowCalendar), row.calendar) << "y " << row.y;
        rt::close_window(core::WindowSmallClock);
        rt::close_window(core::WindowCalendar);
        rt::show_window(core::WindowDesk);
    }
}

TEST_F(Clock, SmallClockStandsForTheDeskUntilClicked) {
    click_window(EventKind::LeftClick, core::WindowDesk, 30);
    ASSERT_TRUE(rt::window_exists(core::WindowSmallClock));
    EXPECT_EQ(state.ClockBar_X, 30);
    EXPECT_EQ(state.ClockBar_Y, 76);
    EXPECT_EQ(rt::window_x(core::WindowSmallClock), 30);
    EXPECT_EQ(rt::window_y(core::WindowSmallClock), 76);
    EXPECT_EQ(rt::window_width(core::WindowSmallClock), 115);
    EXPECT_EQ(rt::window_height(core::WindowSmallClock), 28);
    EXPECT_EQ(rt::gadget_text(clocks::GadgetSmallClockTime), "10:29") << "shown at once, before a tick";
    EXPECT_EQ(rt::gadget_text(clocks::GadgetSmallClockMarker), "");

    clock.advance_ms(7000);
    tick();
    EXPECT_EQ(rt::gadget_text(clocks::GadgetSmallClockSeconds), "07");

    dialogs.answer(rt::MessageAnswer::Ok);
    click_window(EventKind::RightClick, core::WindowSmallClock, 10);
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].title, "Info");
    EXPECT_EQ(dialogs.shown()[0].text, "Clic gauche pour fermer / Left click to close");
    EXPECT_EQ(dialogs.shown()[0].icon, rt::MessageIcon::Information);
    EXPECT_TRUE(rt::window_exists(core::WindowSmallClock));

    // The grip drags without closing; the dragged place is not kept.
    const auto grip = [&](EventType type, int x, int y) {
        rt::Event e;
        e.kind = EventKind::Gadget;
        e.window = core::WindowSmallClock;
        e.object = clocks::GadgetSmallClockGrip;
        e.type = type;
        e.mouse.desktop_x = x;
        e.mouse.desktop_y = y;
        dispatch(e);
    };
    grip(EventType::LeftButtonDown, 35, 80);
    grip(EventType::MouseMove, 305, 480);
    grip(EventType::LeftButtonUp, 305, 480);
    grip(EventType::LeftClick, 305, 480);
    EXPECT_EQ(rt::window_x(core::WindowSmallClock), 300);
    EXPECT_EQ(rt::window_y(core::WindowSmallClock), 476);
    EXPECT_TRUE(rt::window_exists(core::WindowSmallClock));
    EXPECT_EQ(state.ClockBar_X, 30);

    click_window(EventKind::LeftClick, core::WindowSmallClock, 10);
    EXPECT_FALSE(rt::window_exists(core::WindowSmallClock));
    EXPECT_TRUE(rt::window_visible(core::WindowDesk));
}

TEST_F(Clock, CalendarStoresItsEventsOnOkTheCloseBoxAndTheDateArea) {
    const struct {
        const char* name;
        rt::Event closing;
    } rows[] = {
        {"OK", {.kind = EventKind::Gadget, .window = core::WindowCalendar, .object = clocks::GadgetCalendarOk}},
        {"close box", {.kind = EventKind::CloseWindow, .window = core::WindowCalendar}},
        {"date area",
         {.kind = EventKind::LeftClick, .window = core::WindowDesk, .mouse = {.window_x = 20, .window_y = 70}}},
    };
    std::int64_t when = friday_morning + 60;
    for (const auto& row : rows) {
        menu(core::ItemCalendar);
        ASSERT_TRUE(rt::window_exists(core::WindowCalendar)) << row.name;
        rt::set_date_gadget_value(clocks::GadgetEvent1Date, when);
        rt::set_text(clocks::GadgetEvent1Text, "Dentiste\nà 10 h 30");
        dispatch(row.closing);
        EXPECT_FALSE(rt::window_exists(core::WindowCalendar)) << row.name;
        EXPECT_EQ(state.Event_Time[1], when) << row.name;
        EXPECT_EQ(state.Event_Text[1], "Dentiste\nà 10 h 30") << row.name;
        EXPECT_EQ(stored("Event_1"), std::to_string(when)) << row.name;
        EXPECT_EQ(stored("Evt_1_Text"), "Dentiste\\nà 10 h 30") << row.name;
        EXPECT_EQ(stored("Event_2"), "0") << row.name;
        EXPECT_EQ(stored("Evt_3_Text"), "") << row.name;
        when += 60;
    }
}

TEST_F(Clock, CalendarButtonClosesWithoutStoring) {
    click_gadget(core::WindowDesk, core::GadgetCalendar);
    ASSERT_TRUE(rt::window_exists(core::WindowCalendar));
    rt::set_date_gadget_value(clocks::GadgetEvent2Date, friday_morning + 600);
    click_gadget(core::WindowDesk, core::GadgetCalendar, EventType::RightClick);
    EXPECT_TRUE(rt::window_exists(core::WindowCalendar)) << "only a click works the button";
    click_gadget(core::WindowDesk, core::GadgetCalendar);
    EXPECT_FALSE(rt::window_exists(core::WindowCalendar));
    EXPECT_EQ(state.Event_Time[2], 0);
    EXPECT_EQ(stored("Event_2"), "<no group>");
}

TEST_F(Clock, CalendarShowsStoredEventsByLanguageAndNowFillsADate) {
    state.Event_Time[3] = friday_morning + 3600;
    state.Event_Text[3] = "Réunion";
    menu(core::ItemCalendar);
    EXPECT_EQ(rt::window_title(core::WindowCalendar), "Calendrier");
    EXPECT_EQ(rt::window_width(core::WindowCalendar), 255);
    EXPECT_EQ(rt::window_height(core::WindowCalendar), 560);
    EXPECT_EQ(rt::date_gadget_value(clocks::GadgetEvent3Date), friday_morning + 3600);
    EXPECT_EQ(rt::gadget_text(clocks::GadgetEvent3Text), "Réunion");
    EXPECT_EQ(rt::date_gadget_value(clocks::GadgetEvent1Date), 0) << "an empty slot has no date";

    clock.advance_ms(12'000);
    click_gadget(core::WindowCalendar, clocks::GadgetEvent1Now);
    EXPECT_EQ(rt::date_gadget_value(clocks::GadgetEvent1Date), friday_morning + 12) << "the current second";

    // Unticking a date erases its slot's text as well.
    rt::set_date_gadget_value(clocks::GadgetEvent3Date, 0);
    click_gadget(core::WindowCalendar, clocks::GadgetCalendarOk);
    EXPECT_EQ(state.Event_Time[3], 0);
    EXPECT_EQ(state.Event_Text[3], "");
    EXPECT_EQ(state.Event_Time[1], friday_morning + 12);
    EXPECT_EQ(stored("Event_1"), std::to_string(friday_morning + 12));
}

TEST_F(Clock, CalendarWithoutADataFileKeepsTheEventsInMemorySilently) {
    std::filesystem::remove(working_file("Vimo_Desk.ini"));
    menu(core::ItemCalendar);
    rt::set_date_gadget_value(clocks::GadgetEvent2Date, friday_morning + 5);
    click_gadget(core::WindowCalendar, clocks::GadgetCalendarOk);
    EXPECT_EQ(state.Event_Time[2], friday_morning + 5);
    EXPECT_TRUE(dialogs.shown().empty());
    EXPECT_FALSE(std::filesystem::exists(working_file("Vimo_Desk.ini")));
}

// The whole journey: an event set one minute ahead fires at its second.
TEST_F(Clock, AnEventSetAMinuteAheadFiresAtItsSecond) {
    state.Sound_ON = 1;
    menu(core::ItemCalendar);
    rt::set_date_gadget_value(clocks::GadgetEvent1Date, friday_morning + 60);
    rt::set_text(clocks::GadgetEvent1Text, "Appeler Marie");
    click_gadget(core::WindowCalendar, clocks::GadgetCalendarOk);
    for (int second = 1; second < 60; ++second) {
        clock.advance_ms(1000);
        tick();
    }
    EXPECT_FALSE(rt::window_exists(core::WindowBanner));
    EXPECT_TRUE(tones.played.empty());
    clock.advance_ms(1000);
    tick();
    EXPECT_TRUE(rt::window_exists(core::WindowBanner));
    EXPECT_EQ(rt::gadget_text(clocks::GadgetBannerText), "Appeler Marie");
    EXPECT_EQ(tones.played, clocks::alarm_tune());
    ASSERT_FALSE(speech.spoken.empty());
    EXPECT_EQ(speech.spoken.front().text, "évènement 1 terminé");
}

TEST_F(Clock, TimerButtonsAndTheCountdownWindow) {
    click_gadget(core::WindowDesk, core::GadgetStopwatchStartStop);
    clock.advance_ms(3000);
    tick();
    EXPECT_EQ(rt::gadget_text(core::GadgetStopwatch), "00:00:03");
    click_gadget(core::WindowDesk, core::GadgetStopwatchReset, EventType::RightClick);
    EXPECT_EQ(rt::gadget_text(core::GadgetStopwatch), "00:00:03") << "a right click is no click";
    click_gadget(core::WindowDesk, core::GadgetStopwatchReset);
    EXPECT_EQ(rt::gadget_text(core::GadgetStopwatch), "00:00:00");

    click_gadget(core::WindowDesk, core::GadgetCountdownSet);
    ASSERT_TRUE(rt::window_exists(core::WindowCountdown));
    rt::set_state(clocks::GadgetCountdownMinutes, 5);
    click_gadget(core::WindowCountdown, clocks::GadgetCountdownStart);
    EXPECT_FALSE(rt::window_exists(core::WindowCountdown));
    clock.advance_ms(1000);
    tick();
    EXPECT_EQ(rt::gadget_text(core::GadgetCountdown), "0:04:59");
    click_gadget(core::WindowDesk, core::GadgetCountdownStartStop);
    EXPECT_EQ(rt::gadget_text(core::GadgetCountdown), "0:05:00");

    click_gadget(core::WindowDesk, core::GadgetCountdownSet);
    click_gadget(core::WindowCountdown, clocks::GadgetCountdownReset);
    EXPECT_EQ(rt::gadget_text(core::GadgetCountdown), "00:00:00");
    dispatch({.kind = EventKind::CloseWindow, .window = core::WindowCountdown});
    EXPECT_FALSE(rt::window_exists(core::WindowCountdown));
}

TEST_F(Clock, NeedleClockFromTheDeskMenuAndItsOwnMenu) {
    menu(core::ItemNeedleClock);
    ASSERT_TRUE(rt::window_exists(core::WindowNeedleClock));
    EXPECT_EQ(rt::window_width(core::WindowNeedleClock), 200);
    menu(core::ItemNeedleSmall);
    EXPECT_EQ(rt::window_width(core::WindowNeedleClock), 100);
    menu(core::ItemNeedleClose);
    EXPECT_FALSE(rt::window_exists(core::WindowNeedleClock));
    EXPECT_EQ(state.Needle_Clock_Size, 100);
    // The next save writes the place and size.
    menu(core::ItemDeskOnTop);
    EXPECT_NE(data_bytes().find("Needle_Clock_Size = 100\r\n"), std::string::npos);
}

}  // namespace
