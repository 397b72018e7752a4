// The web radio: the clock bar's web radio button and the radio's stop,
// which the player's stop button runs too.
#pragma once

#include "core/state.h"

namespace music {

// The clock bar's web radio button. Without the audio engine library (absent
// at start, or present but not loadable) it says the library is missing.
void web_radio_button(core::State& s);

// Stops the station and releases the engine, and shows the now-playing line
// on the radio's idle colour. Nothing without the engine library.
void radio_stop(core::State& s);

}  // namespace music
