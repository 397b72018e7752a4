// The needle clock: a square, borderless, see-through window with an
// analogue face (hour dots and hands), its context menu, and its dragging.
#pragma once

#include "core/state.h"
#include "rt/events.h"

namespace clocks {

// The side of the window for the stored `Needle_Clock_Size`: 0, or a size no
// screen would show (below 20 or above 2000 pixels), gives 200.
int needle_clock_size(int stored);
// Fills the hour and minute points of a face of `size` pixels.
void compute_needle_points(NeedleClock& n, int size);
// The hour hand's point (0-59) at `hour` (0-23) and `minute` (0-59).
int hour_hand_index(int hour, int minute);

// The context menu (built at start, labelled in French).
void build_needle_menu(const core::State& s);

// Opens the window (replacing one already open) at the stored place and
// size, on top only when chosen in its menu, and draws the face; it is
// redrawn every second with the seconds hand, else whenever the minute changes.
void open_needle_clock(core::State& s);
// Draws the face at the current time; nothing when the window is not open.
void draw_needle_clock(core::State& s);
// Stores the window's place and size, then closes it.
void close_needle_clock(core::State& s);

// Menu commands.
void resize_needle_clock(core::State& s, int size);
void toggle_needle_on_top(core::State& s);
void toggle_needle_seconds(core::State& s);
// Only while the window is open; `percent` is 25, 50 or 100.
void set_needle_opacity(core::State& s, int percent);
void choose_needle_background(core::State& s);
void choose_needle_colour(core::State& s);

// Mouse events of the face: right click for the menu, dragging to move the
// window (the place and size are stored on every move).
void needle_face_event(core::State& s, const rt::Event& e);

}  // namespace clocks
