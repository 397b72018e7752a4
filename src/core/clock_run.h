// The clock subsystem's run-time state: stopwatch, countdown, needle clock
// and the watch over the scheduled events. Held in memory only (a member of
// the global state, so a fresh state starts it afresh).
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace clocks {

struct Stopwatch {
    bool running = false;
    // Milliseconds counted before the current run (runs add up until a reset).
    std::int64_t banked_ms = 0;
    // Monotonic milliseconds when the current run started.
    std::int64_t run_started_ms = 0;
};

struct Countdown {
    bool running = false;  // counting down
    bool started = false;  // state of its Start/Stop button
    std::int64_t duration_ms = 0;
    std::int64_t end_ms = 0;  // monotonic milliseconds at which it ends
    std::string set_text;     // the set duration, H:MM:SS as typed
    std::string message;      // shown at the end instead of the standard text; may be empty
};

inline constexpr int needle_points = 60;

struct NeedleClock {
    bool seconds_shown = false;
    bool on_top = false;
    int opacity_percent = 50;  // 25, 50 or 100
    int size = 0;              // side of the window the points were computed for, pixels
    // Ends of the hands: hour points at 0.7 and minute points at 0.85 of the
    // radius, for each step i (0-59) of 6 degrees clockwise from 12 o'clock.
    std::array<std::uint16_t, needle_points> hour_x{}, hour_y{}, minute_x{}, minute_y{};
    int last_drawn_minute = -1;  // hour * 60 + minute of the last face drawn; -1 before the first
};

// Which scheduled events have fired, so that each fires once even when the
// tick that should have fired it came late.
struct EventWatch {
    bool started = false;
    // Every event due at or before this date value has been dealt with.
    std::int64_t checked_until = 0;
    // The date each slot (1-3) last fired for; 0 when none.
    std::array<std::int64_t, 4> fired_for{};
};

struct ClockRun {
    Stopwatch stopwatch;
    Countdown countdown;
    NeedleClock needle;
    EventWatch events;
};

}  // namespace clocks
