// The three scheduled events: the check on each tick that fires one when its
// time has come, the firing (banner, spoken words, alarm tune), and the tune.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/state.h"
#include "platform/tones.h"

namespace clocks {

inline constexpr int event_count = 3;  // slots 1-3

// The alarm tune: five rounds of 2000, 3000 and 4000 Hz for 200 ms, each
// followed by 100 ms of silence (4.5 s in all).
std::vector<platform::Tone> alarm_tune();
// Plays the alarm tune; blocks until it has been played.
void play_alarm_tune();

// The slot (1-3) whose date came at or before `now` since the previous check
// and that has not fired for that date, the lowest first; 0 when none. The
// slot found counts as fired. The first check of a run counts from the second
// before `now`, so events past before the program started never fire.
int take_due_event(core::State& s, std::int64_t now);

// Sends a desktop notification with slot `n`'s text (where the desktop has a
// notification service), shows the banner with the text and its spoken words
// "évènement n terminé" (French in both languages), then plays the alarm tune.
void fire_event(core::State& s, int n);

// Step 2 of the tick: fires at most one due event.
void check_events(core::State& s, std::int64_t now);

}  // namespace clocks
