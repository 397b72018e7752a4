#include "clock/small_clock.h"

#include "clock/calendar.h"
#include "clock/clock_bar.h"
#include "clock/ids.h"
#include "clock/texts.h"
#include "clock/tick.h"
#include "core/drag.h"
#include "core/ids.h"
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

struct TextGadget {
    int gadget;
    int x, y, w, h;
    const char* text;
    int font;
};

constexpr TextGadget text_gadgets[] = {
    {GadgetSmallClockTime, 16, 0, 70, 30, "00:00", core::FontSmallClockTime},
    {GadgetSmallClockSeconds, 86, 0, 29, 18, "00", core::FontSmallClockSeconds},
    {GadgetSmallClockMarker, 86, 16, 29, 15, "AM", core::FontSmallClockMarker},
};

void draw_grip() {
    if (!rt::start_drawing_gadget(GadgetSmallClockGrip)) return;
    rt::fill_box(0, 0, grip_width, grip_height, clock_colour);
    rt::outline_box(0, 0, grip_width, grip_height, grip_grey);
    for (int y = 0; y <= grip_height; y += grip_line_step) rt::draw_line(0, y, grip_line_end, y, grip_grey);
    rt::stop_drawing();
}

}  // namespace

void clock_bar_click(core::State& s, int y) {
    if (y < 0) return;
    if (y < time_zone_end) open_small_clock(s);
    else if (y > time_zone_end && y < date_zone_end) toggle_calendar_keeping_edits(s);
}

void open_small_clock(core::State& s) {
    rt::hide_window(core::WindowDesk);
    s.ClockBar_X = rt::window_x(core::WindowDesk);
    s.ClockBar_Y = rt::window_y(core::WindowDesk) + below_desk_top;
    using F = rt::WindowFlag;
    rt::open_window(core::WindowSmallClock, s.ClockBar_X, s.ClockBar_Y, width, height, "",
                    F::Borderless | F::NoTaskbar | F::TopMost, core::WindowDesk);
    rt::set_window_background(core::WindowSmallClock, clock_colour);
    rt::create_canvas_gadget(GadgetSmallClockGrip, 0, 0, grip_width, grip_height);
    for (const TextGadget& t : text_gadgets) {
        rt::create_text_gadget(t.gadget, t.x, t.y, t.w, t.h, t.text, rt::TextFlag::Centre);
        rt::set_gadget_font(t.gadget, t.font);
        rt::set_gadget_back_colour(t.gadget, clock_colour);
    }
    draw_grip();
    show_time(s, platform::clock().local_now());
    rt::set_top_most(core::WindowSmallClock, true);
}

void close_small_clock() {
    rt::close_window(core::WindowSmallClock);
    rt::show_window(core::WindowDesk);
    rt::activate_window(core::WindowDesk);
}

void explain_small_clock() {
    rt::message_box(std::string(texts::small_clock_info_title), std::string(texts::small_clock_info),
                    rt::MessageButtons::Ok, rt::MessageIcon::Information);
}

void small_clock_grip(core::State& s, const rt::Event& e) {
    // The dragged place is not kept: the next opening starts from the desk again.
    core::drag_window(s, e, core::WindowSmallClock);
}

}  // namespace clocks
