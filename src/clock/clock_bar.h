// The clock bar: the controls at the top of the desk window (time, date,
// stopwatch and countdown, now-playing line, player and tool buttons,
// volume) and their start-up texts.
#pragma once

#include "core/state.h"

namespace clocks {

// The clock bar's background colour, behind the time and date texts.
inline constexpr core::Colour clock_colour = 0x09ECBE;  // RGB(190, 236, 9)

// Creates every control of the clock bar inside the desk window, with its
// initial text, tooltip and font, and lets the time and date texts take drops.
void build_clock_bar(const core::State& s);

// The time and seconds texts at start, before the first tick.
void show_start_time(const core::State& s);

// The large clock (zoom above 100): no seconds or marker, a wider time.
void use_large_clock();

}  // namespace clocks
