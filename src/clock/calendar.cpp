#include "clock/calendar.h"

#include <array>

#include "clock/events.h"
#include "clock/ids.h"
#include "config/ini_file.h"
#include "config/keys.h"
#include "config/multiline.h"
#include "core/ids.h"
#include "core/text.h"
#include "platform/services.h"
#include "rt/gadget.h"
#include "rt/window.h"

namespace clocks {

namespace {

constexpr int window_width = 255;
constexpr int window_height = 560;
constexpr core::Colour editor_colour = 0xD7FFFF;  // RGB(255, 255, 215)
// The date fields are first made with this mask and at once given the language's.
constexpr const char* first_mask = "%dd/%mm/%yy - %hh:%ii";

// One event's controls, with the top of its frame.
struct EventControls {
    int frame, now, date, text;
    int top;
    const char* caption;
};

constexpr std::array<EventControls, event_count> controls = {{
    {GadgetEvent1Frame, GadgetEvent1Now, GadgetEvent1Date, GadgetEvent1Text, 200, "1"},
    {GadgetEvent2Frame, GadgetEvent2Now, GadgetEvent2Date, GadgetEvent2Text, 310, "2"},
    {GadgetEvent3Frame, GadgetEvent3Now, GadgetEvent3Date, GadgetEvent3Text, 415, "3"},
}};

std::string date_mask(const std::string& lng) {
    return core::language_of(lng) == core::Language::French ? "%dd/%mm/%yyyy %hh:%ii" : "%yyyy/%mm/%dd %hh:%ii";
}

std::string text_key(int n) {
    return std::string(config::keys::EventTextPrefix) + std::to_string(n) + std::string(config::keys::EventTextSuffix);
}

void create_event_controls(const EventControls& c) {
    // Relative to the frame's top, as the window lays them out.
    constexpr int row_gap = 15, text_gap = 45;
    rt::create_frame_gadget(c.frame, 5, c.top, 245, 100, c.caption);
    rt::create_button_gadget(c.now, 10, c.top + row_gap, 50, 25, "Now");
    rt::create_date_gadget(c.date, 65, c.top + row_gap, 180, 25, first_mask);
    rt::set_gadget_font(c.date, core::FontCalendar);
    rt::create_editor_gadget(c.text, 10, c.top + text_gap, 235, 50);
    rt::set_gadget_back_colour(c.text, editor_colour);
    rt::set_gadget_font(c.text, core::FontCalendar);
}

}  // namespace

void open_calendar(const core::State& s) {
    using F = rt::WindowFlag;
    const std::int64_t now = platform::clock().local_now();
    rt::open_window(core::WindowCalendar, 0, 0, window_width, window_height, "Calendrier",
                    F::Tool | F::CloseBox | F::MinimizeBox | F::ScreenCentered, core::WindowDesk);
    rt::create_calendar_gadget(GadgetMonthCalendar, 5, 5, 245, 185, now);
    // The program's language, not the system's: month and day names, and the week's first day.
    rt::set_gadget_language(GadgetMonthCalendar,
                            core::language_of(s.Lng) == core::Language::French ? "fr_FR" : "en_US");
    for (const EventControls& c : controls) create_event_controls(c);
    rt::create_button_gadget(GadgetCalendarOk, 170, 530, 80, 25, "OK");

    for (int n = 1; n <= event_count; ++n) {
        const EventControls& c = controls[std::size_t(n - 1)];
        rt::set_date_gadget_mask(c.date, date_mask(s.Lng));
        const std::int64_t when = s.Event_Time[std::size_t(n)];
        if (when != 0) {
            rt::set_date_gadget_value(c.date, when);
            rt::set_text(c.text, s.Event_Text[std::size_t(n)]);
        } else {
            // Ticking the empty field offers the current time.
            rt::set_date_gadget_value(c.date, now);
            rt::set_date_gadget_value(c.date, 0);
        }
    }
}

bool write_events(const core::State& s) {
    config::IniFile ini;
    if (!ini.open(s.Data_File_Path)) return false;
    ini.select_group(config::keys::Calendar);
    for (int n = 1; n <= event_count; ++n) {
        const std::string date_key = std::string(config::keys::EventPrefix) + std::to_string(n);
        ini.write_real(date_key, double(s.Event_Time[std::size_t(n)]));
        ini.write_string(text_key(n), config::encode_lines(s.Event_Text[std::size_t(n)]));
    }
    return ini.close();
}

void store_events_and_close(core::State& s) {
    if (!rt::window_exists(core::WindowCalendar)) return;
    for (int n = 1; n <= event_count; ++n) {
        const EventControls& c = controls[std::size_t(n - 1)];
        const std::int64_t when = rt::date_gadget_value(c.date);
        s.Event_Time[std::size_t(n)] = when;
        s.Event_Text[std::size_t(n)] = when != 0 ? rt::gadget_text(c.text) : std::string();
    }
    rt::close_window(core::WindowCalendar);
    // Nothing is said when the data file cannot be written: the events still fire from memory.
    write_events(s);
}

void toggle_calendar_keeping_edits(core::State& s) {
    if (rt::window_exists(core::WindowCalendar)) store_events_and_close(s);
    else open_calendar(s);
}

void toggle_calendar_dropping_edits(core::State& s) {
    if (rt::window_exists(core::WindowCalendar)) rt::close_window(core::WindowCalendar);
    else open_calendar(s);
}

void calendar_filter(core::State&, const rt::Event& e) {
    if (e.kind != rt::EventKind::Gadget || e.type != rt::EventType::LeftClick) return;
    for (const EventControls& c : controls)
        if (e.object == c.now) rt::set_date_gadget_value(c.date, platform::clock().local_now());
}

}  // namespace clocks
