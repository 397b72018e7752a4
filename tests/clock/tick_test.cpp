// The one-second tick as the user sees it: the time texts of the clock bar
// and the small clock, the scheduled events, the talking clock and the
// player's step, driven by the fake clock.
#include "clock/tick.h"

#include <gtest/gtest.h>

#include "clock/events.h"
#include "clock/ids.h"
#include "clock/small_clock.h"
#include "clock_fixture.h"
#include "core/ids.h"
#include "platform/desktop_bus.h"
#include "rt/gadget.h"
#include "rt/window.h"

namespace {

using Spoken = std::vector<platform::FakeSpeech::Spoken>;

class Tick : public test::ClockScenario {
protected:
    std::string banner_text() { return rt::gadget_text(clocks::GadgetBannerText); }
    bool banner_shown() { return rt::window_exists(core::WindowBanner); }
    void close_banner() { rt::close_window(core::WindowBanner); }
    std::int64_t when(int hour, int minute, int second) {
        return platform::date_value(2024, 5, 17, hour, minute, second);
    }
};

TEST_F(Tick, TimeTextsOnTheBarAndTheSmallClock) {
    const struct {
        int clock_type, hour, minute, second;
        const char* time;
        const char* marker;
        const char* small_time;
        const char* small_marker;
    } rows[] = {
        {24, 0, 15, 7, "00:15", "-", "00:15", ""},       {24, 9, 5, 0, "09:05", "-", "09:05", ""},
        {24, 12, 30, 59, "12:30", "-", "12:30", ""},     {24, 13, 5, 30, "13:05", "-", "13:05", ""},
        {12, 0, 15, 7, "00:15", "AM", "00:15", "AM"},    {12, 9, 5, 0, "09:05", "AM", "09:05", "AM"},
        {12, 12, 30, 59, "12:30", "PM", " 12:30", "PM"}, {12, 13, 5, 30, "1:05", "PM", " 1:05", "PM"},
    };
    clocks::open_small_clock(state);
    for (const auto& row : rows) {
        state.Clock_Type = row.clock_type;
        at(2024, 5, 17, row.hour, row.minute, row.second);
        clocks::tick(state);
        const std::string seconds = (row.second < 10 ? "0" : "") + std::to_string(row.second);
        const std::string name = std::to_string(row.clock_type) + "-hour clock at " + row.time;
        EXPECT_EQ(rt::gadget_text(core::GadgetTime), row.time) << name;
        EXPECT_EQ(rt::gadget_text(core::GadgetMarker), row.marker) << name;
        EXPECT_EQ(rt::gadget_text(core::GadgetSeconds), seconds) << name;
        EXPECT_EQ(rt::gadget_text(clocks::GadgetSmallClockTime), row.small_time) << name;
        EXPECT_EQ(rt::gadget_text(clocks::GadgetSmallClockMarker), row.small_marker) << name;
        EXPECT_EQ(rt::gadget_text(clocks::GadgetSmallClockSeconds), seconds) << name;
    }
}

TEST_F(Tick, AnotherClockTypeKeepsTheLastTimeButStillCountsSeconds) {
    at(2024, 5, 17, 13, 5, 0);
    clocks::tick(state);
    state.Clock_Type = 13;
    at(2024, 5, 17, 14, 10, 42);
    clocks::tick(state);
    EXPECT_EQ(rt::gadget_text(core::GadgetTime), "13:05");
    EXPECT_EQ(rt::gadget_text(core::GadgetMarker), "-");
    EXPECT_EQ(rt::gadget_text(core::GadgetSeconds), "42");

    state.Data_File_Path = working_file("Vimo_Desk.ini");
    test::write_file(state.Data_File_Path, "\xEF\xBB\xBF\r\n[Global]\r\nClock_Type = 13\r\n");
    clocks::toggle_clock_type(state);
    EXPECT_EQ(state.Clock_Type, 24);
    EXPECT_NE(test::read_file(state.Data_File_Path).find("Clock_Type = 24\r\n"), std::string::npos);
    clocks::toggle_clock_type(state);
    EXPECT_EQ(state.Clock_Type, 12);
    EXPECT_NE(test::read_file(state.Data_File_Path).find("Clock_Type = 12\r\n"), std::string::npos);
    EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(Tick, AnEventFiresAtItsExactSecondWithBannerWordsAndTune) {
    state.Sound_ON = 1;
    state.Lng = "Us";
    state.Event_Time[2] = when(10, 30, 15);
    state.Event_Text[2] = "Dentist";
    at(2024, 5, 17, 10, 30, 14);
    clocks::tick(state);
    EXPECT_FALSE(banner_shown()) << "a second early";

    clock.advance_ms(1000);
    clocks::tick(state);
    ASSERT_TRUE(banner_shown());
    EXPECT_EQ(banner_text(), "Dentist");
    EXPECT_EQ(speech.spoken, (Spoken{{"évènement 2 terminé", "en-us", 1, 100}})) << "French words in English too";
    EXPECT_EQ(tones.played, clocks::alarm_tune());
    EXPECT_EQ(state.Event_Time[2], when(10, 30, 15)) << "the slot keeps its date";

    close_banner();
    clock.advance_ms(1000);
    clocks::tick(state);
    EXPECT_FALSE(banner_shown()) << "an event fires once";
}

// Where the desktop has a notification service the event is also a desktop
// notification with its text; the banner stays.
TEST_F(Tick, AFiringEventIsAlsoADesktopNotification) {
    platform::FakeDesktopBus bus;
    platform::DesktopBus* const previous = platform::install_desktop_bus(&bus);
    state.Event_Time[3] = when(9, 0, 0);
    state.Event_Text[3] = "Train à 9 h 40";
    state.Event_Time[1] = when(9, 0, 5);  // an event without a text is named by the program
    at(2024, 5, 17, 9, 0, 0);
    clocks::tick(state);
    EXPECT_TRUE(banner_shown());
    EXPECT_EQ(banner_text(), "Train à 9 h 40");
    clock.advance_ms(5000);
    clocks::tick(state);
    using N = platform::FakeDesktopBus::Notification;
    EXPECT_EQ(bus.notifications, (std::vector<N>{{"Vimo Duzi", "Train à 9 h 40"}, {"Vimo Duzi", "Vimo Duzi"}}));
    platform::install_desktop_bus(previous);
}

// A tick blocked past an event's second (by a dialog, speech or another
// event's tune) still fires it on the next tick.
TEST_F(Tick, AnEventWhoseTickCameLateStillFiresOnce) {
    state.Event_Time[1] = when(7, 0, 0);
    state.Event_Text[1] = "Réveil";
    at(2024, 5, 17, 6, 59, 58);
    clocks::tick(state);
    clock.advance_ms(6000);  // the ticks of 06:59:59 to 07:00:03 were lost
    clocks::tick(state);
    ASSERT_TRUE(banner_shown());
    EXPECT_EQ(banner_text(), "Réveil");
    EXPECT_EQ(tones.played.size(), clocks::alarm_tune().size());

    close_banner();
    clock.advance_ms(1000);
    clocks::tick(state);
    EXPECT_FALSE(banner_shown());
    EXPECT_EQ(tones.played.size(), clocks::alarm_tune().size()) << "never twice";
}

TEST_F(Tick, TwoEventsAtTheSameSecondFireOnePerTickInSlotOrder) {
    state.Event_Time[3] = when(12, 0, 0);
    state.Event_Text[3] = "three";
    state.Event_Time[1] = when(12, 0, 0);
    state.Event_Text[1] = "one";
    at(2024, 5, 17, 12, 0, 0);
    clocks::tick(state);
    EXPECT_EQ(banner_text(), "one");
    close_banner();
    clock.advance_ms(1000);
    clocks::tick(state);
    EXPECT_EQ(banner_text(), "three");
    close_banner();
    clock.advance_ms(1000);
    clocks::tick(state);
    EXPECT_FALSE(banner_shown());
    EXPECT_EQ(tones.played.size(), 2 * clocks::alarm_tune().size());
}

TEST_F(Tick, EventsThatNeverFire) {
    const struct {
        const char* name;
        std::int64_t event;
    } rows[] = {
        {"no date", 0},
        {"past before the first tick", when(8, 59, 59)},
        {"long past", when(1, 0, 0)},
        {"still to come", when(9, 0, 1)},
    };
    for (const auto& row : rows) {
        state.clock = {};
        state.Event_Time = {0, row.event, 0, 0};
        at(2024, 5, 17, 9, 0, 0);
        clocks::tick(state);
        EXPECT_FALSE(banner_shown()) << row.name;
        EXPECT_TRUE(tones.played.empty()) << row.name;
    }
}

// A date set again for a slot that already fired makes it fire again at that date.
TEST_F(Tick, ASlotSetAgainFiresAgain) {
    state.Event_Time[1] = when(9, 0, 1);
    at(2024, 5, 17, 9, 0, 0);
    clocks::tick(state);
    clock.advance_ms(1000);
    clocks::tick(state);
    close_banner();
    state.Event_Time[1] = when(9, 0, 5);
    clock.advance_ms(4000);
    clocks::tick(state);
    EXPECT_TRUE(banner_shown());
    EXPECT_EQ(tones.played.size(), 2 * clocks::alarm_tune().size());
}

TEST_F(Tick, TalkingClockAtSecondZeroOnly) {
    state.Lng = "Fr";
    const struct {
        int sound_on, minute, second;
        Spoken spoken;
    } rows[] = {
        {1, 15, 0, {{"Il est 9 heures 15 minutes", "fr", 0, 100}}}, {1, 15, 1, {}}, {1, 16, 0, {}}, {0, 30, 0, {}},
        {2, 30, 0, {{"Il est 9 heures 30 minutes", "fr", 0, 100}}},  // any value but 0 is on
    };
    for (const auto& row : rows) {
        speech = {};
        state.Sound_ON = row.sound_on;
        at(2024, 5, 17, 9, row.minute, row.second);
        clocks::tick(state);
        EXPECT_EQ(speech.spoken, row.spoken)
            << "Sound_ON " << row.sound_on << " at 9:" << row.minute << ":" << row.second;
    }
}

TEST_F(Tick, ThePlayersStepRunsLastOnEveryTick) {
    static std::string seen_time;
    static int steps = 0;
    steps = 0;
    clocks::tick_hooks().end_of_track_step = [](core::State&) {
        ++steps;
        seen_time = rt::gadget_text(core::GadgetTime);
    };
    at(2024, 5, 17, 18, 45, 0);
    clocks::tick(state);
    clocks::tick(state);
    clocks::tick_hooks().end_of_track_step = nullptr;
    EXPECT_EQ(steps, 2);
    EXPECT_EQ(seen_time, "18:45") << "the time texts come before the player's step";
}

}  // namespace

namespace {

class ClockSettings : public test::ClockScenario {};

// The large-clock box toggles what the data file holds, so a second click
// takes it back; the value in memory, and so the bar, stays until the next
// start. Without a stored value it starts from the one in memory.
TEST_F(ClockSettings, ZoomBoxTogglesTheStoredLayoutOnly) {
    state.Data_File_Path = working_file("Vimo_Desk.ini");
    const struct {
        const char* stored;  // the Global group's Zoom line, "" for none
        int zoom_in_memory;
        bool large_before, large_after;
        const char* written;
    } rows[] = {
        {"Zoom = 100\r\n", 100, false, true, "Zoom = 120\r\n"},
        {"Zoom = 120\r\n", 100, true, false, "Zoom = 100\r\n"},  // clicked once already in this run
        {"Zoom = 101\r\n", 120, true, false, "Zoom = 100\r\n"},
        {"Zoom = 50\r\n", 120, false, true, "Zoom = 120\r\n"},
        {"", 120, true, false, "Zoom = 100\r\n"},
        {"", 100, false, true, "Zoom = 120\r\n"},
    };
    for (const auto& row : rows) {
        test::write_file(state.Data_File_Path, std::string("\xEF\xBB\xBF\r\n[Global]\r\n") + row.stored);
        state.Zoom = row.zoom_in_memory;
        EXPECT_EQ(clocks::zoom_setting_is_large(state), row.large_before) << row.stored << row.zoom_in_memory;
        EXPECT_EQ(clocks::toggle_zoom_setting(state), row.large_after) << row.stored << row.zoom_in_memory;
        EXPECT_NE(test::read_file(state.Data_File_Path).find(row.written), std::string::npos) << row.stored;
        EXPECT_EQ(clocks::zoom_setting_is_large(state), row.large_after) << row.stored;
        EXPECT_EQ(state.Zoom, row.zoom_in_memory);
    }
}

}  // namespace
