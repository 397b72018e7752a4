// The talking clock: the time spoken on the hour and at each quarter, in
// French or English, and the program's one way of speaking a text.
#pragma once

#include <string>

#include "core/state.h"

namespace clocks {

// The phrase for `hour` (0-23) and `minute` (0-59) in language `lng` ("Fr" or
// "Us"); `clock_type` 12 speaks afternoon hours less 12. "" when nothing is
// said: minutes other than 0, 15, 30 and 45, or another language.
std::string time_phrase(const std::string& lng, int clock_type, int hour, int minute);

// Speaks the current time's phrase at rate 0 (when there is one), then pauses
// 500 ms for "Fr" and "Us" alike; with another language returns at once.
// Blocks: ticks that fall meanwhile are lost.
void speak_the_time(const core::State& state);

// Speaks `text` at `rate` (-10..10), full volume, in the voice of `lng`.
// Nothing when the text is empty or no voice is available. Blocks until spoken.
void speak(const std::string& lng, const std::string& text, int rate);

// The preferences' voice button: a box, in the language of `Lng`, naming the
// voice of each language and saying that the voice follows the interface
// language (the engine has no settings of its own to open).
void explain_voice(const core::State& state);

}  // namespace clocks
