#include "clock/stopwatch.h"

#include <cmath>
#include <cstdio>

#include "clock/banner.h"
#include "clock/events.h"
#include "clock/ids.h"
#include "clock/texts.h"
#include "config/ini.h"
#include "core/ids.h"
#include "platform/services.h"
#include "rt/colour.h"
#include "rt/dialogs.h"
#include "rt/gadget.h"

namespace clocks {

namespace {

constexpr std::int64_t ms_per_second = 1000;
constexpr std::int64_t ms_per_minute = 60 * ms_per_second;
constexpr std::int64_t ms_per_hour = 60 * ms_per_minute;
constexpr std::int64_t seconds_per_minute = 60;
constexpr std::int64_t minutes_per_hour = 60;
// The refused fields of the countdown: hours from 99, minutes and seconds from 60.
constexpr std::int64_t hours_limit = 99;
constexpr std::int64_t sixty = 60;

constexpr core::Colour end_banner_colour = rt::rgb(255, 255, 0);

std::string two_digits(std::int64_t n) {
    char text[24];
    std::snprintf(text, sizeof text, "%02lld", static_cast<long long>(n));
    return text;
}

// `typed` padded on the left with "0" to two characters.
std::string padded(const std::string& typed) {
    return typed.size() < 2 ? std::string(2 - typed.size(), '0') + typed : typed;
}

// Whether `text` is a whole decimal number, sign allowed: "", "abc" and "5x" are not.
bool is_whole_number(std::string_view text) {
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) text.remove_prefix(1);
    if (text.empty()) return false;
    for (char c : text)
        if (c < '0' || c > '9') return false;
    return true;
}

}  // namespace

std::string stopwatch_text(std::int64_t seconds) {
    const std::int64_t hours = seconds / (seconds_per_minute * minutes_per_hour);
    const std::int64_t minutes = seconds / seconds_per_minute % minutes_per_hour;
    return two_digits(hours) + ":" + two_digits(minutes) + ":" + two_digits(seconds % seconds_per_minute);
}

std::int64_t stopwatch_elapsed_ms(const core::State& s) {
    const Stopwatch& w = s.clock.stopwatch;
    return w.banked_ms + (w.running ? platform::clock().monotonic_ms() - w.run_started_ms : 0);
}

namespace {

void show_stopwatch(const core::State& s) {
    rt::set_text(core::GadgetStopwatch, stopwatch_text(stopwatch_elapsed_ms(s) / ms_per_second));
}

}  // namespace

void stopwatch_start_stop(core::State& s) {
    Stopwatch& w = s.clock.stopwatch;
    if (w.running) {
        w.banked_ms = stopwatch_elapsed_ms(s);
        w.running = false;
        // The last tick may have shown a second less than was counted.
        show_stopwatch(s);
        return;
    }
    w.run_started_ms = platform::clock().monotonic_ms();
    w.running = true;
    show_stopwatch(s);
}

void stopwatch_reset(core::State& s) {
    s.clock.stopwatch = {};
    rt::set_text(core::GadgetStopwatch, stopwatch_text(0));
}

void stopwatch_step(core::State& s) {
    if (s.clock.stopwatch.running) show_stopwatch(s);
}

std::string countdown_text(std::int64_t remaining_ms) {
    const std::int64_t total_minutes = remaining_ms / ms_per_minute;
    const auto seconds = std::int64_t(std::fmod(double(remaining_ms) / double(ms_per_minute) * 60.0, 60.0));
    return std::to_string(total_minutes / minutes_per_hour) + ":" + two_digits(total_minutes % minutes_per_hour) + ":" +
           two_digits(seconds);
}

bool apply_countdown(core::State& s, const std::string& hours_typed, const std::string& minutes_typed,
                     const std::string& seconds_typed, const std::string& message) {
    Countdown& c = s.clock.countdown;
    const std::string hours_text(config::trim_blanks(hours_typed));
    const std::string minutes_text(config::trim_blanks(minutes_typed));
    const std::string seconds_text(config::trim_blanks(seconds_typed));
    const bool numbers = is_whole_number(hours_text) && is_whole_number(minutes_text) && is_whole_number(seconds_text);
    const std::int64_t hours = config::parse_integer(hours_text);
    const std::int64_t minutes = config::parse_integer(minutes_text);
    const std::int64_t seconds = config::parse_integer(seconds_text);
    // A field that holds no number is refused too: read as 0, it would set a
    // duration the user never typed.
    if (!numbers || hours >= hours_limit || minutes >= sixty || seconds >= sixty) {
        rt::message_box(texts::countdown_bad_input_title.in(s.Lng), texts::countdown_bad_input.in(s.Lng),
                        rt::MessageButtons::Ok, rt::MessageIcon::Error);
        return false;
    }
    // A negative field would shorten the others: out of range as well.
    if (hours + minutes + seconds <= 0 || hours < 0 || minutes < 0 || seconds < 0) {
        rt::message_box(std::string(texts::countdown_out_of_range_title), std::string(texts::countdown_out_of_range),
                        rt::MessageButtons::Ok, rt::MessageIcon::Error);
        c.running = false;
        return false;
    }
    c.duration_ms = hours * ms_per_hour + minutes * ms_per_minute + seconds * ms_per_second;
    c.set_text = hours_text + ":" + padded(minutes_text) + ":" + padded(seconds_text);
    rt::set_text(core::GadgetCountdown, c.set_text);
    rt::disable_gadget(core::GadgetCountdownStartStop, false);
    c.message = message;
    c.running = true;
    return true;
}

void start_countdown(core::State& s) {
    Countdown& c = s.clock.countdown;
    c.running = true;
    c.end_ms = platform::clock().monotonic_ms() + c.duration_ms;
}

void countdown_start_stop(core::State& s) {
    Countdown& c = s.clock.countdown;
    if (!c.started) {
        c.started = true;
        start_countdown(s);
        return;
    }
    c.started = false;
    c.running = false;
    rt::set_text(core::GadgetCountdown, c.set_text);
}

void countdown_step(core::State& s) {
    Countdown& c = s.clock.countdown;
    if (!c.running) return;
    const std::int64_t now = platform::clock().monotonic_ms();
    if (now > c.end_ms) {
        c.running = false;
        c.started = false;
        std::string announcement = c.message;
        if (announcement.empty()) announcement = texts::time_is_up.in(s.Lng);
        show_notice(s, announcement, announcement, end_banner_colour, 0);
        play_alarm_tune();
        rt::set_text(core::GadgetCountdown, c.set_text);
        return;
    }
    rt::set_text(core::GadgetCountdown, countdown_text(c.end_ms - now));
}

}  // namespace clocks
