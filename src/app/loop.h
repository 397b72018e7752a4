// The event loop and the dispatch of every event to its handler.
#pragma once

#include "app/state.h"
#include "rt/events.h"

namespace app {

// Handlers that later subsystems attach to the dispatch.
struct LoopHooks {
    // Sees every event of the calendar window before the dispatch.
    void (*calendar_filter)(State&, const rt::Event&) = nullptr;
    // An event of slot `slot`'s picture gadget; returns true when the slot
    // search stops there.
    bool (*slot_event)(State&, int slot, const rt::Event&) = nullptr;
};
LoopHooks& loop_hooks();

// Handles one event: the kinds in the order timer, gadget drop, tray, left
// click, right click, gadget, close window, size window, menu.
void dispatch(State& s, const rt::Event& e);

// Waits for events and dispatches them until a handler ends the program.
[[noreturn]] void run_loop(State& s);

}  // namespace app
