// Bars along a window's edges: a menu bar at the top, a tool bar of picture
// buttons under it, and a status bar of text fields at the bottom. Each
// window has at most one of each. They lie inside the window's inner area, in
// the same coordinates as its gadgets: the program places its gadgets between
// them with the heights given here. The bars follow the window's width when
// it is resized, and the status bar stays at the bottom.
//
// Events: choosing a menu bar item or clicking a tool bar button queues a
// Menu event with the item number and the bar's window.
#pragma once

#include <string>
#include <vector>

namespace rt {

// Starts the menu bar of window `window`, replacing the one it has, and
// registers it as menu `menu`: menu_title() then starts each title's menu, and
// menu_item() and menu_separator() of rt/menu.h add to the latest title. The
// item calls of rt/menu.h (text, check mark, disable) reach its items through
// `menu`. Nothing when the window is not open.
void create_menu_bar(int menu, int window);
void menu_title(const std::string& text);

// Starts the tool bar of window `window`, replacing the one it has.
void create_tool_bar(int window);
// Adds a button showing image `image` (-1 for none); a toggle button stays
// down after a click and up after the next.
void tool_bar_image_button(int window, int item, int image, bool toggle = false);
void set_tool_bar_tooltip(int window, int item, const std::string& text);
std::string tool_bar_tooltip(int window, int item);
// 1 while a toggle button is down, else 0.
int tool_bar_button_state(int window, int item);
void set_tool_bar_button_state(int window, int item, int state);

// A width in `create_status_bar` that takes what the other fields leave.
inline constexpr int remaining_width = -1;

// Gives window `window` a status bar with one field per entry of `widths`,
// left to right, each that many pixels wide or `remaining_width`; replaces
// the one it has.
void create_status_bar(int window, const std::vector<int>& widths);
// Field 0 is the leftmost; nothing for a field the bar does not have.
void set_status_text(int window, int field, const std::string& text);
std::string status_text(int window, int field);

// Heights in pixels; 0 when the window has no such bar or is not open.
int menu_bar_height(int window);
int tool_bar_height(int window);
int status_bar_height(int window);

}  // namespace rt
