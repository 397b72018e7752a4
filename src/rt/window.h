// Numbered windows. Positions are the outer top-left corner on the desktop,
// sizes the inner (client) area, both in pixels.
//
// Events: the close box queues CloseWindow and leaves the window open (the
// program decides); a left button release or right button press on the
// window's own area (or on a text gadget) queues LeftClick or RightClick; a
// size change by the user or the window manager queues SizeWindow (the
// program's own resize_window() does not).
#pragma once

#include <string>

#include "rt/colour.h"

namespace rt {

struct WindowFlag {
    enum : unsigned {
        Borderless = 1u << 0,      // no frame and no title bar
        Tool = 1u << 1,            // small utility window, kept above its parent
        NoTaskbar = 1u << 2,       // no taskbar button
        TopMost = 1u << 3,         // above all normal windows
        Invisible = 1u << 4,       // created hidden; show_window() shows it
        ScreenCentered = 1u << 5,  // x and y ignored: centred on the primary screen
        Resizable = 1u << 6,       // the user may change the size (within the limits)
        CloseBox = 1u << 7,        // a close box and the window menu in the title bar
        MinimizeBox = 1u << 8,
        MaximizeBox = 1u << 9,
    };
};

// Opens window `number` (replacing an open window with that number) and makes
// it the current gadget list. `parent`: a window number, or -1 for none; a
// child window stays above its parent and closes with it.
void open_window(int number, int x, int y, int width, int height, const std::string& title, unsigned flags,
                 int parent = -1);
// Closes and forgets the window with its gadgets and timers; nothing when not open.
void close_window(int number);
bool window_exists(int number);

void show_window(int number);
void hide_window(int number);
bool window_visible(int number);
// Brings the window to the front and gives it the keyboard.
void activate_window(int number);

void move_window(int number, int x, int y);
void resize_window(int number, int width, int height);
void set_window_geometry(int number, int x, int y, int width, int height);
// 0 when the window is not open.
int window_x(int number);
int window_y(int number);
int window_width(int number);
int window_height(int number);

void set_window_title(int number, const std::string& title);
std::string window_title(int number);
void set_top_most(int number, bool on);
// Whole-window opacity, 0 (invisible) to 100 (opaque) percent.
void set_window_opacity(int number, int percent);
// Inner size limits of a resizable window; 0 for a maximum means no limit.
void set_window_size_limits(int number, int min_width, int min_height, int max_width, int max_height);
void set_window_background(int number, Colour colour);

// The mouse in the window's inner coordinates; -1 (both) when outside it.
int window_mouse_x(int number);
int window_mouse_y(int number);
// The mouse on the desktop.
int desktop_mouse_x();
int desktop_mouse_y();

// Runs the toolkit until window `number` is on screen, for at most `limit_ms`,
// then paints it at once: for a window shown just before the program blocks.
// Events that happen meanwhile are queued. Nothing when the window is not shown.
void paint_window_now(int number, int limit_ms);

}  // namespace rt
