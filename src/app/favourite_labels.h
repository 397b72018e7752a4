// The three favourite station buttons of the clock bar at start-up.
#pragma once

#include "core/state.h"

namespace app {

// With the audio engine: the buttons get the station names as tooltips and
// their label pictures. Without it a plain band covers their place.
void show_favourite_station_buttons(const core::State& s);

}  // namespace app
