// The text viewer: a dropped text or settings file shown read-only in its
// own window, with its encoding and size in the status bar; its tool bar
// keeps it on top, wraps long lines, makes the text editable and saves it
// under a new name in the encoding it was read in. At most one exists: a new
// file replaces it.
#pragma once

#include <string>

#include "core/state.h"

namespace notes {

// Opens the viewer on `path`, replacing one open. A file that cannot be read
// leaves the window titled "Chargement en cours..." with nothing in it; one
// over max_text_file_bytes is refused with a message as well.
void open_text_viewer(core::State& s, const std::string& path);

// The tool bar's buttons.
void viewer_on_top(core::State& s);
void viewer_word_wrap(core::State& s);
void viewer_edit(core::State& s);
// Writes the text under a new name, never over an existing file or folder:
// the byte-order mark of the encoding the file was read in, then the text in
// that encoding, its line breaks as the file had them. A text the 8-bit code
// page cannot hold is saved as UTF-8 with its mark instead, and the user is told.
void viewer_save_as(core::State& s);

}  // namespace notes
