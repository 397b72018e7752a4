// Options of gadgets beyond what creating them sets: the multi-line editor's
// read-only state and word wrap, and gadgets that let the mouse through.
#pragma once

namespace rt {

// An editor (create_editor_gadget) starts editable and wrapping long lines.
// Read-only: the user can select and copy but not change the text; the
// program's set_text() still can. Nothing for another kind of gadget.
void set_editor_read_only(int number, bool on);
bool editor_read_only(int number);
// Word wrap on: long lines wrap at word boundaries (anywhere in a word longer
// than the width); off: they run on and the editor scrolls sideways.
void set_editor_word_wrap(int number, bool on);
bool editor_word_wrap(int number);

// On: the gadget takes no mouse input, so a click on it is a click on what
// lies under it (its window's own area, for a picture that fills a window).
void set_gadget_click_through(int number, bool on);

}  // namespace rt
