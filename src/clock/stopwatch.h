// The stopwatch and the countdown of the clock bar: their buttons, their
// step on each tick and their display texts.
#pragma once

#include <cstdint>
#include <string>

#include "core/state.h"

namespace clocks {

// "HH:MM:SS" of `seconds` (>= 0), each part at least two digits ("100:00:00").
std::string stopwatch_text(std::int64_t seconds);
// Milliseconds the stopwatch has counted, the current run included.
std::int64_t stopwatch_elapsed_ms(const core::State& s);
// Button 12: starts (showing the count at once) or stops (the display keeps
// its value); runs add up until a reset.
void stopwatch_start_stop(core::State& s);
// Button 11: stops and zeroes the stopwatch; its display reads "00:00:00".
void stopwatch_reset(core::State& s);
// Tick step while the stopwatch runs: shows the time measured since its start
// on the monotonic clock, so a blocked tick loses nothing.
void stopwatch_step(core::State& s);

// "H:MM:SS" of `remaining_ms`, hours without a leading zero ("0:00:09").
std::string countdown_text(std::int64_t remaining_ms);

// Checks the typed hours, minutes and seconds (blanks around them aside, each
// must be a whole number) and, when they are a duration, sets the countdown to it: its
// display shows the set text, button 9 is enabled and `message` is kept.
// Otherwise tells the user why and returns false; a zero duration also stops
// a running countdown.
bool apply_countdown(core::State& s, const std::string& hours, const std::string& minutes, const std::string& seconds,
                     const std::string& message);
// Counts the set duration down from now.
void start_countdown(core::State& s);
// Button 9: starts the whole set duration again, or stops and shows the set text.
void countdown_start_stop(core::State& s);
// Tick step while the countdown runs: the time left, or the end's banner and tune.
void countdown_step(core::State& s);

}  // namespace clocks
