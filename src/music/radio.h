// The web radio's playing side: the clock bar's web radio button and its
// three preset buttons, the radio's stop, which the player's stop button runs
// too, and the presets' label pictures.
#pragma once

#include "core/state.h"

namespace music {

// The clock bar's web radio button: opens the radio window, or closes it when
// it is open. Without the audio engine library (absent at start, or present
// but not loadable) it says the library is missing.
void web_radio_button(core::State& s);

// Preset button `favourite` (1-3): stops the radio, then plays the
// favourite's station at the clock bar slider's volume with its name on the
// now-playing line; while the sound is muted the line says so and nothing
// plays. Nothing without the engine library.
void play_station_preset(core::State& s, int favourite);

// Plays `address` as the radio's one stream at the clock bar slider's volume.
void start_station(core::State& s, const std::string& address);

// Stops the station and releases the engine, and shows the now-playing line
// on the radio's idle colour; with the radio window open, the station's name,
// the window's status bar and the now-playing line are emptied. Nothing
// without the engine library.
void radio_stop(core::State& s);

// Each second: the title the playing station announces becomes the
// now-playing line's tooltip when it changes, and leaves it when the station
// stops announcing or stops playing.
void station_title_step(core::State& s);

// Image 31 + `favourite` (36 x 14) for favourite 1-3: the favourite's colour
// with its short label centred in black.
void draw_station_label(const core::State& s, int favourite);

// Preset button `favourite` (1-3) shows the favourite's label picture, its
// station's name as tooltip.
void show_station_button(const core::State& s, int favourite);

}  // namespace music
