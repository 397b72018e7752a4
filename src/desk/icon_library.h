// The icon library: every slot's picture in one 9600 x 32 PNG strip beside
// the data file, read once at start so that the desk asks neither the desktop
// nor the network for pictures it already has. Slot n's cell is the 32 x 32
// square at x = 32n (n = 1-299; the cell at x = 0 stays empty).
#pragma once

#include <string>

#include "core/state.h"

namespace desk {

inline constexpr int library_width = 9600;
inline constexpr int library_height = 32;
inline constexpr const char* library_file_name = "Vimo_Desk.lib";

// `Data_Folder` + "Vimo_Desk.lib".
std::string icon_library_path(const core::State& s);

// Left x of slot n's cell in the strip.
constexpr int library_cell_x(int slot) { return 32 * slot; }

// Reads the library file and keeps it until release_icon_library(): the cell
// of each slot in use (slots 1 to `Slot_Count` with a target) on the first
// page becomes the slot's picture, image slot_image(n). A file that is
// missing, empty, does not decode or is not a 9600 x 32 picture counts as
// missing: the desk then asks the desktop and the network for every picture.
void load_icon_library(core::State& s);
// The same for the slots of the other pages, built once the desk is on screen.
void load_hidden_page_pictures(core::State& s);
// True from a library read at start until every page is built.
bool icon_library_present(const core::State& s);
// True when the library read at start gave slot n its picture.
bool has_library_picture(const core::State& s, int slot);
// Ends the start's use of the library and frees its bytes.
void release_icon_library(core::State& s);

// Writes every slot picture that is 32 pixels high into a new strip and
// replaces the file atomically. False when it cannot be written.
bool write_icon_library(const core::State& s);

}  // namespace desk
