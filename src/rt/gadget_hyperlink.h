// Hyperlink gadgets (gadget_hyperlink.cpp): one line of text that looks and
// acts like a link in a web page: link-coloured, a pointing hand over it,
// underlined and in its hover colour while the mouse is on it. What a click
// opens is the program's business.
//
// Events: a left click (button released over the text) queues LeftClick.
// set_text() and gadget_text() work on it as on a text gadget.
#pragma once

#include <string>

#include "rt/colour.h"

namespace rt {

// The usual colour of a link, before the mouse comes over it.
inline constexpr Colour link_colour = rgb(0, 0, 238);

void create_hyperlink_gadget(int number, int x, int y, int width, int height, const std::string& text,
                             Colour hover_colour);

}  // namespace rt
