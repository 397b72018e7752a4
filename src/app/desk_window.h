// The desk window's frame and the small commands on it: visibility, on top,
// left and right placement, the height dialog, the talking-clock switch.
#pragma once

#include "app/state.h"

namespace app {

inline constexpr int desk_max_height = 1600;

// Opens the hidden owner window and the desk window (invisible) with the
// grip bar; the clock bar and the slots are added by their owners.
void build_desk_window(const State& s);

// Draws the grip bar: menu box at the left, close box at the right.
void draw_grip_bar();

void toggle_desk_visibility(State& s);
void toggle_on_top(State& s);
// Moves the desk to the top left corner, or to the primary desktop's top
// right corner; then saves all.
void desk_to_left(State& s);
void desk_to_right(State& s);
void toggle_talking_clock(State& s);

// The desk height dialog, centred on the screen.
void open_desk_height_dialog(const State& s);
// Its Test button: n zones (1-10) make the desk 123 x n + 269 pixels high;
// any other value changes nothing.
void test_desk_height();
int desk_height_for_zones(int zones);

}  // namespace app
