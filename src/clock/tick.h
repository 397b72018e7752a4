// The clock's one-second tick on the desk window, and the time texts of the
// clock bar and the small clock.
#pragma once

#include <cstdint>
#include <string>

#include "core/state.h"

namespace clocks {

// The tick, in this order: due scheduled events, the time texts in the 12- or
// 24-hour form, the seconds, the stopwatch, the countdown, the talking clock
// at second 0, and the player's end-of-track step.
void tick(core::State& s);

// Steps of the tick that other subsystems fill in; each may be null.
struct TickHooks {
    // The player's end-of-track step: when the media has stopped and the play
    // list is not empty, play the next entry (or the first, when looping).
    void (*end_of_track_step)(core::State&) = nullptr;
    // The radio's step: what the playing station announces.
    void (*station_title_step)(core::State&) = nullptr;
};
TickHooks& tick_hooks();

// The time text and marker of `hour`:`minute` for `clock_type` 24 or 12;
// false for another clock type (the texts then keep their last value).
struct TimeTexts {
    std::string time;
    std::string marker;
};
bool time_texts(int clock_type, int hour, int minute, TimeTexts& out);

// Writes the time, marker and seconds of date value `now` into the clock bar,
// and into the small clock when it is open.
void show_time(const core::State& s, std::int64_t now);

// Flips `Clock_Type` between 24 and 12 (any other value becomes 24) and saves
// all; the clock shows it from the next tick.
void toggle_clock_type(core::State& s);

// The large-clock setting of the preferences, as the data file holds it (the
// value in memory when the file or the key cannot be read): chosen when
// `Zoom` is above 100.
bool zoom_setting_is_large(const core::State& s);
// Writes `Zoom` 100 when the setting is large, else 120, and returns whether
// the large clock is now chosen. `Zoom` in memory, and so the clock bar's
// layout, change at the next start.
bool toggle_zoom_setting(const core::State& s);

}  // namespace clocks
