// Drawing on a numbered image or on a canvas gadget. One drawing is open at a
// time, from start_drawing_*() to stop_drawing(); the calls below do nothing
// when none is open. Coordinates are pixels from the target's top-left corner.
//
// Boxes, lines, circles and text are drawn pixel-exact and opaque; the vector
// path is anti-aliased and takes an opacity.
#pragma once

#include <string>

#include "rt/colour.h"

namespace rt {

// False when the image or canvas gadget does not exist. Starting a drawing
// ends the one that is open.
bool start_drawing_image(int image);
bool start_drawing_gadget(int canvas);
// Ends the drawing; a canvas shows what was drawn.
void stop_drawing();

// Draws image `image` with its alpha blended over what is there, scaled
// smoothly to width x height when both are given (> 0).
void draw_image(int image, int x, int y, int width = -1, int height = -1);
void fill_box(int x, int y, int width, int height, Colour colour);
// A one-pixel frame just inside the width x height box.
void outline_box(int x, int y, int width, int height, Colour colour);
void draw_line(int x1, int y1, int x2, int y2, Colour colour);
// Centre (x, y) and radius in pixels.
void draw_circle(int x, int y, int radius, Colour colour, bool filled = true);
void draw_ellipse(int x, int y, int radius_x, int radius_y, Colour colour, bool filled = true);
// `text` with its top-left corner at (x, y) on a transparent background.
// `font`: a font number, or -1 for the default font.
void draw_text(int x, int y, const std::string& text, int font, Colour colour);

// The vector path, in fractional pixels; filling or stroking it starts a new one.
void path_move_to(double x, double y);
void path_line_to(double x, double y);
void path_add_circle(double x, double y, double radius);
// Adds the outlines of `text` with its top-left corner at (x, y), in font
// `font` (-1: the default font), `size` pixels high (0: the font's own size).
void path_add_text(double x, double y, const std::string& text, int font, double size = 0);
void path_close();
// `alpha`: 0 transparent to 255 opaque.
void fill_path(Colour colour, int alpha = 255);
// `width`: the line width in pixels.
void stroke_path(double width, Colour colour, int alpha = 255);

}  // namespace rt
