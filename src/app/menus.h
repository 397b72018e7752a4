// The menus the application core builds (desk, slot, tray and the two music
// context menus), their keyboard shortcuts, and the language switch that
// relabels them.
#pragma once

#include "core/state.h"
#include "core/text.h"

namespace app {

// The two music context menus, with their English labels (start-up, early).
void build_music_menus();

// The desk menu with its keyboard shortcuts, the slot menu, then the tray
// menu, all labelled in French with their shortcut hints.
void build_menus(const core::State& s);

// Flips `Lng` between "Fr" and "Us" (any other value becomes "Fr"), relabels
// every menu and writes `Lng` to the data file.
void switch_language(core::State& s);

// Switches to `wanted` (French or English) unless it is the language shown
// already; `Other` changes nothing.
void choose_language(core::State& s, core::Language wanted);

// The label of a favourite playlist item: n + ". " + file name without
// folder and extension + "\tCtrl + " + n.
std::string playlist_item_label(int n, const std::string& path);

}  // namespace app
