// The clock as the running program offers it: the clock bar's click zones,
// the small clock, the calendar and its events, the timers' buttons and the
// needle clock, through the dispatch after the real start-up.
#include <gtest/gtest.h>

#include "app/ids.h"
#include "app/menus.h"
#include "app_fixture.h"
#include "clock/events.h"
#include "clock/ids.h"
#include "config/ini_file.h"
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
        e.window = app::WindowDesk;
        e.object = app::TimerTick;
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
    EXPECT_EQ(rt::gadget_text(clocks::GadgetTime), "10:29");
    EXPECT_EQ(rt::gadget_text(clocks::GadgetSeconds), "00");
    EXPECT_EQ(rt::gadget_text(clocks::GadgetDayName), "Vendredi");
    EXPECT_EQ(rt::gadget_text(clocks::GadgetDate), "17 Mai");
    EXPECT_EQ(rt::gadget_text(clocks::GadgetDayOfYear), "Jour 138");
    EXPECT_EQ(rt::gadget_text(clocks::GadgetWeek), "Sem. 20");

    clock.set_local(friday_morning + 14 * 3600);  // past midnight
    rt::Event e;
    e.kind = EventKind::Timer;
    e.window = app::WindowDesk;
    e.object = app::TimerDate;
    dispatch(e);
    EXPECT_EQ(rt::gadget_text(clocks::GadgetDayName), "Samedi");
    EXPECT_EQ(rt::gadget_text(clocks::GadgetDayOfYear), "Jour 139");
}

TEST_F(Clock, TheLanguageSwitchRewritesTheDateTextsAndTheNeedleMenu) {
    app::switch_language(state);
    EXPECT_EQ(rt::gadget_text(clocks::GadgetDayName), "Friday");
    EXPECT_EQ(rt::gadget_text(clocks::GadgetDate), "May 17");
    EXPECT_EQ(rt::gadget_text(clocks::GadgetDayOfYear), "Day 138");
    EXPECT_EQ(rt::gadget_text(clocks::GadgetWeek), "Week 20");
    EXPECT_EQ(rt::menu_item_text(app::MenuNeedleClock, app::ItemNeedleLarge), "Resize Large (200px)");
    EXPECT_EQ(rt::menu_item_text(app::MenuNeedleClock, app::ItemNeedleTransparency50), "Transparence 50%");
    app::switch_language(state);
    EXPECT_EQ(rt::gadget_text(clocks::GadgetDate), "17 Mai");
    EXPECT_EQ(rt::menu_item_text(app::MenuNeedleClock, app::ItemNeedleLarge), "Taille 3 (200px)");
}

TEST_F(Clock, ClockBarClickZones) {
    const struct {
        int y;
        bool small_clock, calendar;
    } rows[] = {{49, true, false}, {50, false, false}, {51, false, true},
                {89, false, true}, {90, false, false}, {-1, false, false}};
    for (const auto& row : rows) {
        click_window(EventKind::LeftClick, app::WindowDesk, row.y);
        EXPECT_EQ(rt::window_exists(app::WindowSmallClock), row.small_clock) << "y " << row.y;
        EXPECT_EQ(rt::window_visible(app::WindowDesk), !row.small_clock) << "y " << row.y;
        EXPECT_EQ(rt::window_exists(app::WindowCalendar), row.calendar) << "y " << row.y;
        rt::close_window(app::WindowSmallClock);
        rt::close_window(app::WindowCalendar);
        rt::show_window(app::WindowDesk);
    }
}

TEST_F(Clock, SmallClockStandsForTheDeskUntilClicked) {
    click_window(EventKind::LeftClick, app::WindowDesk, 30);
    ASSERT_TRUE(rt::window_exists(app::WindowSmallClock));
    EXPECT_EQ(state.ClockBar_X, 30);
    EXPECT_EQ(state.ClockBar_Y, 76);
    EXPECT_EQ(rt::window_x(app::WindowSmallClock), 30);
    EXPECT_EQ(rt::window_y(app::WindowSmallClock), 76);
    EXPECT_EQ(rt::window_width(app::WindowSmallClock), 115);
    EXPECT_EQ(rt::window_height(app::WindowSmallClock), 28);
    EXPECT_EQ(rt::gadget_text(clocks::GadgetSmallClockTime), "10:29") << "shown at once, before a tick";
    EXPECT_EQ(rt::gadget_text(clocks::GadgetSmallClockMarker), "");

    clock.advance_ms(7000);
    tick();
    EXPECT_EQ(rt::gadget_text(clocks::GadgetSmallClockSeconds), "07");

    dialogs.answer(rt::MessageAnswer::Ok);
    click_window(EventKind::RightClick, app::WindowSmallClock, 10);
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].title, "Info");
    EXPECT_EQ(dialogs.shown()[0].text, "Clic gauche pour fermer / Left click to close");
    EXPECT_EQ(dialogs.shown()[0].icon, rt::MessageIcon::Information);
    EXPECT_TRUE(rt::window_exists(app::WindowSmallClock));

    // The grip drags without closing; the dragged place is not kept.
    const auto grip = [&](EventType type, int x, int y) {
        rt::Event e;
        e.kind = EventKind::Gadget;
        e.window = app::WindowSmallClock;
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
    EXPECT_EQ(rt::window_x(app::WindowSmallClock), 300);
    EXPECT_EQ(rt::window_y(app::WindowSmallClock), 476);
    EXPECT_TRUE(rt::window_exists(app::WindowSmallClock));
    EXPECT_EQ(state.ClockBar_X, 30);

    click_window(EventKind::LeftClick, app::WindowSmallClock, 10);
    EXPECT_FALSE(rt::window_exists(app::WindowSmallClock));
    EXPECT_TRUE(rt::window_visible(app::WindowDesk));
}

TEST_F(Clock, CalendarStoresItsEventsOnOkTheCloseBoxAndTheDateArea) {
    const struct {
        const char* name;
        rt::Event closing;
    } rows[] = {
        {"OK", {.kind = EventKind::Gadget, .window = app::WindowCalendar, .object = clocks::GadgetCalendarOk}},
        {"close box", {.kind = EventKind::CloseWindow, .window = app::WindowCalendar}},
        {"date area",
         {.kind = EventKind::LeftClick, .window = app::WindowDesk, .mouse = {.window_x = 20, .window_y = 70}}},
    };
    std::int64_t when = friday_morning + 60;
    for (const auto& row : rows) {
        menu(app::ItemCalendar);
        ASSERT_TRUE(rt::window_exists(app::WindowCalendar)) << row.name;
        rt::set_date_gadget_value(clocks::GadgetEvent1Date, when);
        rt::set_text(clocks::GadgetEvent1Text, "Dentiste\nà 10 h 30");
        dispatch(row.closing);
        EXPECT_FALSE(rt::window_exists(app::WindowCalendar)) << row.name;
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
    click_gadget(app::WindowDesk, clocks::GadgetCalendar);
    ASSERT_TRUE(rt::window_exists(app::WindowCalendar));
    rt::set_date_gadget_value(clocks::GadgetEvent2Date, friday_morning + 600);
    click_gadget(app::WindowDesk, clocks::GadgetCalendar, EventType::RightClick);
    EXPECT_TRUE(rt::window_exists(app::WindowCalendar)) << "only a click works the button";
    click_gadget(app::WindowDesk, clocks::GadgetCalendar);
    EXPECT_FALSE(rt::window_exists(app::WindowCalendar));
    EXPECT_EQ(state.Event_Time[2], 0);
    EXPECT_EQ(stored("Event_2"), "<no group>");
}

TEST_F(Clock, CalendarShowsStoredEventsByLanguageAndNowFillsADate) {
    state.Event_Time[3] = friday_morning + 3600;
    state.Event_Text[3] = "Réunion";
    menu(app::ItemCalendar);
    EXPECT_EQ(rt::window_title(app::WindowCalendar), "Calendrier");
    EXPECT_EQ(rt::window_width(app::WindowCalendar), 255);
    EXPECT_EQ(rt::window_height(app::WindowCalendar), 560);
    EXPECT_EQ(rt::date_gadget_value(clocks::GadgetEvent3Date), friday_morning + 3600);
    EXPECT_EQ(rt::gadget_text(clocks::GadgetEvent3Text), "Réunion");
    EXPECT_EQ(rt::date_gadget_value(clocks::GadgetEvent1Date), 0) << "an empty slot has no date";

    clock.advance_ms(12'000);
    click_gadget(app::WindowCalendar, clocks::GadgetEvent1Now);
    EXPECT_EQ(rt::date_gadget_value(clocks::GadgetEvent1Date), friday_morning + 12) << "the current second";

    // Unticking a date erases its slot's text as well.
    rt::set_date_gadget_value(clocks::GadgetEvent3Date, 0);
    click_gadget(app::WindowCalendar, clocks::GadgetCalendarOk);
    EXPECT_EQ(state.Event_Time[3], 0);
    EXPECT_EQ(state.Event_Text[3], "");
    EXPECT_EQ(state.Event_Time[1], friday_morning + 12);
    EXPECT_EQ(stored("Event_1"), std::to_string(friday_morning + 12));
}

TEST_F(Clock, CalendarWithoutADataFileKeepsTheEventsInMemorySilently) {
    std::filesystem::remove(working_file("Vimo_Desk.ini"));
    menu(app::ItemCalendar);
    rt::set_date_gadget_value(clocks::GadgetEvent2Date, friday_morning + 5);
    click_gadget(app::WindowCalendar, clocks::GadgetCalendarOk);
    EXPECT_EQ(state.Event_Time[2], friday_morning + 5);
    EXPECT_TRUE(dialogs.shown().empty());
    EXPECT_FALSE(std::filesystem::exists(working_file("Vimo_Desk.ini")));
}

// The whole journey: an event set one minute ahead fires at its second.
TEST_F(Clock, AnEventSetAMinuteAheadFiresAtItsSecond) {
    state.Sound_ON = 1;
    menu(app::ItemCalendar);
    rt::set_date_gadget_value(clocks::GadgetEvent1Date, friday_morning + 60);
    rt::set_text(clocks::GadgetEvent1Text, "Appeler Marie");
    click_gadget(app::WindowCalendar, clocks::GadgetCalendarOk);
    for (int second = 1; second < 60; ++second) {
        clock.advance_ms(1000);
        tick();
    }
    EXPECT_FALSE(rt::window_exists(app::WindowBanner));
    EXPECT_TRUE(tones.played.empty());
    clock.advance_ms(1000);
    tick();
    EXPECT_TRUE(rt::window_exists(app::WindowBanner));
    EXPECT_EQ(rt::gadget_text(clocks::GadgetBannerText), "Appeler Marie");
    EXPECT_EQ(tones.played, clocks::alarm_tune());
    ASSERT_FALSE(speech.spoken.empty());
    EXPECT_EQ(speech.spoken.front().text, "évènement 1 terminé");
}

TEST_F(Clock, TimerButtonsAndTheCountdownWindow) {
    click_gadget(app::WindowDesk, clocks::GadgetStopwatchStartStop);
    clock.advance_ms(3000);
    tick();
    EXPECT_EQ(rt::gadget_text(clocks::GadgetStopwatch), "00:00:03");
    click_gadget(app::WindowDesk, clocks::GadgetStopwatchReset, EventType::RightClick);
    EXPECT_EQ(rt::gadget_text(clocks::GadgetStopwatch), "00:00:03") << "a right click is no click";
    click_gadget(app::WindowDesk, clocks::GadgetStopwatchReset);
    EXPECT_EQ(rt::gadget_text(clocks::GadgetStopwatch), "00:00:00");

    click_gadget(app::WindowDesk, clocks::GadgetCountdownSet);
    ASSERT_TRUE(rt::window_exists(app::WindowCountdown));
    rt::set_state(clocks::GadgetCountdownMinutes, 5);
    click_gadget(app::WindowCountdown, clocks::GadgetCountdownStart);
    EXPECT_FALSE(rt::window_exists(app::WindowCountdown));
    clock.advance_ms(1000);
    tick();
    EXPECT_EQ(rt::gadget_text(clocks::GadgetCountdown), "0:04:59");
    click_gadget(app::WindowDesk, clocks::GadgetCountdownStartStop);
    EXPECT_EQ(rt::gadget_text(clocks::GadgetCountdown), "0:05:00");

    click_gadget(app::WindowDesk, clocks::GadgetCountdownSet);
    click_gadget(app::WindowCountdown, clocks::GadgetCountdownReset);
    EXPECT_EQ(rt::gadget_text(clocks::GadgetCountdown), "00:00:00");
    dispatch({.kind = EventKind::CloseWindow, .window = app::WindowCountdown});
    EXPECT_FALSE(rt::window_exists(app::WindowCountdown));
}

TEST_F(Clock, NeedleClockFromTheDeskMenuAndItsOwnMenu) {
    menu(app::ItemNeedleClock);
    ASSERT_TRUE(rt::window_exists(app::WindowNeedleClock));
    EXPECT_EQ(rt::window_width(app::WindowNeedleClock), 200);
    menu(app::ItemNeedleSmall);
    EXPECT_EQ(rt::window_width(app::WindowNeedleClock), 100);
    menu(app::ItemNeedleClose);
    EXPECT_FALSE(rt::window_exists(app::WindowNeedleClock));
    EXPECT_EQ(state.Needle_Clock_Size, 100);
    // The next save writes the place and size.
    menu(app::ItemDeskOnTop);
    EXPECT_NE(data_bytes().find("Needle_Clock_Size = 100\r\n"), std::string::npos);
}

}  // namespace
