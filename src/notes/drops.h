// Files and text dropped on the clock bar's time and date texts: a music file
// goes to the player, a text or settings file to the text viewer, a picture
// to the picture window, anything else to the desktop's opener; dropped text
// becomes a new note file in the user's notes folder on the desktop.
#pragma once

#include <string>
#include <string_view>

#include "core/state.h"
#include "rt/events.h"

namespace notes {

enum class DroppedFileKind { Music, Text, Picture, Other };

// By the extension after the last dot of the file's name, in any letter case:
// M4A, FLAC, MP3, OGG, WAV are music; TXT, INI text; JPG, JPEG, PNG, BMP, GIF
// pictures; any other, or none, is Other.
DroppedFileKind dropped_file_kind(std::string_view path);

// A drop on the desk window: when it lands on one of the clock texts (13,
// 14, 15, 16, 22), files open with open_dropped_file() (the first one of
// several) and text becomes a new note. False for a drop anywhere else.
bool drop_on_clock(core::State& s, const rt::Event& e);

// A music file dragged over the clock texts readies the player meanwhile.
void prepare_clock_drops();

// Stops the picture window's animation, then opens `path` by its kind.
void open_dropped_file(core::State& s, const std::string& path);

// Writes `text` as UTF-8 without a mark into a new note file named after the
// time, in "Notes_" + login name on the desktop (made when missing), and
// announces it on the banner for 2 seconds; says so in a box when it fails.
// A name already taken gets "_2", "_3", ... so no note is ever replaced.
void new_note_from_text(core::State& s, const std::string& text);

}  // namespace notes
