// Slot pictures: the 32 x 32 images shown on the slot buttons, made from a
// file's icon, the web picture, a chosen picture file or a free slot's number.
// Slot n's picture is image slot_image(n); the slot record names it.
#pragma once

#include <string>

#include "core/state.h"

namespace desk {

// Slot n's picture becomes a new transparent 32 x 32 image (the old one is released).
void new_slot_picture(core::Slot& slot);

// Reads the desktop's icon of `path` into the file-icon image; false when
// there is none (the image is then released).
bool load_file_icon(const std::string& path);

// Draws the file-icon image (when there is one) into the slot's picture at
// (0, 0), scaled to 32 x 32, then the elevation badge at (16, 16) when `badge`.
void draw_file_icon(core::Slot& slot, bool badge);

// Slot's picture = a new transparent picture with the desktop's icon of its
// target (nothing drawn when there is none) and the badge when `badge`.
// False when the desktop had no icon.
bool make_icon_picture(core::Slot& slot, bool badge);

// Slot's picture = a new transparent picture with the built-in web picture.
void make_web_picture(core::Slot& slot);

// Shows the slot's picture on its button and its title as tooltip.
void show_slot_picture(const core::Slot& slot);

// Draws slot n free: its number in grey and the tooltip n + " Libre" / " Free".
void draw_free_slot(core::State& s, int n);

// Shows slot n's picture on its button, with the tooltip of a free slot or
// of a used one.
void show_slot_cell(const core::State& s, int n);

// The text drawn on free slot n: the number right-aligned in three characters.
std::string free_slot_label(int n);

}  // namespace desk
