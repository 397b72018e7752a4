// The event loop and the dispatch of every event to its handler.
#pragma once

#include "core/state.h"
#include "rt/events.h"

namespace app {

// Handles one event: the kinds in the order timer, gadget drop, tray, left
// click, right click, gadget, close window, size window, menu.
void dispatch(core::State& s, const rt::Event& e);

// Waits for events and dispatches them until a handler ends the program.
[[noreturn]] void run_loop(core::State& s);

}  // namespace app
