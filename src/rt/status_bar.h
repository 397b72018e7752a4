// Status bars (status_bar.cpp): one bar along the bottom of a window's inner
// area, above the gadgets there, divided into fields from left to right. It
// follows the window's size. The window's inner size stays as opened: the bar
// takes its height from the bottom of it.
#pragma once

#include <string>
#include <vector>

namespace rt {

// Gives window `window` a status bar (replacing the one it has) with one field
// per entry of `field_widths`: a width in pixels, or -1 for a field that takes
// the width left. No bar for a window that is not open or without fields.
void create_status_bar(int window, const std::vector<int>& field_widths = {-1});
bool status_bar_exists(int window);
// The bar's height in pixels; 0 without a bar.
int status_bar_height(int window);

// Text of field `field` (0 for the first); nothing for a field that does not exist.
void set_status_bar_text(int window, int field, const std::string& text);
// "" for a field that does not exist.
std::string status_bar_text(int window, int field);

}  // namespace rt
