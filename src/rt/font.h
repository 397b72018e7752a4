// Numbered fonts. A face is asked for by name; when it is not installed the
// system substitutes the closest one (Verdana gives DejaVu Sans here).
#pragma once

#include <string>

namespace rt {

// Loads font `number`, replacing one with that number; `size` in points.
void load_font(int number, const std::string& face, int size, bool bold = false, bool italic = false,
               bool underline = false);
void free_font(int number);
bool font_exists(int number);

// Pixel width of `text` in font `font` (-1 or a number not loaded: the default font).
int text_width(int font, const std::string& text);
// Pixel height of a line in font `font`.
int text_height(int font);

}  // namespace rt
