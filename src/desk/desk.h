// The desk: three pages of slot cells under the clock bar, their separators,
// the page tabs, and move mode with drag-and-drop moving of slots.
#pragma once

#include "app/state.h"
#include "rt/events.h"

namespace desk {

// Creates the pages, tabs, separators and every slot cell with its picture,
// advancing the splash window's progress; then releases the icon library
// (writing a new one when the start asked for an icon reload) and shows page 1.
void build_desk(app::State& s);

// Shows page 1-3 and hides the other two.
void show_page(const app::State& s, int page);
// The page shown now, 1-3.
int shown_page();
// Asks for page 1-3's colour; a chosen colour is shown at once and written
// to `BackGroundColor_P1`..`P3`.
void choose_page_colour(app::State& s, int page);
// A page tab's event: a left click shows its page, a right click chooses its colour.
void page_tab_event(app::State& s, const rt::Event& e);

// The move button: turns move mode on (notice, desk to the front, red
// separators) or off (white separators).
void toggle_move_mode(app::State& s);

// Moves target, title and picture of slot `source` to free slot `target`;
// the source is drawn free and keeps its parameters, start folder and
// elevation. Saves all, then rewrites the icon library.
void move_slot_content(app::State& s, int source, int target);

// An event of slot `slot`'s button, for the loop's slot search: a left click
// launches (outside move mode) and stops the search, a right click opens the
// slot menu, a drag start in move mode drags the slot's picture.
bool slot_event(app::State& s, int slot, const rt::Event& e);

// A drop on the desk window. True when it landed on a slot and was handled
// here (files, text, or a slot picture dragged in move mode).
bool drop_on_slot(app::State& s, const rt::Event& e);

// The slot whose button is gadget `gadget`; 0 when none.
int slot_of_gadget(const app::State& s, int gadget);

// Relabels item 2 of the slot menu for slot n (the right click does it).
void label_slot_menu(app::State& s, int n);

}  // namespace desk
