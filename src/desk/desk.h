// The desk: three pages of slot cells under the clock bar, their separators,
// the page tabs, and move mode with drag-and-drop moving of slots.
#pragma once

#include "core/state.h"
#include "rt/events.h"

namespace desk {

// Told after each slot cell is made: slot n (1-299) of `count`.
using BuildProgress = void (*)(int n, int count);

// Creates the pages and tabs, gives every slot cell its picture, telling
// `progress` (may be null) after each, and makes page 1's separators and slot
// buttons; then releases the icon library (writing a new one when the start
// asked for an icon reload) and shows page 1.
void build_desk(core::State& s, BuildProgress progress);
// Makes the separators and slot buttons of pages 2 and 3, hidden until then:
// once, after build_desk(), when page 1 is on screen.
void build_hidden_pages(core::State& s);

// Shows page 1-3 and hides the other two.
void show_page(core::State& s, int page);
// Asks for page 1-3's colour; a chosen colour is shown at once and written
// to `BackGroundColor_P1`..`P3`.
void choose_page_colour(core::State& s, int page);
// A page tab's event: a left click shows its page, a right click chooses its colour.
void page_tab_event(core::State& s, const rt::Event& e);

// The move button: turns move mode on (notice, desk to the front, red
// separators) or off (white separators).
void toggle_move_mode(core::State& s);

// Moves target, title and picture of slot `source` to free slot `target`;
// the source is drawn free and keeps its parameters, start folder and
// elevation. Saves all, then rewrites the icon library.
void move_slot_content(core::State& s, int source, int target);

// An event of slot `slot`'s button, for the loop's slot search: a left click
// launches (outside move mode) and stops the search, a right click opens the
// slot menu, a drag start in move mode drags the slot's picture.
bool slot_event(core::State& s, int slot, const rt::Event& e);

// A drop on the desk window. True when it landed on a slot and was handled
// here (files, text, or a slot picture dragged in move mode).
bool drop_on_slot(core::State& s, const rt::Event& e);

// The slot whose button is gadget `gadget`; 0 when none.
int slot_of_gadget(const core::State& s, int gadget);

// Relabels item 2 of the slot menu for slot n (the right click does it).
void label_slot_menu(core::State& s, int n);

}  // namespace desk
