// The desk window's frame and the small commands on it: visibility, on top,
// left and right placement, the height dialog, the talking-clock switch.
#pragma once

#include "core/state.h"

namespace app {

using core::desk_max_height;

// The grip bar along the desk's top: two 10 x 10 boxes at y 3, the menu box
// at x 3 and the close box at x 97 with its cross from x 99 to 104, and grip
// lines between. A left click left of x 15 opens the desk menu; right of the
// cross's left edge it quits.
inline constexpr int grip_width = 110, grip_height = 16;
inline constexpr int grip_box_y = 3, grip_box_size = 10;
inline constexpr int grip_menu_box_x = 3, grip_close_box_x = 97;
inline constexpr int grip_cross_left = 99, grip_cross_right = 104;
inline constexpr int grip_menu_click_end = 15;

// Opens the hidden owner window and the desk window (invisible) with the
// grip bar; the clock bar and the slots are added by their owners.
void build_desk_window(const core::State& s);

// A stored place that leaves the grip bar on no desktop (a monitor
// unplugged, a hand-edited file) becomes the primary desktop's top left
// corner, so that the desk can always be reached; any place where some of
// the grip bar is on some desktop is kept.
void keep_desk_within_reach(core::State& s);

// Draws the grip bar: menu box at the left, close box at the right.
void draw_grip_bar();

void toggle_desk_visibility(core::State& s);
void toggle_on_top(core::State& s);
// Moves the desk to the top left corner, or to the primary desktop's top
// right corner; then saves all.
void desk_to_left(core::State& s);
void desk_to_right(core::State& s);
void toggle_talking_clock(core::State& s);

// The desk height dialog, centred on the screen.
void open_desk_height_dialog(const core::State& s);
// Its Test button: n zones (1-10) make the desk 123 x n + 269 pixels high;
// any other value changes nothing.
void test_desk_height();
int desk_height_for_zones(int zones);

}  // namespace app
