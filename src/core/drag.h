// Dragging a borderless window by one of its drawing surfaces: from a left
// button press to its release the window follows the mouse. The flag and the
// offset are the program's one drag state (`Window_Dragging`,
// `Drag_Offset_X`, `Drag_Offset_Y`), shared by every drag area.
#pragma once

#include "core/state.h"
#include "rt/events.h"

namespace core {

// Takes a press, a move or a release on a drag area of window `window`; other
// events change nothing. Returns true when the window was moved.
bool drag_window(State& s, const rt::Event& e, int window);

}  // namespace core
