#include "clock/tick.h"

#include <cstdio>

#include "clock/events.h"
#include "clock/ids.h"
#include "clock/stopwatch.h"
#include "clock/talking_clock.h"
#include "config/data_file.h"
#include "config/keys.h"
#include "core/ids.h"
#include "platform/services.h"
#include "rt/gadget.h"
#include "rt/window.h"

namespace clocks {

namespace {

constexpr int twenty_four_hours = 24;
constexpr int twelve_hours = 12;
constexpr int noon = 12;
constexpr int normal_zoom = 100;
constexpr int large_zoom = 120;

}  // namespace

bool time_texts(int clock_type, int hour, int minute, TimeTexts& out) {
    char text[16];
    if (clock_type == twenty_four_hours) {
        std::snprintf(text, sizeof text, "%02d:%02d", hour, minute);
        out = {text, "-"};
        return true;
    }
    if (clock_type != twelve_hours) return false;
    if (hour >= noon) {
        std::snprintf(text, sizeof text, "%d:%02d", hour > noon ? hour - twelve_hours : noon, minute);
        out = {text, "PM"};
    } else {
        // Morning hours keep two digits; midnight reads 00.
        std::snprintf(text, sizeof text, "%02d:%02d", hour, minute);
        out = {text, "AM"};
    }
    return true;
}

void show_time(const core::State& s, std::int64_t now) {
    const auto t = platform::local_time(now);
    const bool small_clock = rt::window_exists(core::WindowSmallClock);
    if (TimeTexts texts; time_texts(s.Clock_Type, t.hour, t.minute, texts)) {
        rt::set_text(core::GadgetTime, texts.time);
        rt::set_text(core::GadgetMarker, texts.marker);
        if (small_clock) {
            // The small clock's afternoon hour has one digit: a blank keeps it centred like two.
            const bool afternoon = texts.marker == "PM";
            rt::set_text(GadgetSmallClockTime, afternoon ? " " + texts.time : texts.time);
            rt::set_text(GadgetSmallClockMarker, s.Clock_Type == twelve_hours ? texts.marker : "");
        }
    }
    const std::string seconds = platform::format_date("%ss", now);
    rt::set_text(core::GadgetSeconds, seconds);
    if (small_clock) rt::set_text(GadgetSmallClockSeconds, seconds);
}

TickHooks& tick_hooks() {
    static TickHooks hooks;
    return hooks;
}

void tick(core::State& s) {
    const std::int64_t now = platform::clock().local_now();
    check_events(s, now);
    show_time(s, now);
    stopwatch_step(s);
    countdown_step(s);
    if (s.Sound_ON != 0 && platform::local_time(now).second == 0) speak_the_time(s);
    if (tick_hooks().end_of_track_step) tick_hooks().end_of_track_step(s);
    if (tick_hooks().station_title_step) tick_hooks().station_title_step(s);
}

void toggle_clock_type(core::State& s) {
    s.Clock_Type = s.Clock_Type == twenty_four_hours ? twelve_hours : twenty_four_hours;
    config::save_all(s);
}

bool zoom_setting_is_large(const core::State& s) {
    return config::read_integer_key(s, config::keys::Global, config::keys::Zoom).value_or(s.Zoom) > normal_zoom;
}

bool toggle_zoom_setting(const core::State& s) {
    const bool large = !zoom_setting_is_large(s);
    config::set_integer_key(s, config::keys::Global, config::keys::Zoom, large ? large_zoom : normal_zoom);
    return large;
}

}  // namespace clocks
