// The three favourite station buttons of the clock bar and their label pictures.
#pragma once

#include "core/state.h"

namespace app {

// Image 31 + i (36 x 14) for favourite i (1-3): the favourite's colour with
// its short label centred in black.
void draw_favourite_label(const core::State& s, int i);

// With the audio engine: the buttons get the station names as tooltips and
// their label pictures. Without it a plain band covers their place.
void show_favourite_station_buttons(const core::State& s);

}  // namespace app
