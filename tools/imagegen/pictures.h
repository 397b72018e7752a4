// The program's embedded pictures: number, size and the drawing of each.
#pragma once

#include <QPainter>
#include <span>

namespace imagegen {

struct Picture {
    int number;
    int width;
    int height;
    const char* caption;      // what it shows, for the contact sheet
    void (*draw)(QPainter&);  // draws in pixel coordinates on a transparent image
};

// Logo, program icon and the pictures of the menus and the desk (1 to 46).
std::span<const Picture> desk_pictures();
// Clock bar buttons, tool windows and the music information strip (47 to 82).
std::span<const Picture> tool_pictures();

}  // namespace imagegen
