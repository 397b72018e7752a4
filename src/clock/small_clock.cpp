#include "clock/small_clock.h"

#include "app/ids.h"
#include "clock/calendar.h"
#include "clock/clock_bar.h"
#include "clock/ids.h"
#include "clock/tick.h"
#include "platform/services.h"
#include "rt/dialogs.h"
#include "rt/draw.h"
#include "rt/gadget.h"
#include "rt/window.h"

namespace clocks {

namespace {

// Client y of the clock bar's zones: the time above, the date area between.
constexpr int time_zone_end = 50;
constexpr int date_zone_end = 90;
// The small clock stands where the desk's time text was.
constexpr int below_desk_top = 36;

constexpr int width = 115;
constexpr int height = 28;
constexpr rt::Colour grip_grey = rt::rgb(128, 128, 128);
constexpr int grip_width = 15;
constexpr int grip_height = 30;
constexpr int grip_line_end = 16;
constexpr int grip_line_step = 3;

struct Text {
    int gadget;
    int x, y, w, h;
    const char* text;
    int font;
};

constexpr Text texts[] = {
    {GadgetSmallClockTime, 16, 0, 70, 30, "00:00", app::FontSmallClockTime},
    {GadgetSmallClockSeconds, 86, 0, 29, 18, "00", app::FontSmallClockSeconds},
    {GadgetSmallClockMarker, 86, 16, 29, 15, "AM", app::FontSmallClockMarker},
};

void draw_grip() {
    if (!rt::start_drawing_gadget(GadgetSmallClockGrip)) return;
    rt::fill_box(0, 0, grip_width, grip_height, clock_colour);
    rt::outline_box(0, 0, grip_width, grip_height, grip_grey);
    for (int y = 0; y <= grip_height; y += grip_line_step) rt::draw_line(0, y, grip_line_end, y, grip_grey);
    rt::stop_drawing();
}

}  // namespace

void clock_bar_click(app::State& s, int y) {
    if (y < 0) return;
    if (y < time_zone_end) open_small_clock(s);
    else if (y > time_zone_end && y < date_zone_end) toggle_calendar_keeping_edits(s);
}

void open_small_clock(app::State& s) {
    rt::hide_window(app::WindowDesk);
    s.ClockBar_X = rt::window_x(app::WindowDesk);
    s.ClockBar_Y = rt::window_y(app::WindowDesk) + below_desk_top;
    using F = rt::WindowFlag;
    rt::open_window(app::WindowSmallClock, s.ClockBar_X, s.ClockBar_Y, width, height, "",
                    F::Borderless | F::NoTaskbar | F::TopMost, app::WindowDesk);
    rt::set_window_background(app::WindowSmallClock, clock_colour);
    rt::create_canvas_gadget(GadgetSmallClockGrip, 0, 0, grip_width, grip_height);
    for (const Text& t : texts) {
        rt::create_text_gadget(t.gadget, t.x, t.y, t.w, t.h, t.text, rt::TextFlag::Centre);
        rt::set_gadget_font(t.gadget, t.font);
        rt::set_gadget_back_colour(t.gadget, clock_colour);
    }
    draw_grip();
    show_time(s, platform::clock().local_now());
    rt::set_top_most(app::WindowSmallClock, true);
}

void close_small_clock() {
    rt::close_window(app::WindowSmallClock);
    rt::show_window(app::WindowDesk);
    rt::activate_window(app::WindowDesk);
}

void explain_small_clock() {
    rt::message_box("Info", "Clic gauche pour fermer / Left click to close", rt::MessageButtons::Ok,
                    rt::MessageIcon::Information);
}

void small_clock_grip(app::State& s, const rt::Event& e) {
    Drag& drag = s.clock.small_clock_drag;
    switch (e.type) {
    case rt::EventType::LeftButtonDown:
        drag.dragging = true;
        drag.grab_x = e.mouse.desktop_x - rt::window_x(app::WindowSmallClock);
        drag.grab_y = e.mouse.desktop_y - rt::window_y(app::WindowSmallClock);
        break;
    case rt::EventType::MouseMove:
        // The dragged place is not kept: the next opening starts from the desk again.
        if (drag.dragging)
            rt::move_window(app::WindowSmallClock, e.mouse.desktop_x - drag.grab_x, e.mouse.desktop_y - drag.grab_y);
        break;
    case rt::EventType::LeftButtonUp: drag.dragging = false; break;
    case rt::EventType::LeftClick:
    case rt::EventType::RightClick:
    case rt::EventType::LeftDoubleClick:
    case rt::EventType::Change:
    case rt::EventType::DragStart: break;  // the grip only drags
    }
}

}  // namespace clocks
