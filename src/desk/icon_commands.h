// The picture commands of the slot menu (change icon, original icon) and the
// reload of every original icon, from the preferences or the start switch
// "/reload_icons".
#pragma once

#include "core/state.h"

namespace desk {

// Item 10: the slot's picture from a picture file the user chooses.
void change_icon(core::State& s);
// Item 11: the slot's picture from its target again (the web picture for a
// web address), and its title from the file name. A free slot ignores it.
void original_icon(core::State& s);

// Asks, then rebuilds every slot's picture from the desktop and the network
// with a progress window, and writes a new icon library.
void reload_original_icons(core::State& s);

// The start switch "/reload_icons" (before the data file is loaded): asks the
// question; a Yes makes the start rebuild the pictures.
void ask_icon_reload_at_start(core::State& s);
// The icon library at start: after a Yes to the start question the old
// library is deleted (and, on request, the old icon folder) instead of read.
void load_icon_store(core::State& s);
// True once, after a Yes to the start question: the desk build then writes
// the library it made.
bool take_reload_request(core::State& s);

}  // namespace desk
