// The slot menu's editing commands, the slot information and "Move To"
// windows, and files or text dropped on slots. The menu commands act on
// `Selected_Slot`, the slot whose menu was opened; the drops on the slot
// under the drop. Each ends with the data-file and icon-library writes it needs.
#pragma once

#include <string>
#include <vector>

#include "core/state.h"

namespace desk {

// Item 2: the slot information window (title, full target, picture).
void show_slot_info(core::State& s);
// Its button: the full target onto the clipboard, then the window closes.
void copy_slot_info(core::State& s);

// Item 4: switches the slot's elevation on (badge) or off (original icon)
// and writes `RunAsAdmin` "Run" + n. A free slot ignores it.
void toggle_elevation(core::State& s);
// Item 5: chooses the slot's target with the open-file chooser.
void add_or_change(core::State& s);
// Item 6: the slot takes the file or folder named on the clipboard.
void paste_file_name(core::State& s);
// Items 7, 8, 9: title, parameters and start folder. Cancel changes nothing;
// an empty answer given with OK empties the value.
void rename_slot(core::State& s);
void change_parameters(core::State& s);
void change_start_folder(core::State& s);
// A click on separator n's title band (1-30): asks for its new title; an
// empty answer or Cancel changes nothing. Writes `Separators` at once.
void rename_separator(core::State& s, int n);
// Item 12: opens the "Move To" window for an occupied slot.
void open_move_dialog(core::State& s);
// Its OK button: moves the slot to the chosen free place with a cell.
void move_dialog_ok(core::State& s);
// Item 13: empties the slot, asking first when `Confirm_Del` is 1.
void remove_slot(core::State& s);

// Files dropped on slot n (each path whole): an occupied slot
// starts with them, a free slot takes the first one.
void files_dropped(core::State& s, int n, const std::vector<std::string>& files);
// Text dropped on slot n: a web address makes a free slot a web shortcut;
// other text starts the slot's program.
void text_dropped(core::State& s, int n, const std::string& text);

// Moves target, title and picture from slot `source` to `target`, draws the
// source free and saves all; the icon library is left to the caller.
void move_slot_without_library(core::State& s, int source, int target);

// The title a pasted path gives: its name without folder and extension,
// the first letter in upper case.
std::string pasted_title(const std::string& path);
// A clipboard text as a path: blanks and line ends around it and every double
// quote removed; a "file://" address becomes its local path.
std::string clipboard_path(const std::string& text);
// One line of the "Move To" list: the number right-aligned in three
// characters, " - ", the title, " - ", the target.
std::string move_list_line(const core::Slot& slot, int n);

}  // namespace desk
