// The web radio window: the stations of group Radio in a drop-down list, the
// fields of the station being edited, its buttons and the three preset
// assignments. Opened from the clock bar's web radio button (radio.h).
#pragma once

#include "core/state.h"

namespace music {

// Builds the window in the chosen language: volume slider at `Volume`, the
// stations in file order with `Selected_Station` chosen, the preset
// assignment buttons showing the presets' labels.
void open_radio_window(core::State& s);

// Its close button and close box: closes it and enables the clock bar's volume slider.
void close_radio_window(core::State& s);

// Places the gadgets for the window's size; bound to its size changes.
void lay_out_radio_window();

// `Station_List` and the drop-down list again from group Radio, in file
// order; both stay empty when the data file cannot be opened.
void refill_station_list(core::State& s);

// The station chosen in the list becomes `Station_Name` and
// `Station_Address`, and fills the name and address fields.
void choose_station(core::State& s);

// Plays the station chosen in the list, after the radio's stop; says so when
// none is chosen.
void listen(core::State& s);

// Empties the name and address fields.
void new_station();

// Writes the fields as a station of group Radio (a station of the same name
// is replaced) and refills the list. A name or address the group cannot hold
// is refused with a message, and nothing is written.
void save_station(core::State& s);

// Asks, then removes the station named by the name field from group Radio;
// on Yes the fields are emptied and the list refilled.
void remove_station(core::State& s);

// Shows the list sorted A-Z without regard to case; the data file keeps its order.
void sort_station_list(core::State& s);

// Makes the station of the fields favourite `favourite` (1-3) under a short
// label the user types (at most 5 characters), shows it on the preset
// button, and saves all.
void assign_favourite(core::State& s, int favourite);

}  // namespace music
