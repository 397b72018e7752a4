// The notes window: a plain-text editor of one note file whose name the data
// file keeps (`ToDo_FileName`), so the same note comes back each time, with
// its own colours and font. Every way of closing the window saves the note;
// a save replaces the file whole, so a failed one leaves the old note as it was.
#pragma once

#include "core/state.h"

namespace notes {

// The clock bar's notes button: saves and closes the window when it is open;
// otherwise opens it with the stored colours and font, and the current note.
void toggle_notes(core::State& s);

// Menu items 76 to 83.
void new_note(core::State& s);
void open_note(core::State& s);
// Saves under the current name (".txt" added when it has no extension).
void save_note(core::State& s);
void save_note_as(core::State& s);
void choose_notes_background(core::State& s);
void choose_notes_text_colour(core::State& s);
void choose_notes_font(core::State& s);
// Saves, then closes the window; it stays open when the save failed, so the
// text is not lost. The close box does the same.
void close_notes(core::State& s);

// The editor fills the window between the menu bar and the status bar.
void lay_out_notes(core::State& s);

// Saves the note when the window is open; for the end of the program.
void save_open_note(core::State& s);

}  // namespace notes
