// The event queue: every user action, timer tick and menu choice becomes one
// plain Event, queued in the order it happened, and the program takes them one
// at a time with wait_event(). While it waits, the toolkit runs.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace rt {

// In the order the program's loop dispatches them.
enum class EventKind { Timer, GadgetDrop, Tray, LeftClick, RightClick, Gadget, CloseWindow, SizeWindow, Menu };

// What happened to a gadget or a tray icon.
enum class EventType {
    LeftClick = 0,
    RightClick = 1,
    LeftDoubleClick = 2,
    Change = 768,    // the user edited a string gadget's text
    DragStart,       // left button held on a button and moved past the drag distance
    LeftButtonDown,  // canvas gadgets only, from here on
    MouseMove,
    LeftButtonUp,
};

// What a drop carries; combine with | where several are accepted.
enum class DropKind : unsigned { None = 0, Files = 1, Text = 2, Image = 4 };

constexpr DropKind operator|(DropKind a, DropKind b) {
    return static_cast<DropKind>(static_cast<unsigned>(a) | static_cast<unsigned>(b));
}
constexpr bool accepts(DropKind accepted, DropKind kind) {
    return (static_cast<unsigned>(accepted) & static_cast<unsigned>(kind)) != 0;
}

struct DropData {
    DropKind kind = DropKind::None;  // Files, Text or Image for a drop
    std::string data;                // the text (UTF-8) of a Text drop; "" for the others
    // The local paths of a Files drop, in the order dropped, each whole (a
    // name may hold any character, a line feed too); empty for the others.
    std::vector<std::string> files;
};

// Where the mouse was when the event was queued, in pixels.
struct MousePosition {
    int window_x = -1, window_y = -1;  // inner coordinates of the event's window; -1 when outside
    int desktop_x = 0, desktop_y = 0;
    int gadget_x = -1, gadget_y = -1;  // relative to the gadget, for gadget mouse events; else -1
};

struct Event {
    EventKind kind = EventKind::Gadget;
    int window = -1;   // window number; -1 when none
    int object = -1;   // gadget, menu item, timer or tray icon number
    EventType type{};  // for gadget and tray events
    DropData drop;     // for gadget drops
    MousePosition mouse;
};

// Returns the next event, or nothing once `timeout_ms` (>= 0) has passed
// without one. The toolkit's own events are processed meanwhile, and events
// bound with bind_window_event() run their handler here instead of being returned.
std::optional<Event> wait_event(int timeout_ms);

// Queues an event as if it had happened now; the mouse position is the caller's.
void post_event(Event e);

// Runs `handler` inside wait_event() for each event of `kind` in `window`
// instead of returning it. Binding again replaces the handler.
void bind_window_event(int window, EventKind kind, std::function<void()> handler);
void unbind_window_event(int window, EventKind kind);

// Runs `handler` inside wait_event() (or a dialog's wait) each time `fd`
// has something to read; the handler reads it. Watching the descriptor
// again replaces its handler.
void watch_descriptor(int fd, std::function<void()> handler);
void unwatch_descriptor(int fd);

// Takes every queued event off the queue without handling it.
void drop_pending_events();
int pending_event_count();

}  // namespace rt
