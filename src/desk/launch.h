// Launching a slot's target: a web address in the browser, a program with the
// slot's parameters in its start folder (with administrator rights when the
// slot is elevated), a desktop entry through its Exec line, and any other
// document or folder with the desktop's opener. Nothing waits for the started
// program. Failures are told in a message box in the language of `Lng`.
#pragma once

#include <string>
#include <vector>

#include "core/state.h"

namespace desk {

// Left click on slot `slot` (1-300) outside move mode. An elevated slot sets
// `Selected_Slot` to `slot` and is launched with administrator rights.
void launch_slot(core::State& s, int slot);

// The slot menu's "run as administrator", whatever the slot's flag. A web
// address, a document or a folder opens as usual: an opener or a browser is
// never given administrator rights.
void launch_slot_elevated(const core::State& s, int slot);

// Files dropped on an occupied slot: each path becomes one argument, whole,
// in place of the slot's parameters.
void launch_with_dropped_files(const core::State& s, int slot, const std::vector<std::string>& files);

// Text dropped on a slot that is not a web address: the target starts without
// any parameters (the text itself is not used).
void launch_on_dropped_text(const core::State& s, int slot);

// Opens `target` (a document, folder or address) with the desktop's opener,
// saying so when there is no opener or it cannot start. True when it started.
bool open_with_desktop(const core::State& s, const std::string& target);

}  // namespace desk
