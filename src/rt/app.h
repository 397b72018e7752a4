// Start and end of the runtime layer.
#pragma once

namespace rt {

// Creates the application object unless one exists, then sets the C numeric
// locale (the toolkit sets the user's, under which "9.7" prints as "9,7").
// Under Wayland with an X display, asks for XWayland: the program's windows
// are placed at exact positions, which Wayland does not allow.
void init(int& argc, char** argv);

// Names the program to the desktop: the window class of its windows and its
// application id, which the menu entry "<id>.desktop" shares, so docks and
// task bars show the entry's icon. Called before the first window opens.
void set_application_id(const char* id);

// Closes every window and releases every numbered object, queued event and
// bound handler; the application object too when init() made it.
void shutdown();

// Runs the toolkit for `ms` milliseconds (a pause that keeps windows alive).
// Events that happen meanwhile are queued, not returned.
void process_events_for(int ms);

}  // namespace rt
