// The preferences window: three tabs of settings, each acting at once when the
// user changes it and writing the data file; the window keeps no settings of
// its own, so closing it discards nothing.
//
// This module builds the window, reads back what the user chose, and runs the
// actions on the settings it owns. The actions that belong to other parts of
// the program (language, 24-hour display, talking clock, voice, icon reload,
// page colours, large clock, about, update check) are dispatched by the
// application to their owners.
#pragma once

#include <optional>

#include "core/state.h"
#include "core/text.h"

namespace config {

// The desk height field's range, pixels; the desk window keeps its own limits.
inline constexpr int desk_height_field_max = 1200;

// Builds window 23 anew (closing it first when open), centred, labelled in
// English when `Lng` is "Us" and in French otherwise, each control showing its
// setting. The large-clock box starts unticked: its owner shows the stored
// choice with show_zoom_choice().
void open_preferences(const core::State& s);
// The OK button.
void close_preferences();

// The language of the line chosen in the language list; nothing when none is.
std::optional<core::Language> chosen_language();

// Flip the setting, show it in the box and write it to group Global.
void toggle_show_separators(core::State& s);
void toggle_confirm_deletions(core::State& s);

// Ticks or unticks the large-clock box.
void show_zoom_choice(bool large);

// The desk height field changed: the desk window takes its value as its
// height, within the desk's limits (`Desk_Min_Height` to desk_max_height);
// the next save all stores it.
void apply_desk_height(const core::State& s);

// Asks for the desk's background colour (from black). A chosen colour becomes
// the desk's background and `BackGroundColor`, shows in its swatch and is
// written as "$" + upper-case hexadecimal. A cancel changes nothing.
void choose_background_colour(core::State& s);

// Shows the three pages' colours in their swatches.
void show_page_colours(const core::State& s);

// The clock colour buttons: a box saying the function is still to come.
void clock_colour_not_ready(const core::State& s);

// The volumes button: starts pavucontrol, else pavucontrol-qt, else the
// desktop's sound settings; says so when none is installed or it cannot start.
void open_volume_settings(const core::State& s);

}  // namespace config
