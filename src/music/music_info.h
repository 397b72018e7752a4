// The tags of the playing file and their two views: the music information
// strip (a small borderless window that shows them and doubles as a remote
// control of the player) and the information box.
#pragma once

#include <string>

#include "core/state.h"
#include "rt/events.h"

namespace music {

// The strip's geometry: created this large, then cut to the text's width.
inline constexpr int strip_height = 20;
inline constexpr int strip_full_width = 1000;
inline constexpr int strip_margin = 110;  // the buttons and the space around the text
inline constexpr int strip_text_x = 105, strip_text_y = 3;
inline constexpr int strip_buttons_x = 1, strip_buttons_y = 1;
inline constexpr core::Colour strip_colour = 0x09ECBE;  // RGB(190, 236, 9)

// Reads the tags of `path` into `Tag_Title` and the other fields: an ID3
// version 2.3 tag sets all five and `Display_Title` (and shows them on the
// strip at once when it is there); a version 1 record sets all but the
// track; anything else leaves them as they are.
void read_playing_tags(core::State& s, const std::string& path);

// Menu item 53 and Ctrl+M: hides the strip when it is shown (keeping its
// place in `X_WinInfo` and `Y_WinInfo`), else shows it with the tags of the
// playing file.
void toggle_strip(core::State& s);

// A left click on the clock bar at `y` (client pixels): on the now-playing
// line, with a current entry in the list, shows the strip when it is not shown.
void now_playing_click(core::State& s, int y);

// The strip's events: its six buttons and dragging it by any point.
void strip_event(core::State& s, const rt::Event& e);

// The box with the playing file's tags, its path and its place in the list;
// nothing when no file is loaded.
void show_information(core::State& s);

}  // namespace music
