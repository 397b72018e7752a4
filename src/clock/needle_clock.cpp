#include "clock/needle_clock.h"

#include <cmath>
#include <numbers>

#include "clock/ids.h"
#include "clock/texts.h"
#include "core/drag.h"
#include "core/ids.h"
#include "core/images.h"
#include "platform/services.h"
#include "rt/dialogs.h"
#include "rt/draw.h"
#include "rt/gadget.h"
#include "rt/menu.h"
#include "rt/timer.h"
#include "rt/window.h"

namespace clocks {

namespace {

constexpr int default_size = 200;
constexpr int smallest_size = 20;
constexpr int largest_size = 2000;
constexpr double hour_point_radius = 0.7;
constexpr double minute_point_radius = 0.85;
constexpr int degrees_per_point = 6;
constexpr int points_per_hour = 5;
constexpr int minutes_per_point_of_hour_hand = 12;

constexpr int seconds_period_ms = 1000;
constexpr double dot_radius = 1;
constexpr double dot_width = 2;
constexpr double hour_hand_width = 5;
constexpr double minute_hand_width = 3;
constexpr double seconds_hand_width = 2;

constexpr std::uint32_t rgb_bits = 0x00FFFFFF;
constexpr std::uint32_t opaque = 0xFF000000;
constexpr int alpha_shift = 24;

struct MenuRow {
    int item;  // -1: a separator
    const char* text;
    int image;
};

// The labels as built; the language switch gives them their final wording.
constexpr MenuRow menu_rows[] = {
    {core::ItemNeedleSmall, "Taille 1 (100px)", -1},
    {core::ItemNeedleMedium, "Taille 2 (150px)", -1},
    {core::ItemNeedleLarge, "Taille 2 (200px)", -1},
    {-1, nullptr, -1},
    {core::ItemNeedleOnTop, "Premier Plan (On Top)", core::ImageNeedleOnTop},
    {-1, nullptr, -1},
    {core::ItemNeedleSeconds, "Afficher Secondes (Show Sec.)", -1},
    {-1, nullptr, -1},
    {core::ItemNeedleTransparency25, "Transparence 25% (Transparency)", -1},
    {core::ItemNeedleTransparency50, "Transparence 50%", -1},
    {core::ItemNeedleOpaque, "Opaque", -1},
    {-1, nullptr, -1},
    {core::ItemNeedleBackground, "Couleur du Fond (Background)", core::ImageNeedleBackground},
    {core::ItemNeedleColour, "Couleur des Aiguilles (Needles)", core::ImageNeedleColour},
    {-1, nullptr, -1},
    {core::ItemNeedleClose, "Fermer (Close)", core::ImageNeedleClose},
};

std::uint16_t rounded(double v) { return std::uint16_t(std::lround(v)); }

void store_place(core::State& s) {
    s.Needle_Clock_X = rt::window_x(core::WindowNeedleClock);
    s.Needle_Clock_Y = rt::window_y(core::WindowNeedleClock);
    s.Needle_Clock_Size = rt::window_width(core::WindowNeedleClock);
}

void apply_opacity(const core::State& s) {
    rt::set_window_opacity(core::WindowNeedleClock, s.clock.needle.opacity_percent);
}

// The timer's tick: with the seconds hand every tick draws; without it only a
// new minute does, so the minute hand is never a minute late.
void redraw_when_due(core::State& s) {
    if (!s.clock.needle.seconds_shown) {
        const auto t = platform::local_time(platform::clock().local_now());
        if (t.hour * 60 + t.minute == s.clock.needle.last_drawn_minute) return;
    }
    draw_needle_clock(s);
}

void stroke_line_to(const NeedleClock& n, int x, int y, double width, rt::Colour colour, int alpha) {
    const double centre = n.size / 2;
    rt::path_move_to(centre, centre);
    rt::path_line_to(x, y);
    rt::stroke_path(width, colour, alpha);
}

}  // namespace

int needle_clock_size(int stored) { return stored < smallest_size || stored > largest_size ? default_size : stored; }

void compute_needle_points(NeedleClock& n, int size) {
    n.size = size;
    const int centre = size / 2;
    const double radius = size / 2;
    for (int i = 0; i < needle_points; ++i) {
        const double a = i * degrees_per_point * std::numbers::pi / 180;
        n.hour_x[std::size_t(i)] = rounded(centre + hour_point_radius * radius * std::sin(a));
        n.hour_y[std::size_t(i)] = rounded(centre - hour_point_radius * radius * std::cos(a));
        n.minute_x[std::size_t(i)] = rounded(centre + minute_point_radius * radius * std::sin(a));
        n.minute_y[std::size_t(i)] = rounded(centre - minute_point_radius * radius * std::cos(a));
    }
}

int hour_hand_index(int hour, int minute) {
    return hour % 12 * points_per_hour + minute / minutes_per_point_of_hour_hand;
}

void build_needle_menu(const core::State& s) {
    rt::create_popup_menu(core::MenuNeedleClock);
    for (const MenuRow& row : menu_rows) {
        if (row.item < 0) rt::menu_separator();
        else rt::menu_item(row.item, row.text, row.image);
    }
    rt::set_menu_item_checked(core::MenuNeedleClock, core::ItemNeedleOnTop, s.clock.needle.on_top);
    if (s.clock.needle.on_top) rt::set_top_most(core::WindowNeedleClock, true);
}

void open_needle_clock(core::State& s) {
    NeedleClock& n = s.clock.needle;
    const int size = needle_clock_size(s.Needle_Clock_Size);
    compute_needle_points(n, size);
    rt::unbind_window_event(core::WindowNeedleClock, rt::EventKind::Timer);
    rt::open_window(core::WindowNeedleClock, s.Needle_Clock_X, s.Needle_Clock_Y, size, size, "",
                    rt::WindowFlag::Borderless | rt::WindowFlag::NoTaskbar, core::WindowDesk);
    if (!rt::window_exists(core::WindowNeedleClock)) {
        // The program goes on without the needle clock: the rest of it does not need it.
        rt::message_box(std::string(texts::needle_error_title), std::string(texts::needle_window_failed),
                        rt::MessageButtons::Ok, rt::MessageIcon::Error);
        return;
    }
    rt::create_canvas_gadget(GadgetNeedleFace, 0, 0, size, size);
    rt::add_window_timer(core::WindowNeedleClock, core::TimerNeedleRedraw, seconds_period_ms);
    rt::bind_window_event(core::WindowNeedleClock, rt::EventKind::Timer, [&s] { redraw_when_due(s); });
    apply_opacity(s);
    // Opened again (seconds hand, menu), it stays on top when the menu says so.
    if (n.on_top) rt::set_top_most(core::WindowNeedleClock, true);
    draw_needle_clock(s);
}

void draw_needle_clock(core::State& s) {
    if (!rt::window_exists(core::WindowNeedleClock)) return;
    NeedleClock& n = s.clock.needle;
    if (!rt::start_drawing_gadget(GadgetNeedleFace)) {
        rt::message_box(std::string(texts::needle_error_title), std::string(texts::needle_drawing_failed),
                        rt::MessageButtons::Ok, rt::MessageIcon::Error);
        return;
    }
    const rt::Colour background = s.Needle_Clock_BG_Color & rgb_bits;
    const rt::Colour needles = s.Needle_Clock_FG_Color & rgb_bits;
    const int alpha = int(s.Needle_Clock_FG_Color >> alpha_shift);
    rt::fill_box(0, 0, n.size, n.size, background);

    for (int i = 0; i < needle_points; i += points_per_hour)
        rt::path_add_circle(n.minute_x[std::size_t(i)], n.minute_y[std::size_t(i)], dot_radius);
    rt::stroke_path(dot_width, needles, alpha);

    const auto t = platform::local_time(platform::clock().local_now());
    const auto h = std::size_t(hour_hand_index(t.hour, t.minute));
    const auto m = std::size_t(t.minute);
    const auto sec = std::size_t(t.second);
    stroke_line_to(n, n.hour_x[h], n.hour_y[h], hour_hand_width, needles, alpha);
    stroke_line_to(n, n.minute_x[m], n.minute_y[m], minute_hand_width, needles, alpha);
    if (n.seconds_shown) stroke_line_to(n, n.minute_x[sec], n.minute_y[sec], seconds_hand_width, needles, alpha);
    rt::stop_drawing();
    n.last_drawn_minute = t.hour * 60 + t.minute;
}

void close_needle_clock(core::State& s) {
    if (!rt::window_exists(core::WindowNeedleClock)) return;
    store_place(s);
    rt::unbind_window_event(core::WindowNeedleClock, rt::EventKind::Timer);
    rt::close_window(core::WindowNeedleClock);
}

void resize_needle_clock(core::State& s, int size) {
    s.Needle_Clock_Size = size;
    if (!rt::window_exists(core::WindowNeedleClock)) return;
    compute_needle_points(s.clock.needle, size);
    rt::resize_window(core::WindowNeedleClock, size, size);
    rt::move_gadget(GadgetNeedleFace, 0, 0, size, size);
    draw_needle_clock(s);
}

void toggle_needle_on_top(core::State& s) {
    NeedleClock& n = s.clock.needle;
    n.on_top = !n.on_top;
    rt::set_menu_item_checked(core::MenuNeedleClock, core::ItemNeedleOnTop, n.on_top);
    rt::set_top_most(core::WindowNeedleClock, n.on_top);
}

void toggle_needle_seconds(core::State& s) {
    NeedleClock& n = s.clock.needle;
    n.seconds_shown = !n.seconds_shown;
    rt::unbind_window_event(core::WindowNeedleClock, rt::EventKind::Timer);
    open_needle_clock(s);
    rt::set_menu_item_checked(core::MenuNeedleClock, core::ItemNeedleSeconds, n.seconds_shown);
}

void set_needle_opacity(core::State& s, int percent) {
    if (!rt::window_exists(core::WindowNeedleClock)) return;
    s.clock.needle.opacity_percent = percent;
    apply_opacity(s);
}

void choose_needle_background(core::State& s) {
    if (const auto chosen = rt::choose_colour(s.Needle_Clock_BG_Color & rgb_bits)) {
        s.Needle_Clock_BG_Color = opaque | (*chosen & rgb_bits);
        draw_needle_clock(s);
    }
}

void choose_needle_colour(core::State& s) {
    if (const auto chosen = rt::choose_colour(s.Needle_Clock_FG_Color & rgb_bits)) {
        s.Needle_Clock_FG_Color = opaque | (*chosen & rgb_bits);
        draw_needle_clock(s);
    }
}

void needle_face_event(core::State& s, const rt::Event& e) {
    if (e.type == rt::EventType::RightClick) rt::display_popup_menu(core::MenuNeedleClock, core::WindowNeedleClock);
    else if (core::drag_window(s, e, core::WindowNeedleClock)) store_place(s);
}

}  // namespace clocks
