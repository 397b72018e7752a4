// The stopwatch and the countdown of the clock bar, and the countdown
// settings window, driven by the tick and the fake clock.
#include "clock/stopwatch.h"

#include <QKeyEvent>
#include <QSpinBox>

#include <gtest/gtest.h>

#include "clock/countdown_window.h"
#include "clock/events.h"
#include "clock/ids.h"
#include "clock/tick.h"
#include "clock_fixture.h"
#include "core/ids.h"
#include "rt/gadget.h"
#include "rt/internal.h"
#include "rt/window.h"

namespace {

using Spoken = std::vector<platform::FakeSpeech::Spoken>;

TEST(StopwatchText, TwoDigitsEachHoursAsNeeded) {
    const struct {
        std::int64_t seconds;
        const char* text;
    } rows[] = {{0, "00:00:00"},    {65, "00:01:05"},         {3599, "00:59:59"},
                {3600, "01:00:00"}, {36000 + 61, "10:01:01"}, {360000, "100:00:00"}};
    for (const auto& row : rows) EXPECT_EQ(clocks::stopwatch_text(row.seconds), row.text) << row.seconds;
}

TEST(CountdownText, HoursWithoutLeadingZero) {
    const struct {
        std::int64_t remaining_ms;
        const char* text;
    } rows[] = {{9999, "0:00:09"},      {9000, "0:00:09"},        {8999, "0:00:08"},  {0, "0:00:00"},
                {7'199'999, "1:59:59"}, {36'000'000, "10:00:00"}, {60'000, "0:01:00"}};
    for (const auto& row : rows) EXPECT_EQ(clocks::countdown_text(row.remaining_ms), row.text) << row.remaining_ms;
}

class Stopwatch : public test::ClockScenario {
protected:
    std::string shown() { return rt::gadget_text(core::GadgetStopwatch); }
};

TEST_F(Stopwatch, PassingFiftyNineMinutesFiftyNine) {
    clocks::stopwatch_start_stop(state);
    EXPECT_EQ(shown(), "00:00:00");
    clock.advance_ms(3599 * 1000);
    clocks::tick(state);
    EXPECT_EQ(shown(), "00:59:59");
    clock.advance_ms(1000);
    clocks::tick(state);
    EXPECT_EQ(shown(), "01:00:00");
}

// Ticks lost while the loop was blocked cost the stopwatch nothing.
TEST_F(Stopwatch, MeasuresTimeNotTicks) {
    clocks::stopwatch_start_stop(state);
    clock.advance_ms(4500);  // the alarm tune of an event held the loop
    clocks::tick(state);
    EXPECT_EQ(shown(), "00:00:04");
    clock.advance_ms(600);
    clocks::tick(state);
    EXPECT_EQ(shown(), "00:00:05");
}

TEST_F(Stopwatch, StopKeepsTheDisplayRunsAddUpResetZeroes) {
    clocks::stopwatch_start_stop(state);
    clock.advance_ms(2000);
    clocks::tick(state);
    clocks::stopwatch_start_stop(state);  // stop
    clock.advance_ms(60'000);
    clocks::tick(state);
    EXPECT_EQ(shown(), "00:00:02") << "a stopped stopwatch does not count";

    clocks::stopwatch_start_stop(state);  // on again, from where it stopped
    EXPECT_EQ(shown(), "00:00:02");
    clock.advance_ms(3000);
    clocks::tick(state);
    EXPECT_EQ(shown(), "00:00:05");

    clocks::stopwatch_reset(state);
    EXPECT_EQ(shown(), "00:00:00");
    clock.advance_ms(5000);
    clocks::tick(state);
    EXPECT_EQ(shown(), "00:00:00") << "a reset stopwatch is stopped";
    clocks::stopwatch_start_stop(state);
    clock.advance_ms(1000);
    clocks::tick(state);
    EXPECT_EQ(shown(), "00:00:01");
}

// What the stopped stopwatch shows is what it counted, and what the next
// start goes on from.
TEST_F(Stopwatch, StopShowsEverySecondCountedSinceTheLastTick) {
    clocks::stopwatch_start_stop(state);
    clock.advance_ms(1500);
    clocks::tick(state);
    EXPECT_EQ(shown(), "00:00:01");
    clock.advance_ms(600);
    clocks::stopwatch_start_stop(state);  // stop between two ticks, 2.1 s counted
    EXPECT_EQ(shown(), "00:00:02");
    clocks::stopwatch_start_stop(state);
    EXPECT_EQ(shown(), "00:00:02") << "no jump at the next start";
}

class Countdown : public test::ClockScenario {
protected:
    Countdown() { rt::disable_gadget(core::GadgetCountdownStartStop, true); }
    std::string shown() { return rt::gadget_text(core::GadgetCountdown); }
    bool set(const std::string& h, const std::string& m, const std::string& s, const std::string& message = "") {
        return clocks::apply_countdown(state, h, m, s, message);
    }
    void tick_after(int ms) {
        clock.advance_ms(ms);
        clocks::tick(state);
    }
};

TEST_F(Countdown, TenSecondsCountDownAndEnd) {
    state.Sound_ON = 1;
    ASSERT_TRUE(set("0", "0", "10"));
    clocks::start_countdown(state);
    tick_after(1000);
    EXPECT_EQ(shown(), "0:00:09");
    tick_after(8000);
    EXPECT_EQ(shown(), "0:00:01");
    tick_after(1000);
    EXPECT_EQ(shown(), "0:00:00") << "exactly at its end it is not over yet";
    EXPECT_FALSE(rt::window_exists(core::WindowBanner));

    tick_after(1000);
    EXPECT_TRUE(rt::window_exists(core::WindowBanner));
    EXPECT_EQ(rt::gadget_text(clocks::GadgetBannerText), "Le temps est écoulé!");
    EXPECT_EQ(speech.spoken, (Spoken{{"Le temps est écoulé!", "fr", 1, 100}}));
    EXPECT_EQ(tones.played, clocks::alarm_tune());
    EXPECT_EQ(shown(), "0:00:10") << "the set time comes back";
    EXPECT_FALSE(state.clock.countdown.running);
    EXPECT_FALSE(state.clock.countdown.started);

    rt::close_window(core::WindowBanner);
    tick_after(1000);
    EXPECT_FALSE(rt::window_exists(core::WindowBanner)) << "it ends once";
}

TEST_F(Countdown, EndAnnouncementByLanguageOrMessage) {
    const struct {
        const char* lng;
        const char* message;
        const char* announced;
    } rows[] = {
        {"Fr", "", "Le temps est écoulé!"},
        {"Us", "", "Time is up!"},
        {"Fr", "Les pâtes !", "Les pâtes !"},
        {"Us", "Les pâtes !", "Les pâtes !"},
    };
    for (const auto& row : rows) {
        state.Lng = row.lng;
        ASSERT_TRUE(set("0", "0", "1", row.message));
        clocks::start_countdown(state);
        tick_after(2000);
        EXPECT_EQ(rt::gadget_text(clocks::GadgetBannerText), row.announced) << row.lng << " " << row.message;
    }
}

TEST_F(Countdown, ApplyChecksTheFields) {
    const struct {
        const char* name;
        const char* lng;
        const char *hours, *minutes, *seconds;
        bool accepted;
        const char* title;
        const char* text;
        const char* set_text;
    } rows[] = {
        {"just under an hour", "Fr", "0", "59", "59", true, "", "", "0:59:59"},
        {"padded as typed", "Fr", "1", "5", "0", true, "", "", "1:05:00"},
        {"hours as typed", "Us", "98", "0", "7", true, "", "", "98:00:07"},
        {"sixty minutes, French", "Fr", "0", "60", "0", false, "Erreur",
         "Pas de valeur entréee ou valeur non-numérique.", ""},
        {"sixty seconds, English", "Us", "0", "0", "60", false, "Error", "Non Digital input or incorrect value.", ""},
        {"99 hours", "Fr", "99", "0", "0", false, "Erreur", "Pas de valeur entréee ou valeur non-numérique.", ""},
        {"nothing, French", "Fr", "0", "0", "0", false, "Erreur", "Valeurs hors limites.", ""},
        {"nothing, English", "Us", "0", "0", "0", false, "Erreur", "Valeurs hors limites.", ""},
        {"not a number, English", "Us", "abc", "5", "0", false, "Error", "Non Digital input or incorrect value.", ""},
        {"an empty field, French", "Fr", "", "5", "0", false, "Erreur",
         "Pas de valeur entréee ou valeur non-numérique.", ""},
        {"a number and letters", "Fr", "0", "5x", "0", false, "Erreur",
         "Pas de valeur entréee ou valeur non-numérique.", ""},
        {"blanks around a number", "Fr", " 1 ", "5 ", "0", true, "", "", "1:05:00"},
        {"a negative field", "Fr", "1", "-5", "0", false, "Erreur", "Valeurs hors limites.", ""},
    };
    for (const auto& row : rows) {
        rt::DialogScript script;
        state.clock.countdown = {};
        rt::set_text(core::GadgetCountdown, "--:--:--");
        rt::disable_gadget(core::GadgetCountdownStartStop, true);
        state.Lng = row.lng;
        EXPECT_EQ(set(row.hours, row.minutes, row.seconds, "msg"), row.accepted) << row.name;
        if (row.accepted) {
            EXPECT_TRUE(script.shown().empty()) << row.name;
            EXPECT_EQ(shown(), row.set_text) << row.name;
            EXPECT_EQ(state.clock.countdown.message, "msg") << row.name;
        } else {
            ASSERT_EQ(script.shown().size(), 1u) << row.name;
            EXPECT_EQ(script.shown()[0].title, row.title) << row.name;
            EXPECT_EQ(script.shown()[0].text, row.text) << row.name;
            EXPECT_EQ(shown(), "--:--:--") << row.name;
            EXPECT_FALSE(state.clock.countdown.running) << row.name;
        }
    }
}

TEST_F(Countdown, StartStopButtonRestartsTheWholeDuration) {
    ASSERT_TRUE(set("0", "1", "0"));
    clocks::countdown_start_stop(state);
    tick_after(20'000);
    EXPECT_EQ(shown(), "0:00:40");
    clocks::countdown_start_stop(state);  // stop
    EXPECT_EQ(shown(), "0:01:00");
    tick_after(5000);
    EXPECT_EQ(shown(), "0:01:00") << "stopped";
    clocks::countdown_start_stop(state);  // no pause: the whole minute again
    tick_after(1000);
    EXPECT_EQ(shown(), "0:00:59");
}

class CountdownWindow : public Countdown {
protected:
    void fields(int h, int m, int s) {
        rt::set_state(clocks::GadgetCountdownHours, h);
        rt::set_state(clocks::GadgetCountdownMinutes, m);
        rt::set_state(clocks::GadgetCountdownSeconds, s);
    }
};

// The fields take every keystroke; the check is the program's, with its
// messages, and a field keeps its text when the user leaves it.
TEST_F(CountdownWindow, TypedValuesReachTheCheckAsTyped) {
    struct Row {
        const char* name;
        std::string hours, minutes, seconds;  // typed over the field's "0"
        const char* title;                    // of the refusal; "" when set
        std::string shown;                    // the set text when set
    };
    const Row rows[] = {
        {"sixty minutes", "", "60", "", "Erreur", ""},
        {"twenty-five hours are within 99", "25", "", "", "", "25:00:00"},
        {"letters", "", "1a", "", "Erreur", ""},
        {"nine minutes", "", "9", "", "", "0:09:00"},
    };
    const auto type_into = [](int gadget, const std::string& keys) {
        auto* spin = qobject_cast<QSpinBox*>(rt::gadget_widget(gadget));
        ASSERT_NE(spin, nullptr);
        const auto press = [spin](int key, const QString& text, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
            QKeyEvent down(QEvent::KeyPress, key, modifiers, text);
            QCoreApplication::sendEvent(spin, &down);
            QKeyEvent up(QEvent::KeyRelease, key, modifiers, text);
            QCoreApplication::sendEvent(spin, &up);
        };
        if (keys.empty()) return;
        press(Qt::Key_A, QString(), Qt::ControlModifier);  // select the "0"
        for (char c : keys) press(c >= 'a' ? Qt::Key_A + (c - 'a') : Qt::Key_0 + (c - '0'), QString(QChar(c)));
        QFocusEvent leave(QEvent::FocusOut, Qt::TabFocusReason);
        QCoreApplication::sendEvent(spin, &leave);
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        rt::DialogScript script;
        state.clock.countdown = {};
        rt::set_text(core::GadgetCountdown, "--:--:--");
        clocks::open_countdown_window(state);
        type_into(clocks::GadgetCountdownHours, row.hours);
        type_into(clocks::GadgetCountdownMinutes, row.minutes);
        type_into(clocks::GadgetCountdownSeconds, row.seconds);
        if (!row.minutes.empty()) {
            EXPECT_EQ(rt::gadget_text(clocks::GadgetCountdownMinutes), row.minutes);
        }
        clocks::define_countdown(state);
        if (*row.title) {
            ASSERT_EQ(script.shown().size(), 1u);
            EXPECT_EQ(script.shown()[0].title, row.title);
            EXPECT_EQ(script.shown()[0].text, "Pas de valeur entréee ou valeur non-numérique.");
            EXPECT_EQ(shown(), "--:--:--");
        } else {
            EXPECT_TRUE(script.shown().empty());
            EXPECT_EQ(shown(), row.shown);
        }
    }
}

TEST_F(CountdownWindow, OpensWithZeroFieldsAndTheLastMessage) {
    state.clock.countdown.message = "Thé";
    clocks::open_countdown_window(state);
    EXPECT_EQ(rt::window_title(core::WindowCountdown), "Compte à rebours");
    EXPECT_EQ(rt::window_width(core::WindowCountdown), 290);
    EXPECT_EQ(rt::window_height(core::WindowCountdown), 150);
    for (int field : {clocks::GadgetCountdownHours, clocks::GadgetCountdownMinutes, clocks::GadgetCountdownSeconds})
        EXPECT_EQ(rt::gadget_state(field), 0);
    EXPECT_EQ(rt::gadget_text(clocks::GadgetCountdownMessage), "Thé");
    EXPECT_EQ(rt::gadget_text(clocks::GadgetCountdownDefine), "Définir");
    EXPECT_EQ(rt::gadget_text(clocks::GadgetCountdownStart), "Démarrer");
    EXPECT_EQ(rt::gadget_text(clocks::GadgetCountdownFrame), "Réglages");

    fields(1, 2, 3);
    rt::set_text(clocks::GadgetCountdownMessage, "x");
    clocks::reset_countdown_fields();
    EXPECT_EQ(rt::gadget_state(clocks::GadgetCountdownMinutes), 0);
    EXPECT_EQ(rt::gadget_text(clocks::GadgetCountdownMinutes), "0");
    EXPECT_EQ(rt::gadget_text(clocks::GadgetCountdownMessage), "");
    EXPECT_EQ(shown(), "00:00:00");
}

TEST_F(CountdownWindow, DefineSetsWithoutStartingAndStartCounts) {
    clocks::open_countdown_window(state);
    fields(0, 0, 30);
    clocks::define_countdown(state);
    EXPECT_FALSE(rt::window_exists(core::WindowCountdown));
    EXPECT_EQ(shown(), "0:00:30");
    tick_after(5000);
    EXPECT_EQ(shown(), "0:00:30") << "defined, not started";
    clocks::countdown_start_stop(state);  // one press starts it
    tick_after(1000);
    EXPECT_EQ(shown(), "0:00:29");

    clocks::open_countdown_window(state);
    fields(0, 2, 0);
    rt::set_text(clocks::GadgetCountdownMessage, "Œufs");
    clocks::start_countdown_from_window(state);
    EXPECT_FALSE(rt::window_exists(core::WindowCountdown));
    tick_after(1000);
    EXPECT_EQ(shown(), "0:01:59");
    EXPECT_EQ(state.clock.countdown.message, "Œufs");
}

TEST_F(CountdownWindow, ARefusedStartStartsNothingAndStillCloses) {
    ASSERT_TRUE(set("0", "0", "20"));
    clocks::start_countdown(state);
    tick_after(3000);
    clocks::open_countdown_window(state);
    fields(0, 0, 0);
    dialogs.answer(rt::MessageAnswer::Ok);
    clocks::start_countdown_from_window(state);
    EXPECT_FALSE(rt::window_exists(core::WindowCountdown));
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].text, "Valeurs hors limites.");
    tick_after(1000);
    EXPECT_FALSE(state.clock.countdown.running);
    EXPECT_EQ(shown(), "0:00:17") << "the display stays where it stopped";
}

}  // namespace
